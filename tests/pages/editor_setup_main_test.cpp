// The setup dialog on its model: which pages, the tree, the start page,
// selection, Default, Help, OK and the keyboard from the tree.
#include "pages/editor_setup_main.h"

#include <gtest/gtest.h>

#include "pages/scripted_services.h"
#include "support/message_table.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using test::TestPage;
using Log = std::vector<std::string>;

class SetupDialog : public ::testing::Test {
 protected:
  void SetUp() override { TestPage::SharedLog().clear(); }

  std::unique_ptr<DEditorSetupMain> Open(int start_page, FeatureSwitches switches = {}, bool dnc = true) {
    auto dialog = std::make_unique<DEditorSetupMain>(switches, dnc, table);
    dialog->Open(start_page);
    return dialog;
  }
  static int TitleOf(PageId id) { return 2000 + static_cast<int>(id); }
  static std::vector<PageId> Ids(const DEditorSetupMain& dialog) {
    std::vector<PageId> ids;
    for (const auto& entry : dialog.Tree()) ids.push_back(entry.id);
    return ids;
  }
  static PageId Current(const DEditorSetupMain& dialog) { return dialog.Tree()[dialog.Selected()].id; }

  test::ScopedMessages messages{{{346, "Settings"}, {2000, "General"}, {2004, "Syntax"}}};
  ScopedScriptedServices services;
  std::array<PageEntry, kPageCount> table = test::TestPageTable();
};

TEST_F(SetupDialog, StartPagesOpenTheirPageAndUnknownNumbersOpenGeneral) {
  EXPECT_EQ(Current(*Open(2)), PageId::kEditor);
  EXPECT_EQ(Current(*Open(20)), PageId::kMultiChannel);
  EXPECT_EQ(Current(*Open(16)), PageId::kBackplotColours);
  for (int start : {0, 1, 7, 15, 17, 18, 21, 500, -3}) EXPECT_EQ(Current(*Open(start)), PageId::kGeneral) << start;
  EXPECT_EQ(Current(*Open(14, {}, false)), PageId::kGeneral);  // DNC administration is not there
  EXPECT_EQ(Current(*Open(10, {.backplot_off = true})), PageId::kGeneral);
}

TEST_F(SetupDialog, TheTreeFollowsTheTableWithItsParentsAndExpansions) {
  auto dialog = Open(1);
  const auto& tree = dialog->Tree();
  ASSERT_EQ(tree.size(), static_cast<size_t>(kPageCount));
  for (size_t i = 0; i < tree.size(); ++i) EXPECT_EQ(tree[i].id, table[i].id);
  EXPECT_EQ(tree[4].parent, 3);    // Syntax colours under Machine types
  EXPECT_EQ(tree[17].parent, 16);  // DNC port list under DNC administration
  EXPECT_TRUE(tree[3].expanded);
}

TEST_F(SetupDialog, FeatureSwitchesAndTheDncObjectDecideWhichPagesAreThere) {
  using P = PageId;
  auto has = [](const DEditorSetupMain& dialog, P id) { return dialog.Page(id) != nullptr; };
  auto both = Open(1, {.backplot_off = true, .cadcam_post_off = true});
  for (P id : {P::kBackplot, P::kToolScan, P::kCadCamPost, P::kBackplotColours}) EXPECT_FALSE(has(*both, id));
  auto backplot = Open(1, {.backplot_off = true});
  EXPECT_FALSE(has(*backplot, P::kBackplot));
  EXPECT_TRUE(has(*backplot, P::kBackplotColours));
  EXPECT_TRUE(has(*Open(1, {.file_compare_off = true}), P::kFileCompare));
  EXPECT_TRUE(has(*Open(1, {.quiver_off = true}), P::kFileCompare));
  EXPECT_FALSE(has(*Open(1, {.file_compare_off = true, .quiver_off = true}), P::kFileCompare));
  auto math = Open(1, {.math_off = true, .mazatrol_off = true});
  for (P id : {P::kMultiChannel, P::kToolList, P::kMazatrolView}) EXPECT_FALSE(has(*math, id));
  auto no_dnc = Open(1, {}, false);
  EXPECT_FALSE(has(*no_dnc, P::kDncAdministration) || has(*no_dnc, P::kDncPortList));
  EXPECT_EQ(Ids(*no_dnc).size(), static_cast<size_t>(kPageCount - 2));
}

TEST_F(SetupDialog, SelectingHidesTheOldPageShowsTheNewAndRetitles) {
  auto dialog = Open(1);
  EXPECT_EQ(dialog->Banner(), "General");
  EXPECT_EQ(TestPage::SharedLog(), (Log{"2000 load first", "2000 show", "2000 update"}));
  TestPage::SharedLog().clear();
  dialog->Select(4);
  EXPECT_EQ(TestPage::SharedLog(), (Log{"2000 hide", "2004 load first", "2004 show", "2004 update"}));
  EXPECT_EQ(dialog->Caption(), "Settings: Syntax");
  EXPECT_TRUE(dialog->Page(PageId::kSyntaxColours)->IsVisible());
}

TEST_F(SetupDialog, OkSavesTheShownPagesInItsOwnOrder) {
  auto dialog = Open(20);  // Multi-channel
  dialog->Select(15);      // Backplot colours
  dialog->Select(1);       // Editor
  TestPage::SharedLog().clear();
  dialog->Ok();
  // Backplot colours saves before Multi-channel, although the tree lists it after.
  EXPECT_EQ(TestPage::SharedLog(), (Log{"2001 save", "2015 save", "2012 save"}));
  EXPECT_EQ(dialog->EndCode(), kIdOk);
}

TEST_F(SetupDialog, DefaultAsksAndResetsOnlyTheCurrentPageAndCancelSavesNothing) {
  auto dialog = Open(2);
  dialog->Select(0);
  TestPage::SharedLog().clear();
  services.message_box_answers = {kIdNo, kIdYes};
  dialog->Default();
  EXPECT_TRUE(TestPage::SharedLog().empty());
  dialog->Default();
  EXPECT_EQ(TestPage::SharedLog(), (Log{"2000 defaults", "2000 update"}));
  ASSERT_EQ(services.message_boxes.size(), 2u);
  EXPECT_EQ(services.message_boxes[0].text, "#13661");
  EXPECT_EQ(services.message_boxes[0].buttons, MessageButtons::kYesNo);
  TestPage::SharedLog().clear();
  dialog->Cancel();
  EXPECT_TRUE(TestPage::SharedLog().empty());
  EXPECT_EQ(dialog->EndCode(), kIdCancel);
}

}  // namespace
}  // namespace prefig
