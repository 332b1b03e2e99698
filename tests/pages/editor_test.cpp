// The Editor page driven as a user would, with what reaches section EDITOR
// of the main INI file checked.
#include "pages/global/editor.h"

#include <gtest/gtest.h>

#include "record/prefiguration.h"
#include "schema/editor.h"
#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class EditorPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  DEditor page;

  std::string Stored(const char* key) { return test::StoredValue(configuration.MainIniPath(), "EDITOR", key); }
  WFontSample& Font() { return BoundControl<WFontSample>(page, kEditorFont); }
};

TEST_F(EditorPage, DefaultsThenOkWriteTheDefaultFontAndBoxes) {
  record.Global().Values().SetBool(kKbdAccel, false);
  record.Global().Values().SetBool(kHScroll, true);
  services.font_answers = {"Liberation Mono,-30,400,0"};
  page.ShowPage(true);
  Font().Choose();
  page.ResetToDefaults();
  EXPECT_FALSE(record.Global().Values().Bool(kKbdAccel));  // Default touches the controls only
  EXPECT_EQ(Font().Font().face_name, "Courier New");
  record.Host().text_metrics = 1234;
  page.SaveValues();
  EXPECT_EQ(record.Host().text_metrics, 0);
  EXPECT_EQ(Stored("KBDACCEL"), "Yes");
  EXPECT_EQ(Stored("HSCROLL"), "No");
  EXPECT_EQ(Stored("FONTHEIGHT"), "-16");
  EXPECT_EQ(Stored("FONTWIDTH"), "0");
  EXPECT_EQ(Stored("FONTWEIGHT"), "700");
  EXPECT_EQ(Stored("FONTITALIC"), "0");
  EXPECT_EQ(Stored("FONTOUTPREC"), "3");
  EXPECT_EQ(Stored("FONTCLIPPREC"), "2");
  EXPECT_EQ(Stored("FONTQUALITY"), "1");
  EXPECT_EQ(Stored("FONTPITCHFAMILY"), "49");
  EXPECT_EQ(Stored("FONTFACENAME"), "Courier New");
}

TEST_F(EditorPage, TheChosenFontKeepsItsWeightButNeverItsItalic) {
  page.ShowPage(true);
  FontDescription before = Font().Font();
  services.font_answers = {std::nullopt, "DejaVu Sans Mono,-20,700,1"};
  EXPECT_FALSE(Font().Choose());  // cancelled: nothing changes
  EXPECT_EQ(Font().Font(), before);
  EXPECT_TRUE(Font().Choose());
  EXPECT_EQ(record.Global().Values().Font(kEditorFont), before);  // the record waits for OK
  page.SaveValues();
  EXPECT_EQ(Stored("FONTFACENAME"), "DejaVu Sans Mono");
  EXPECT_EQ(Stored("FONTHEIGHT"), "-20");
  EXPECT_EQ(Stored("FONTWEIGHT"), "700");
  EXPECT_EQ(Stored("FONTITALIC"), "0");
  EXPECT_EQ(record.Global().Values().Font(kEditorFont).italic, 0);
}

TEST_F(EditorPage, PadWithTabsFollowsVirtualSpaceAndIsWrittenWhileDisabled) {
  record.Global().Values().SetBool(kVirtual, false);
  record.Global().Values().SetBool(kPadTabs, true);
  page.ShowPage(true);
  auto& pad = BoundControl<WAutoCheckbox>(page, kPadTabs);
  auto& virtual_space = BoundControl<WAutoCheckbox>(page, kVirtual);
  EXPECT_FALSE(pad.IsEnabled());
  virtual_space.Click();
  EXPECT_TRUE(pad.IsEnabled());
  virtual_space.Click();
  EXPECT_FALSE(pad.IsEnabled());
  page.SaveValues();
  EXPECT_EQ(Stored("VIRTUAL"), "No");
  EXPECT_EQ(Stored("PADTABS"), "Yes");
}

// No control shows the bookmark marks: OK and Default keep what the record has.
TEST_F(EditorPage, BookmarkIndicatorsAreWrittenBackUnchanged) {
  record.Global().Values().SetBool(kBookmarkIndicators, false);
  page.ShowPage(true);
  EXPECT_FALSE(BoundControl<WAutoCheckbox>(page, kBookmarkIndicators).IsVisible());
  page.ResetToDefaults();
  page.SaveValues();
  EXPECT_EQ(Stored("BOOKMARKINDICATORS"), "No");
}

TEST_F(EditorPage, DefaultThenCancelLeavesTheFile) {
  std::string before = configuration.MainIniText();
  page.ShowPage(true);
  services.font_answers = {"Liberation Mono,-30,400,0"};
  Font().Choose();
  page.ResetToDefaults();
  page.ShowPage(false);
  EXPECT_EQ(configuration.MainIniText(), before);
}

}  // namespace
}  // namespace prefig
