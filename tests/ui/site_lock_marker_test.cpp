// A control that the site locks: its widget disabled with a padlock and a
// tooltip naming the site file, and all of it gone when it is unlocked.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "context/message_ids.h"
#include "controls/auto_checkbox.h"
#include "controls/combo_box.h"
#include "pages/config_base.h"
#include "pages/scripted_services.h"
#include "support/message_table.h"
#include "ui/control_widgets.h"
#include "ui/page_widget.h"

namespace prefig {
namespace {

class LockedControlsPage : public WPrefigBase {
 public:
  LockedControlsPage() : WPrefigBase(900) {
    using namespace layout;
    SetLayout(Column{Form{list}, box, Stretch{}});
  }
  WComboBox list{this, 901, {902, 903}};
  WAutoCheckbox box{this, 904};
};

class SiteLockMarker : public ::testing::Test {
 protected:
  SiteLockMarker() { page.ShowPage(true); }
  test::ScopedMessages messages{{kSiteLockedMessageId, "Locked by %s"}};
  ScopedScriptedServices services;
  LockedControlsPage page;
  ui::PageWidget view{page, nullptr};
};

TEST_F(SiteLockMarker, LockedWidgetIsDisabledMarkedAndExplainedUntilUnlocked) {
  QWidget* combo = ui::WidgetOf(&page.list);
  auto* box = qobject_cast<QCheckBox*>(ui::WidgetOf(&page.box));
  ASSERT_TRUE(combo && box);
  combo->setToolTip("own tip");
  page.list.SetLock(ControlLock{"INSPECT/FILTERTYPE", "/site/ISO Mill.MAC"});
  page.box.SetLock(ControlLock{"SYSTEM/WARNINGBEEP", "/site/Prefig.ini"});
  EXPECT_FALSE(combo->isEnabled());
  EXPECT_FALSE(ui::LabelWidgetOf(&page.list)->isEnabled());
  EXPECT_EQ(combo->toolTip(), "Locked by /site/ISO Mill.MAC");
  auto* badge = combo->findChild<QLabel*>("prefig-site-lock");
  ASSERT_NE(badge, nullptr);
  EXPECT_EQ(badge->toolTip(), combo->toolTip());
  EXPECT_TRUE(combo->rect().contains(badge->geometry()));
  EXPECT_FALSE(box->icon().isNull());
  EXPECT_EQ(box->toolTip(), "Locked by /site/Prefig.ini");

  page.list.SetLock(std::nullopt);
  page.box.SetLock(std::nullopt);
  EXPECT_TRUE(combo->isEnabled());
  EXPECT_EQ(combo->toolTip(), "own tip");
  EXPECT_EQ(combo->findChild<QLabel*>("prefig-site-lock"), nullptr);
  EXPECT_TRUE(box->icon().isNull());
  EXPECT_TRUE(box->toolTip().isEmpty());
}

}  // namespace
}  // namespace prefig
