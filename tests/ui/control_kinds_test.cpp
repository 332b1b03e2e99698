// The slider, swatch row, picture, font sample, colour swatch, field and list
// drawn by the renderer and kept in step with their models both ways.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>

#include "controls/color_indicator.h"
#include "controls/edit.h"
#include "controls/font_sample.h"
#include "controls/header_ctrl.h"
#include "controls/picture.h"
#include "controls/slider.h"
#include "controls/swatch_row.h"
#include "pages/config_base.h"
#include "pages/scripted_services.h"
#include "schema/backplot_colors.h"
#include "support/message_table.h"
#include "ui/control_widgets.h"
#include "ui/page_widget.h"

namespace prefig {
namespace {

class KindsPage : public WPrefigBase {
 public:
  KindsPage() : WPrefigBase(900) {
    using namespace layout;
    SetLayout(Column{Form{red, swatches, font, colour, word}, list, picture, Stretch{}});
    list.AddColumn(905, 0);
    list.SetOnActivate([this] { ++activated; });
  }
  void OnLeft(WControl& control) override {
    if (&control == &word) ++left;
  }
  WSlider red{this, 901, 0, 255, {.page_step = 32, .tick_interval = 32}};
  WSwatchRow swatches{this, 902};
  WFontSample font{this, 903, {.sample_text = "G0 X100.0"}};
  WColorIndicator colour{this, 904, schema::kColToolpathRapid};
  WPicture picture{this, {"folder", "no-such-picture"}};
  WEdit word{this, 906};
  WHeaderCtrl list{this};
  int left = 0;
  int activated = 0;
};

void Click(QWidget* widget, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QApplication::sendEvent(widget, &release);
}

class ControlKinds : public ::testing::Test {
 protected:
  ControlKinds() {
    FontDescription courier;
    courier.face_name = "Courier New";
    courier.height = -16;
    page.font.SetFont(courier);
    page.swatches.SetColors({{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}});
    page.ShowPage(true);
  }
  test::ScopedMessages messages;
  ScopedScriptedServices services;
  KindsPage page;
  ui::PageWidget view{page, nullptr};
};

TEST_F(ControlKinds, SlidersAndFontSamplesFollowTheUserAndTheModel) {
  auto* slider = qobject_cast<QSlider*>(ui::WidgetOf(&page.red));
  ASSERT_NE(slider, nullptr);
  EXPECT_EQ(slider->tickInterval(), 32);
  slider->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(page.red.Position(), 32);
  page.red.SetPosition(200);
  EXPECT_EQ(slider->value(), 200);

  QWidget* box = ui::WidgetOf(&page.font);
  auto* sample = box->findChild<QLineEdit*>();
  auto* size = box->findChild<QLabel*>();
  auto* button = box->findChild<QToolButton*>();
  ASSERT_TRUE(sample && size && button);
  EXPECT_EQ(sample->text(), "G0 X100.0");
  EXPECT_EQ(box->focusProxy(), button);
  services.font_answers = {"Liberation Serif,-24,700,0"};
  button->click();
  EXPECT_EQ(QFontInfo(sample->font()).family(), "Liberation Serif");
  EXPECT_EQ(size->text(), "Liberation Serif, 18 pt");
}

TEST_F(ControlKinds, ClicksChooseSwatchesAndColoursAndPicturesSwitchByIndex) {
  QWidget* row = ui::WidgetOf(&page.swatches);
  row->resize(row->sizeHint());
  Click(row, QPoint(row->width() / 2, row->height() / 2));
  EXPECT_EQ(page.swatches.Selected(), 1);

  QWidget* swatch = ui::WidgetOf(&page.colour);
  swatch->resize(swatch->sizeHint());
  services.color_answers = {0xFF0000FF};
  Click(swatch, QPoint(5, 5));
  EXPECT_EQ(page.colour.Color(), (Rgba{0, 0, 255, 255}));

  auto* picture = qobject_cast<QLabel*>(ui::WidgetOf(&page.picture));
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(picture->pixmap().isNull());
  page.picture.Select(1);
  EXPECT_TRUE(picture->pixmap().isNull());
}

// A field checked when it is complete hears of the focus leaving it; a
// row's squares show its colour, and a double click runs the row's action.
TEST_F(ControlKinds, LeavingAFieldReachesThePageAndListRowsShowTheirColours) {
  QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(ui::WidgetOf(&page.word), &out);
  EXPECT_EQ(page.left, 1);

  page.list.SetRows({{.cells = {"red"}}, {.cells = {"none"}}});
  page.list.SetSwatches({{255, 0, 0, 255}});
  auto* tree = qobject_cast<QTreeWidget*>(ui::WidgetOf(&page.list));
  ASSERT_NE(tree, nullptr);
  QImage square = tree->topLevelItem(0)->icon(0).pixmap(16, 16).toImage();
  EXPECT_EQ(square.pixelColor(8, 8), QColor(255, 0, 0));
  EXPECT_EQ(square.pixelColor(0, 0).alpha(), 0);
  EXPECT_TRUE(tree->topLevelItem(1)->icon(0).isNull());
  Q_EMIT tree->itemActivated(tree->topLevelItem(1), 0);
  EXPECT_EQ(page.list.Selected(), 1);
  EXPECT_EQ(page.activated, 1);
}

}  // namespace
}  // namespace prefig
