// Labels, texts from message ids, enabling and the list and edit controls.
#include <gtest/gtest.h>

#include "controls/auto_checkbox.h"
#include "controls/color_indicator.h"
#include "controls/combo_box.h"
#include "controls/edit.h"
#include "controls/header_ctrl.h"
#include "controls/spin_value.h"
#include "support/message_table.h"

namespace prefig {
namespace {

struct CountingView : ControlView {
  virtual ~CountingView() = default;
  int changes = 0;
  void ModelChanged() override { ++changes; }
};

struct RecordingOwner : ControlOwner {
  std::vector<WControl*> added, edited;
  std::vector<HelpRequest> help;
  virtual ~RecordingOwner() = default;
  void AddControl(WControl& control) override { added.push_back(&control); }
  void ControlEdited(WControl& control) override { edited.push_back(&control); }
  void HelpRequested(const HelpRequest& request) override { help.push_back(request); }
};

TEST(Controls, EnablingAndShowingCarryOverToTheLabel) {
  WSpinValue spin(nullptr, 1075);
  ASSERT_NE(spin.Label(), nullptr);
  EXPECT_EQ(spin.Label()->Partner(), &spin);
  spin.Enable(false);
  EXPECT_FALSE(spin.IsEnabled());
  EXPECT_FALSE(spin.Label()->IsEnabled());
  spin.Show(false);
  EXPECT_FALSE(spin.Label()->IsVisible());
  WAutoCheckbox box(nullptr, 1056);  // a check box is its own label
  EXPECT_EQ(box.Label(), nullptr);
}

TEST(Controls, TextsComeFromMessageIdsAndChangeOnlyWhenDifferent) {
  test::ScopedMessages messages({{1075, "&Tab width:"}, {1056, "&Warning beeps"}});
  WSpinValue spin(nullptr, 1075);
  WAutoCheckbox box(nullptr, 1056);
  CountingView view;
  box.AttachView(&view);
  spin.ApplyTexts();
  box.ApplyTexts();
  EXPECT_EQ(spin.Label()->Text(), "&Tab width:");
  EXPECT_EQ(box.Text(), "&Warning beeps");
  EXPECT_EQ(view.changes, 1);
  box.ApplyTexts();
  EXPECT_EQ(view.changes, 1);
  box.SetTextFromId(1075, true);
  EXPECT_EQ(box.Text(), "Tab width:");
}

TEST(Controls, UserChangesAndHoverHelpReachThePage) {
  RecordingOwner owner;
  WAutoCheckbox box(&owner, 1056);
  WComboBox combo(&owner, 0, {"a", "b"});
  EXPECT_EQ(owner.added, (std::vector<WControl*>{&box, &combo}));
  box.SetCheck(true);  // a program change is not an edit
  EXPECT_TRUE(owner.edited.empty());
  box.Click();
  EXPECT_FALSE(box.IsChecked());
  combo.ApplyTexts();
  combo.UserSelect(1);
  combo.UserSelect(1);  // no change, no second edit
  EXPECT_EQ(owner.edited, (std::vector<WControl*>{&box, &combo}));
  box.HoverHelp();
  ASSERT_EQ(owner.help.size(), 1u);
  EXPECT_EQ(owner.help[0].source, HelpSource::kHover);
  EXPECT_EQ(owner.help[0].control, &box);
}

TEST(ComboBox, SelectsByDataAndByTextAndAddsWhatIsMissing) {
  test::ScopedMessages messages({{1072, "Bytes"}, {1073, "KB"}});
  WComboBox combo(nullptr, 0, {1072, 1073});
  combo.ApplyTexts();
  EXPECT_EQ(combo.Entries()[1].text, "KB");
  combo.RemoveAll();
  combo.AddText("de-DE", 7);
  combo.AddText("en-US", 9);
  EXPECT_TRUE(combo.SelectData(9));
  EXPECT_EQ(combo.SelectedText(), "en-US");
  EXPECT_TRUE(combo.SelectText("DE-de"));
  EXPECT_EQ(combo.Selected(), 0);
  EXPECT_FALSE(combo.SelectText("", WComboBox::AddMissing::kAtEnd));  // empty only when allowed
  EXPECT_TRUE(combo.SelectText("fr-FR", WComboBox::AddMissing::kAtEnd));
  EXPECT_EQ(combo.Selected(), 2);
  EXPECT_TRUE(combo.SelectText("", WComboBox::AddMissing::kAtStart, true));
  EXPECT_EQ(combo.Selected(), 0);
  EXPECT_EQ(combo.Entries()[1].text, "de-DE");
  EXPECT_EQ(combo.AddedCount(), 6);
  combo.Select(17);
  EXPECT_EQ(combo.Selected(), -1);
}

TEST(Edit, ValuesAreBoundedTrimmedAndListsNormalised) {
  WEdit edit(nullptr, 0);
  edit.SetMaximumLength(6);
  edit.SetText("  abcdefgh");
  EXPECT_EQ(edit.GetText(4), "  a");
  EXPECT_EQ(edit.Value(), "abc");  // five characters read, then trimmed
  edit.SetMaximumLength(WEdit::kLengthMax);
  edit.SetListMode(true);
  edit.SetValue("nc,tap , ,\tmpf,");
  EXPECT_EQ(edit.Text(), "nc, tap, mpf");
  edit.SetText(" a ,b,, c\t");
  EXPECT_EQ(edit.Value(), "a, b, c");
}

TEST(Edit, ReplacingTheSelectionMovesTheCursor) {
  WEdit edit(nullptr, 0);
  edit.SetText("G1X10");
  edit.SetSelection(2, 5);
  edit.ReplaceSelection("Y");
  EXPECT_EQ(edit.Text(), "G1Y");
  EXPECT_EQ(edit.SelectionStart(), 3u);
  edit.SetSelection(9, 2);  // out of range: clamped
  EXPECT_EQ(edit.SelectionStart(), 3u);
  EXPECT_EQ(edit.SelectionEnd(), 3u);
}

TEST(ColorIndicator, TransparencyMixesWithBlackAndWhiteCells) {
  WColorIndicator swatch(nullptr);
  swatch.SetColor({200, 100, 0, 255});
  EXPECT_EQ(swatch.CellColor(0, 0), (Rgba{200, 100, 0, 255}));
  swatch.SetColor({200, 100, 0, 128});
  EXPECT_EQ(swatch.CellColor(0, 0), (Rgba{100, 50, 0, 255}));     // on black
  EXPECT_EQ(swatch.CellColor(1, 0), (Rgba{227, 177, 127, 255}));  // on white
  swatch.SetColor({10, 20, 30, 0});
  EXPECT_EQ(swatch.CellColor(0, 1), (Rgba{255, 255, 255, 255}));
}

TEST(HeaderCtrl, ColumnWidthsArePixelsPercentagesOrTheRest) {
  WHeaderCtrl list(nullptr);
  list.AddColumn(1, 100);
  list.AddColumn(2, -25);
  list.AddColumn(3, -400);  // clamped to 100 %
  list.AddColumn(4, 0);
  EXPECT_EQ(list.ColumnWidths(400), (std::vector<int>{100, 100, 400, 0}));
}

}  // namespace
}  // namespace prefig
