// The controls that ask a chooser (colour, font) and the slider, swatch row
// and picture models.
#include <gtest/gtest.h>

#include "controls/color_indicator.h"
#include "controls/font_sample.h"
#include "controls/picture.h"
#include "controls/slider.h"
#include "controls/swatch_row.h"
#include "pages/scripted_services.h"
#include "schema/editor.h"
#include "schema/printer.h"
#include "support/message_table.h"

namespace prefig {
namespace {

struct EditedOwner : ControlOwner {
  std::vector<WControl*> edited;
  virtual ~EditedOwner() = default;
  void AddControl(WControl&) override {}
  void ControlEdited(WControl& control) override { edited.push_back(&control); }
  void HelpRequested(const HelpRequest&) override {}
};

TEST(StoredColour, RedIsTheLowByteAndOpacityOnlyWhereTheSettingHasOne) {
  EXPECT_EQ(FromStoredColour(0xC000F0F0, true), (Rgba{0xF0, 0xF0, 0x00, 0xC0}));
  EXPECT_EQ(FromStoredColour(0xC000F0F0, false), (Rgba{0xF0, 0xF0, 0x00, 0xFF}));
  EXPECT_EQ(ToStoredColour({0x11, 0x22, 0x33, 0x44}, true), 0x44332211u);
  EXPECT_EQ(ToStoredColour({0x11, 0x22, 0x33, 0x44}, false), 0x00332211u);
}

TEST(ColorIndicator, TheChooserSpeaksRgbAndTheSwatchKeepsItsOpacity) {
  ScopedScriptedServices services;
  EditedOwner owner;
  WColorIndicator swatch(&owner, 0);
  swatch.SetColor({0x10, 0x20, 0x30, 0x80});
  services.color_answers = {0xFFAABBCC, std::nullopt};
  EXPECT_TRUE(swatch.Choose());
  ASSERT_EQ(services.color_requests.size(), 1u);
  EXPECT_EQ(services.color_requests[0].color, 0xFF102030u);
  EXPECT_FALSE(services.color_requests[0].with_alpha);
  EXPECT_EQ(swatch.Color(), (Rgba{0xAA, 0xBB, 0xCC, 0x80}));
  EXPECT_FALSE(swatch.Choose());  // cancelled: unchanged, nobody told
  EXPECT_EQ(swatch.Color(), (Rgba{0xAA, 0xBB, 0xCC, 0x80}));
  EXPECT_EQ(owner.edited, (std::vector<WControl*>{&swatch}));
  swatch.Enable(false);
  EXPECT_FALSE(swatch.Choose());
  EXPECT_EQ(services.color_requests.size(), 2u);
}

class FontSample : public ::testing::Test {
 protected:
  FontSample() {
    font.face_name = "Courier New";
    font.height = -16;
    font.weight = 700;
    font.out_precision = 3;
    font.pitch_and_family = 49;
  }
  test::ScopedMessages messages{{{1148, "Sample"}, {1159, "&Font..."}}};
  ScopedScriptedServices services;
  EditedOwner owner;
  FontDescription font;
};

TEST_F(FontSample, ShowsItsSampleFaceAndSize) {
  WFontSample sample(&owner, 0, schema::kEditorFont, {.sample_id = 1148});
  WFontSample fixed(&owner, 1208, schema::kPrintFont, {.sample_text = "G0 X100.0"});
  sample.ApplyTexts();
  fixed.ApplyTexts();
  EXPECT_EQ(sample.Text(), "Sample");
  EXPECT_EQ(fixed.Text(), "G0 X100.0");
  EXPECT_EQ(fixed.Label()->Text(), "#1208");
  EXPECT_EQ(sample.ButtonTooltip(), "Font...");
  sample.SetFont(font);
  EXPECT_EQ(sample.FaceAndSize(), "Courier New, 12 pt");
  font.height = 13;  // a cell height counts the same way
  sample.SetFont(font);
  EXPECT_EQ(sample.FaceAndSize(), "Courier New, 10 pt");
}

TEST_F(FontSample, TheChooserChangesFaceHeightWeightAndItalicOnly) {
  WFontSample sample(&owner, 0, schema::kPrintFont);
  sample.SetFont(font);
  services.font_answers = {"Liberation Sans,-13,400,1"};
  EXPECT_TRUE(sample.Choose());
  ASSERT_EQ(services.font_requests.size(), 1u);
  EXPECT_EQ(services.font_requests[0].face, "Courier New");
  EXPECT_EQ(services.font_requests[0].height, -16);
  EXPECT_EQ(services.font_requests[0].weight, 700);
  FontDescription expected = font;
  expected.face_name = "Liberation Sans";
  expected.height = -13;
  expected.weight = 400;
  expected.italic = 1;
  EXPECT_EQ(sample.Font(), expected);
  EXPECT_EQ(owner.edited, (std::vector<WControl*>{&sample}));
}

TEST_F(FontSample, AnUprightSampleDropsItalicAndBadAnswersAreCancels) {
  WFontSample sample(&owner, 0, schema::kEditorFont, {.upright = true});
  sample.SetFont(font);
  services.font_answers = {"A face, with a comma,-20,900,1", "Arial,big,400,0", "Arial,-12,400", std::nullopt,
                           std::string(40, 'x') + ",-12,5000,0"};
  EXPECT_TRUE(sample.Choose());
  EXPECT_EQ(sample.Font().face_name, "A face, with a comma");
  EXPECT_EQ(sample.Font().italic, 0);
  EXPECT_EQ(sample.Font().weight, 900);
  for (int cancelled = 0; cancelled < 3; ++cancelled) EXPECT_FALSE(sample.Choose());
  EXPECT_EQ(sample.Font().height, -20);
  EXPECT_TRUE(sample.Choose());
  EXPECT_EQ(sample.Font().face_name, std::string(kFaceNameMax, 'x'));
  EXPECT_EQ(sample.Font().weight, 1000);
  EXPECT_EQ(owner.edited.size(), 2u);
}

TEST(Slider, StaysInsideItsRangeAndTellsThePageOfRealMovesOnly) {
  EditedOwner owner;
  WSlider bound(&owner, 1214, schema::kPaperWidth, {.page_step = 32, .tick_interval = 32});
  EXPECT_EQ(bound.Minimum(), 10);
  EXPECT_EQ(bound.Maximum(), 300);
  EXPECT_EQ(bound.Position(), 10);
  EXPECT_EQ(bound.PageStep(), 32);
  bound.UserMove(500);
  EXPECT_EQ(bound.Position(), 300);
  bound.UserMove(300);
  EXPECT_EQ(owner.edited.size(), 1u);
  bound.SetRange(50, 20);  // a maximum below the minimum is raised
  EXPECT_EQ(bound.Maximum(), 50);
  EXPECT_EQ(bound.Position(), 50);
  WSlider plain(&owner, 0, 0, 255, {.page_step = 0});
  EXPECT_EQ(plain.PageStep(), 1);
  plain.SetPosition(-3);
  EXPECT_EQ(plain.Position(), 0);
}

TEST(SwatchRow, OneSwatchIsSelectedOrNone) {
  EditedOwner owner;
  WSwatchRow row(&owner);
  row.SetColors({{255, 0, 0, 255}, {0, 255, 0, 255}, {0, 0, 255, 255}});
  row.UserSelect(2);
  row.UserSelect(2);
  EXPECT_EQ(owner.edited.size(), 1u);
  row.SetColors({{1, 2, 3, 255}});  // the selection is gone with its swatch
  EXPECT_EQ(row.Selected(), -1);
  row.Select(0);
  row.SetColors({{1, 2, 3, 255}, {4, 5, 6, 255}});
  EXPECT_EQ(row.Selected(), 0);
  row.UserSelect(7);
  EXPECT_EQ(row.Selected(), -1);
  EXPECT_EQ(owner.edited.size(), 2u);
}

TEST(Picture, ShowsOneNameByIndex) {
  WPicture picture(nullptr, {"type-0", "type-1"});
  EXPECT_FALSE(picture.IsTabStop());
  EXPECT_EQ(picture.Name(), "type-0");
  picture.Select(1);
  EXPECT_EQ(picture.Name(), "type-1");
  picture.Select(2);
  EXPECT_EQ(picture.Selected(), -1);
  EXPECT_EQ(picture.Name(), "");
  WPicture empty(nullptr, {});
  EXPECT_EQ(empty.Name(), "");
}

}  // namespace
}  // namespace prefig
