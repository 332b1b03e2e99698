// The page protocol as the setup dialog drives it, enable rules, keyboard
// order and the page help handler.
#include "pages/config_base.h"

#include <gtest/gtest.h>

#include "module/host_interface.h"
#include "pages/scripted_services.h"
#include "support/message_table.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using Calls = std::vector<std::string>;
using test::TestPage;

class PageProtocol : public ::testing::Test {
 protected:
  test::ScopedMessages messages{{{905, "Plain help text"}, {906, "<b>Marked up</b>"}}};
  ScopedScriptedServices services;
  TestPage page;
};

TEST_F(PageProtocol, FirstShowingLoadsOnceSetsTextsAndShows) {
  EXPECT_FALSE(page.IsLoaded());
  page.ShowPage(true);
  EXPECT_EQ(page.calls, (Calls{"load first", "show", "update"}));
  EXPECT_TRUE(page.IsLoaded());
  EXPECT_EQ(page.spin.Label()->Text(), "#902");
  page.ShowPage(false);
  page.ShowPage(true);
  EXPECT_EQ(page.calls, (Calls{"load first", "show", "update", "hide", "show", "update"}));
}

// A page that was never loaded holds no values, so it must never write.
TEST_F(PageProtocol, AnUnloadedPageNeverSaves) {
  page.SaveValues();
  page.Commit();
  page.ShowPage(false);
  EXPECT_FALSE(page.IsLoaded());
  page.SaveValues();
  EXPECT_EQ(page.calls, (Calls{"hide"}));
}

TEST_F(PageProtocol, CommitHidesThenSavesDefaultsThenUpdatesAndHidingMayBeRefused) {
  page.ShowPage(true);
  page.calls.clear();
  page.Commit();
  page.ResetToDefaults();
  EXPECT_EQ(page.calls, (Calls{"hide", "save", "defaults", "update"}));
  // The query form of hiding can be refused.
  EXPECT_TRUE(page.ShowPage(true, false));
  page.refuse_to_hide = true;
  EXPECT_FALSE(page.ShowPage(false, false));
  EXPECT_TRUE(page.IsShown());
  EXPECT_TRUE(page.IsVisible());
}

TEST_F(PageProtocol, EnableRulesFollowTheUsersClicks) {
  page.ShowPage(true);
  EXPECT_FALSE(page.spin.IsEnabled());
  EXPECT_FALSE(page.spin.Label()->IsEnabled());
  page.box.Click();
  EXPECT_TRUE(page.spin.IsEnabled());
  EXPECT_TRUE(page.spin.Label()->IsEnabled());
}

TEST_F(PageProtocol, TabVisitsEnabledVisibleControlsInLayoutOrderAndLeavesAtTheEnds) {
  page.ShowPage(true);  // the spin is disabled
  EXPECT_EQ(page.NextFocus(nullptr, true), &page.box);
  EXPECT_EQ(page.NextFocus(&page.box, true), &page.edit);
  EXPECT_EQ(page.NextFocus(&page.edit, true), &page.button);
  EXPECT_EQ(page.NextFocus(&page.button, true), nullptr);
  EXPECT_EQ(page.NextFocus(&page.box, false), nullptr);
  page.box.Click();
  page.button.Show(false);
  EXPECT_EQ(page.NextFocus(&page.box, true), &page.spin);
  EXPECT_EQ(page.NextFocus(&page.edit, true), nullptr);
}

TEST_F(PageProtocol, HelpShowsTheControlsTextOrTheLabelsPartnersOrAsksTheHost) {
  page.spin.SetHelpId(906);
  page.SetHelpId(905);
  page.HelpRequested({HelpSource::kControl, &page.edit});
  page.HelpRequested({HelpSource::kControl, page.spin.Label()});
  page.HelpRequested({HelpSource::kControl, nullptr});  // the page itself
  ASSERT_EQ(services.tooltips.size(), 3u);
  EXPECT_EQ(services.tooltips[0].text, "Plain help text");
  EXPECT_EQ(services.tooltips[0].width, 600);
  EXPECT_EQ(services.tooltips[1].text, "<b>Marked up</b>");
  EXPECT_EQ(services.tooltips[2].text, "Plain help text");
  EXPECT_TRUE(services.host_messages.empty());

  services.host_answer = kHelpShown;
  page.HelpRequested({HelpSource::kControl, &page.box});  // no help text
  page.HelpRequested({HelpSource::kHelpButton, nullptr});
  ASSERT_EQ(services.host_messages.size(), 2u);
  const auto& ask = services.host_messages[0];
  EXPECT_EQ(ask.message, 0x42Au);
  EXPECT_FALSE(ask.posted);
  EXPECT_STREQ(reinterpret_cast<const char*>(ask.wparam), "index");
  EXPECT_EQ(ask.lparam, 0xF001);

  services.host_answer = 0;  // the host did not show help: the toolkit's own help
  page.HelpRequested({HelpSource::kHelpButton, nullptr});
  EXPECT_EQ(services.toolkit_help, (std::vector<std::string>{"index"}));

  // Hovering shows the pop-up only where there is a text.
  page.box.HoverHelp();
  EXPECT_TRUE(services.help_popups.empty());
  page.box.SetHelpId(905);
  page.box.HoverHelp();
  ASSERT_EQ(services.help_popups.size(), 1u);
  EXPECT_EQ(services.help_popups[0].text, "Plain help text");
  EXPECT_EQ(services.help_popups[0].control, &page.box);
}

}  // namespace
}  // namespace prefig
