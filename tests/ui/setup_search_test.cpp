// The search and the modified marks of the setup dialog's window, on a
// record started from its files, on the offscreen platform.
#include <gtest/gtest.h>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <filesystem>
#include <map>

#include "controls/auto_checkbox.h"
#include "controls/spin_value.h"
#include "pages/editor_setup_main.h"
#include "schema/general.h"
#include "support/test_configuration.h"
#include "support/test_page.h"
#include "ui/control_widgets.h"
#include "ui/setup_dialog.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

void SettleSearchUi() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

void PressInSearch(QWidget* widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  SettleSearchUi();
}

// Every file of the configuration with its bytes.
std::map<std::string, std::string> ConfigurationFiles(const std::string& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[entry.path().string()] = test::ReadFile(entry.path());
  }
  return files;
}

class SetupSearchUi : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  DEditorSetupMain model{FeatureSwitchesOf(record), false};

  void SetUp() override { model.Open(4); }  // the machine type list: General is not loaded
  std::vector<QString> VisibleTitles(QTreeWidget* tree) {
    std::vector<QString> titles;
    for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
      if (!(*it)->isHidden()) titles.push_back((*it)->text(0));
    }
    return titles;
  }
};

TEST_F(SetupSearchUi, TypingNarrowsTheTreeEnterGoesToTheControlEscapeClears) {
  ui::SetupDialog dialog(model, nullptr);
  dialog.show();
  SettleSearchUi();
  auto* tree = dialog.findChild<QTreeWidget*>("pageTree");
  auto* search = dialog.findChild<QLineEdit*>("settingSearch");
  ASSERT_NE(search, nullptr);
  const int pages = static_cast<int>(VisibleTitles(tree).size());

  search->setFocus();
  for (QChar c : QStringLiteral("tabc")) search->insert(c);  // a keystroke each
  SettleSearchUi();
  EXPECT_EQ(VisibleTitles(tree), std::vector<QString>{"General (1)"});
  EXPECT_EQ(model.CurrentPage(), model.Page(PageId::kGeneral));  // the page shown had no match

  PressInSearch(search, Qt::Key_Return);
  WConfigBase& general = *model.Page(PageId::kGeneral);
  auto& tab_width = test::BoundControl<WSpinValue>(general, schema::kTabChars);
  EXPECT_EQ(dialog.focusWidget(), ui::WidgetOf(&tab_width));
  EXPECT_FALSE(model.HasEnded()) << "Enter in the search is not the dialog's OK";

  PressInSearch(search, Qt::Key_Escape);
  EXPECT_EQ(search->text(), "");
  EXPECT_EQ(static_cast<int>(VisibleTitles(tree).size()), pages);
  EXPECT_FALSE(model.HasEnded()) << "Escape cleared the search only";
  PressInSearch(search, Qt::Key_Escape);
  EXPECT_TRUE(model.HasEnded()) << "Escape in an empty search is the dialog's Cancel";
}

TEST_F(SetupSearchUi, AModifiedSettingIsMarkedAndItsResetIsUndoneByCancel) {
  const auto before = ConfigurationFiles(configuration.directory());
  ui::SetupDialog dialog(model, nullptr);
  dialog.show();
  model.Select(0);
  SettleSearchUi();
  WConfigBase& general = *model.Page(PageId::kGeneral);
  auto& tab_width = test::BoundControl<WSpinValue>(general, schema::kTabChars);
  auto* spin = qobject_cast<QAbstractSpinBox*>(ui::WidgetOf(&tab_width));
  QWidget* label = ui::LabelWidgetOf(&tab_width);
  auto* tree = dialog.findChild<QTreeWidget*>("pageTree");
  ASSERT_NE(spin, nullptr);
  EXPECT_FALSE(label->styleSheet().contains("bold"));
  EXPECT_FALSE(tree->topLevelItem(0)->font(0).bold());

  spin->stepUp();
  SettleSearchUi();
  EXPECT_EQ(tab_width.Text(), "9");
  EXPECT_TRUE(label->styleSheet().contains("bold"));
  EXPECT_TRUE(tree->topLevelItem(0)->font(0).bold());
  dialog.findChild<QCheckBox*>("modifiedOnly")->setChecked(true);
  SettleSearchUi();
  EXPECT_FALSE(tree->topLevelItem(0)->isHidden());
  EXPECT_TRUE(tree->topLevelItem(0)->child(0)->isHidden());  // the Editor holds no modified setting
  QWidget* beep = ui::WidgetOf(&test::BoundControl<WAutoCheckbox>(general, schema::kWarningBeep));
  EXPECT_TRUE(beep->isHidden()) << "Modified only shows only the modified controls";
  EXPECT_FALSE(spin->isHidden());
  EXPECT_FALSE(label->isHidden());
  dialog.findChild<QCheckBox*>("modifiedOnly")->setChecked(false);
  SettleSearchUi();
  EXPECT_FALSE(beep->isHidden());

  // The button that the mouse over the label brings up.
  QEnterEvent hover(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(label, &hover);
  auto* reset = label->findChild<QToolButton*>("resetSetting");
  ASSERT_NE(reset, nullptr);
  reset->click();
  SettleSearchUi();
  EXPECT_EQ(tab_width.Text(), "8");
  EXPECT_FALSE(label->styleSheet().contains("bold"));
  EXPECT_FALSE(tree->topLevelItem(0)->font(0).bold());

  dialog.findChild<QPushButton*>("cancel")->click();
  EXPECT_TRUE(model.HasEnded());
  GMachineType* out[256];
  int count = 0;
  model.Close(out, &count);
  configuration.Stop();  // the record writes its editing state, as the host's does at its end
  auto after = ConfigurationFiles(configuration.directory());
  EXPECT_EQ(after.size(), before.size());
  for (const auto& [path, bytes] : before) EXPECT_EQ(after[path], bytes) << path;
}

}  // namespace
}  // namespace prefig
