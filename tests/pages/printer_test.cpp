// The Printer page driven as a user would, with what reaches section
// PRINTERSETUP of the main INI file checked.
#include "pages/global/printer.h"

#include <gtest/gtest.h>

#include "record/prefiguration.h"
#include "schema/printer.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class PrinterPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  ScriptedServices& services = configuration.services;

  std::string Stored(const char* key) { return test::StoredValue(configuration.MainIniPath(), "PRINTERSETUP", key); }
  WEdit& LeftMargin(DPrinter& page) {
    return test::FindControl<WEdit>(page, [](const WEdit& e) { return e.TextId() == 1210; });
  }
  WEdit& RightMargin(DPrinter& page) {
    return test::FindControl<WEdit>(page, [](const WEdit& e) { return e.TextId() == 1211; });
  }
};

TEST_F(PrinterPage, MarginsKeepTheirUnitAndTakeACommaOrAPoint) {
  configuration.Start("[PRINTERSETUP]\nLEFTMARGIN=1.5\nLEFTMARGININCH=Yes\nRIGHTMARGIN=7,25\n");
  DPrinter page;
  page.ShowPage(true);
  EXPECT_EQ(LeftMargin(page).Text(), "1.50 in");
  EXPECT_EQ(RightMargin(page).Text(), "7.25");
  LeftMargin(page).UserEdit("0.5 in");
  RightMargin(page).UserEdit("3,25");
  page.SaveValues();
  EXPECT_EQ(Stored("LEFTMARGIN"), "0.50");
  EXPECT_EQ(Stored("LEFTMARGININCH"), "Yes");
  EXPECT_EQ(Stored("RIGHTMARGIN"), "3.25");
  EXPECT_EQ(Stored("RIGHTMARGININCH"), "No");
  LeftMargin(page).UserEdit("2 INCH");  // the unit is any "i" in the text
  page.SaveValues();
  EXPECT_EQ(Stored("LEFTMARGIN"), "2.00");
  EXPECT_EQ(Stored("LEFTMARGININCH"), "Yes");
}

// A text without a number is refused: the margin and its unit stay as they
// were, rather than becoming 0.00 mm.
TEST_F(PrinterPage, AMarginThatIsNoNumberLeavesTheStoredOne) {
  configuration.Start("[PRINTERSETUP]\nLEFTMARGIN=1.00\nLEFTMARGININCH=Yes\n");
  DPrinter page;
  page.ShowPage(true);
  for (const char* typed : {"wide", "in", "", "nan", "inf", "-", ".in"}) {
    LeftMargin(page).UserEdit(typed);
    page.SaveValues();
    EXPECT_EQ(Stored("LEFTMARGIN"), "1.00") << typed;
    EXPECT_EQ(Stored("LEFTMARGININCH"), "Yes") << typed;
  }
}

TEST(MarginText, OnlyTheFirstNineteenCharactersCount) {
  EXPECT_FALSE(ParseMargin("                    5", kLeftMargin).has_value());
  std::optional<TypedMargin> margin = ParseMargin("  +12.345 mm         in", kLeftMargin);
  ASSERT_TRUE(margin.has_value());
  EXPECT_DOUBLE_EQ(margin->value, 12.345);
  EXPECT_FALSE(margin->inches);
  EXPECT_FALSE(ParseMargin("2000000", kLeftMargin).has_value());
}

TEST_F(PrinterPage, APaperWidthOutOfRangeIsRepairedWhenLoadedAndATypedOneClamped) {
  configuration.Start("[PRINTERSETUP]\nPAPERWIDTH=500\n");
  DPrinter page;
  page.ShowPage(true);
  auto& width = BoundControl<WSpinValue>(page, kPaperWidth);
  EXPECT_EQ(width.Text(), "300");
  EXPECT_EQ(Stored("PAPERWIDTH"), "300");
  width.UserEdit("500");
  page.SaveValues();
  EXPECT_EQ(Stored("PAPERWIDTH"), "300");
}

TEST_F(PrinterPage, RawAndEndlessPaperDisableHeadersAndEnableTheLastFormFeed) {
  configuration.Start();
  DPrinter page;
  page.ShowPage(true);
  auto enabled = [&page](const Setting& s) { return BoundControl<WControl>(page, s).IsEnabled(); };
  EXPECT_TRUE(enabled(kUseColors));
  EXPECT_FALSE(enabled(kEndlessPaper));
  EXPECT_FALSE(enabled(kPaperHeight));
  EXPECT_TRUE(enabled(kHeadLeft));
  BoundControl<WAutoCheckbox>(page, kRaw).Click();
  EXPECT_FALSE(enabled(kUseColors));
  EXPECT_FALSE(enabled(kPrintFont));
  EXPECT_FALSE(enabled(kPrintHeaderFirst));
  EXPECT_TRUE(enabled(kPaperHeight));
  EXPECT_TRUE(enabled(kSendFormFeed));
  EXPECT_TRUE(enabled(kFormFeedLast));
  BoundControl<WAutoCheckbox>(page, kSendFormFeed).Click();
  EXPECT_FALSE(enabled(kFormFeedLast));
  BoundControl<WAutoCheckbox>(page, kEndlessPaper).Click();
  for (const Setting* s : {&kPrintHeader, &kPrintFooter, &kHeadLeft, &kHeadCenter, &kHeadRight, &kFootLeft,
                           &kFootCenter, &kFootRight, &kPaperHeight, &kSendFormFeed}) {
    EXPECT_FALSE(enabled(*s)) << s->key;
  }
  EXPECT_TRUE(enabled(kFormFeedLast));
  BoundControl<WAutoCheckbox>(page, kEndlessPaper).Click();
  BoundControl<WAutoCheckbox>(page, kPrintFooter).Click();
  EXPECT_TRUE(enabled(kHeadRight));
  EXPECT_FALSE(enabled(kFootRight));
}

TEST_F(PrinterPage, DefaultsThenOkWriteBothFontsAndTheMargins) {
  configuration.Start("[PRINTERSETUP]\nLEFTMARGIN=9.00\nLEFTMARGININCH=Yes\nHEADLEFT=mine\n");
  DPrinter page;
  page.ShowPage(true);
  services.font_answers = {"Liberation Mono,-20,700,1"};
  BoundControl<WFontSample>(page, kPrintMultiColumnFont).Choose();
  page.ResetToDefaults();
  EXPECT_EQ(LeftMargin(page).Text(), "2.00");
  page.SaveValues();
  EXPECT_EQ(Stored("LEFTMARGIN"), "2.00");
  EXPECT_EQ(Stored("LEFTMARGININCH"), "No");
  EXPECT_EQ(Stored("HEADLEFT"), "%F");
  EXPECT_EQ(Stored("FONTHEIGHT"), "-16");
  EXPECT_EQ(Stored("MFONTHEIGHT"), "-13");
  EXPECT_EQ(Stored("MFONTITALIC"), "0");
  EXPECT_EQ(Stored("MFONTQUALITY"), "3");
  EXPECT_EQ(Stored("MFONTFACENAME"), "Courier New");
}

// The multi-column font keeps the chooser's italic: only the editor's is upright.
TEST_F(PrinterPage, TheChosenFontsReachTheRecordOnOkOnly) {
  GPrefiguration& record = configuration.Start();
  DPrinter page;
  page.ShowPage(true);
  std::string before = configuration.MainIniText();
  services.font_answers = {"Liberation Mono,-20,700,1"};
  BoundControl<WFontSample>(page, kPrintMultiColumnFont).Choose();
  page.ShowPage(false);
  EXPECT_EQ(configuration.MainIniText(), before);
  page.SaveValues();
  EXPECT_EQ(record.Global().Values().Font(kPrintMultiColumnFont).face_name, "Liberation Mono");
  EXPECT_EQ(Stored("MFONTITALIC"), "1");
  EXPECT_EQ(Stored("MFONTWEIGHT"), "700");
  EXPECT_EQ(Stored("FONTFACENAME"), "Courier New");
}

}  // namespace
}  // namespace prefig
