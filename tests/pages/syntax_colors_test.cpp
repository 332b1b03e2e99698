// The syntax colours page: the user's order on the page and the editor's
// lookup order in the file, rows cleared in the middle, the letter colours,
// the flags and what Default resets.
#include "pages/machine/syntax_colors.h"

#include <gtest/gtest.h>

#include "controls/header_ctrl.h"
#include "pages/page_text.h"
#include "pages/setup_session.h"
#include "record/colour_list.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;

class SyntaxColours : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      SetupSession().working_types.push_back(&record.MachineTypes().At(i));
    }
    SetupSession().current_type = 0;
    Type().Colours().SetEntries({});
  }
  GMachineType& Type() { return record.MachineTypes().At(0); }
  template <typename Control>
  Control& Named(const char* name) {
    std::string error;
    WControl* control = page_text::Find(page_text::Describe(page), name, &error);
    if (control == nullptr) throw std::logic_error(error);
    return static_cast<Control&>(*control);
  }
  WHeaderCtrl& List() { return test::FindControl<WHeaderCtrl>(page); }
  WEdit& Text() { return Named<WEdit>("#1280"); }
  void Click(const char* name) { Named<WPushButton>(name).Click(); }
  void AddEntry(const char* text) {
    Click("#1282");
    Text().UserEdit(text);
  }
  std::vector<std::string> UserRows() {
    std::vector<std::string> texts;
    for (size_t i = DMchColors::kFirstUserRow; i < List().Rows().size(); ++i)
      texts.push_back(List().Rows()[i].cells[0]);
    return texts;
  }
  // The type's file after OK, read again as the next start reads it.
  void WriteAndReread() {
    ASSERT_TRUE(Type().Save());
    Type().Load(record.MachineTypeContext());
  }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  DMchColors page;
};

TEST(ColourLookupOrder, LettersFirstByLetterLongerTextFirstOthersKeepTheirOrderBehind) {
  std::vector<UserColour> entries = {{"G", 1, 14}, {"9", 2, 15}, {"X1", 3, 16}, {"G01", 4, 17},
                                     {"#", 5, 18}, {"A", 6, 19}, {"G0", 7, 20}, {"GX", 8, 21}};
  SortForLookup(entries);
  std::vector<std::string> texts;
  for (const UserColour& entry : entries) texts.push_back(entry.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"A", "G01", "G0", "GX", "G", "X1", "9", "#"}));

  ColourList list;
  list.SetEntries(entries);
  std::array<int, ColourList::kLetterSlots> index{};
  index[0] = 1;          // A
  index['G' - 'A'] = 2;  // G01
  index['X' - 'A'] = 6;
  index[26] = 7;  // the first entry that starts with no letter
  EXPECT_EQ(list.LetterIndex(), index);
}

// "G0" must be found before "G" by the editor, while the user keeps the
// order given.
TEST_F(SyntaxColours, TheFileHoldsTheLookupOrderAndThePageTheUsersOrder) {
  page.ShowPage(true);
  AddEntry("g");
  AddEntry(" G0 ");
  page.ShowPage(false);
  const ColourList& colours = Type().Colours();
  ASSERT_EQ(colours.Entries().size(), 2u);
  EXPECT_EQ(colours.Entries()[0], (UserColour{"G0", 0, 15}));
  EXPECT_EQ(colours.Entries()[1], (UserColour{"G", 0, 14}));
  EXPECT_EQ(colours.LetterIndex()['G' - 'A'], 1);
  EXPECT_TRUE(Type().IsChanged());

  WriteAndReread();
  EXPECT_EQ(test::StoredValue(Type().Path(), "GLOBALCOLORLIST", "COUNT"), "2");
  EXPECT_EQ(test::StoredValue(Type().Path(), "GLOBALCOLORLIST", "USRCOLOR0"), "0:15:G0");
  EXPECT_EQ(test::StoredValue(Type().Path(), "GLOBALCOLORLIST", "USRCOLOR1"), "0:14:G");
  EXPECT_EQ(Type().Colours().LetterIndex()['G' - 'A'], 1);
  page.ShowPage(true);
  EXPECT_EQ(UserRows(), (std::vector<std::string>{"G", "G0"}));
}

// The cleared row leaves a gap in the stored positions; every entry behind
// it still loads, also after the file was written and read again.
TEST_F(SyntaxColours, ARowClearedInTheMiddleLosesNoOtherEntry) {
  page.ShowPage(true);
  for (const char* text : {"A", "B", "C", "D"}) AddEntry(text);
  List().UserSelect(DMchColors::kFirstUserRow + 1);
  Text().UserEdit("  ");
  page.ShowPage(false);
  WriteAndReread();
  EXPECT_EQ(test::StoredValue(Type().Path(), "GLOBALCOLORLIST", "USRCOLOR2"), "0:17:D");

  page.ShowPage(true);
  EXPECT_EQ(UserRows(), (std::vector<std::string>{"A", "C", "D"}));
  page.ShowPage(false);
  WriteAndReread();
  page.ShowPage(true);
  EXPECT_EQ(UserRows(), (std::vector<std::string>{"A", "C", "D"}));
}

TEST_F(SyntaxColours, LetterColoursAddOnlyMissingLettersOnceAndClearModalColours) {
  page.ShowPage(true);
  AddEntry("x");
  Click("#1279");
  std::vector<std::string> rows = UserRows();
  ASSERT_EQ(rows.size(), 26u);
  EXPECT_EQ(rows[1], "A");
  EXPECT_EQ(rows.back(), "Z");
  EXPECT_FALSE(test::BoundControl<WAutoCheckbox>(page, kUseModalColors).IsChecked());
  EXPECT_EQ(List().Swatches()[DMchColors::kFirstUserRow + 1], (Rgba{0xFF, 0x80, 0x40, 255}));

  Click("#1279");
  EXPECT_EQ(UserRows().size(), 26u);
  EXPECT_TRUE(services.message_boxes.empty());
}

// The table holds 256 rows: Add stops there, and the letters that did not
// fit are counted for the user.
TEST_F(SyntaxColours, AFullTableTakesNoMoreLettersAndSaysHowManyWereLeftOut) {
  page.ShowPage(true);
  for (int i = 0; i < 230; ++i) AddEntry(("W" + std::to_string(i)).c_str());
  Click("#1279");
  EXPECT_EQ(List().Count(), DMchColors::kRowsMax);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, "The color table is full: 14 letters were not added.");
  EXPECT_FALSE(Named<WIcoButton>("#1282").IsEnabled());
  page.ShowPage(false);
  EXPECT_EQ(Type().Colours().Entries().size(), static_cast<size_t>(ColourList::kEntriesMax));
}

TEST_F(SyntaxColours, FixedRowsAreRecolouredOnlyAndUserRowsKeepTheirFlagsWhenRecoloured) {
  page.ShowPage(true);
  List().UserSelect(3);
  EXPECT_FALSE(Text().IsEnabled());
  EXPECT_FALSE(Named<WIcoButton>("#1283").IsEnabled());
  EXPECT_FALSE(Named<WIcoButton>("#1284").IsEnabled());
  services.color_answers.push_back(0xFF112233);
  List().UserActivate(3);  // a double click
  AddEntry("M");
  Named<WAutoCheckbox>("#1276").Click();
  Named<WAutoCheckbox>("#1277").Click();
  EXPECT_FALSE(Named<WAutoCheckbox>("#1275").IsEnabled());
  EXPECT_FALSE(Named<WIcoButton>("#1285").IsEnabled());
  EXPECT_FALSE(Named<WIcoButton>("#1284").IsEnabled());  // the first user row goes no higher
  services.color_answers.push_back(0xFF0000FF);
  Click("#1281");
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Colour(kFixColor, 3), 0x332211u);
  EXPECT_EQ(Type().Colours().Entries()[0].item,
            static_cast<int32_t>(DMchColors::kTrailingDigits | DMchColors::kEntireLine | 0xFF0000));
}

TEST_F(SyntaxColours, DefaultRemovesTheEntriesAndResetsTheFixedColoursButTheLast) {
  Type().Values().SetValue(kFixColor, uint32_t{0x123456}, 0);
  Type().Values().SetValue(kFixColor, uint32_t{0x654321}, 13);
  page.ShowPage(true);
  AddEntry("Q");
  page.ResetToDefaults();
  EXPECT_TRUE(UserRows().empty());
  page.ShowPage(false);
  EXPECT_EQ(Type().Values().Colour(kFixColor, 0), 0u);
  EXPECT_EQ(Type().Values().Colour(kFixColor, 13), 0x654321u);
  EXPECT_TRUE(Type().Colours().Entries().empty());
}

}  // namespace
}  // namespace prefig
