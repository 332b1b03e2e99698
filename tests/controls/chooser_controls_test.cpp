// The controls that ask a chooser (colour, font), and the slider and swatch
// row: what reaches the model and when the page hears of it.
#include <gtest/gtest.h>

#include "controls/color_indicator.h"
#include "controls/font_sample.h"
#include "controls/slider.h"
#include "controls/swatch_row.h"
#include "pages/scripted_services.h"
#include "schema/editor.h"
#include "schema/printer.h"

namespace prefig {
namespace {

struct EditedOwner : ControlOwner {
  int edits = 0;
  virtual ~EditedOwner() = default;
  void AddControl(WControl&) override {}
  void ControlEdited(WControl&) override { ++edits; }
  void HelpRequested(const HelpRequest&) override {}
};

TEST(ColorIndicator, TheChooserSpeaksRgbAndTheSwatchKeepsItsOpacity) {
  ScopedScriptedServices services;
  EditedOwner owner;
  WColorIndicator swatch(&owner, 0);
  swatch.SetColor({0x10, 0x20, 0x30, 0x80});
  services.color_answers = {0xFFAABBCC, std::nullopt};
  EXPECT_TRUE(swatch.Choose());
  EXPECT_EQ(services.color_requests.at(0).color, 0xFF102030u);
  EXPECT_EQ(swatch.Color(), (Rgba{0xAA, 0xBB, 0xCC, 0x80}));
  EXPECT_FALSE(swatch.Choose());  // cancelled: unchanged, nobody told
  EXPECT_EQ(swatch.Color(), (Rgba{0xAA, 0xBB, 0xCC, 0x80}));
  EXPECT_EQ(owner.edits, 1);
}

TEST(FontSample, AnUprightSampleDropsItalicAndBadAnswersAreCancels) {
  ScopedScriptedServices services;
  WFontSample sample(nullptr, 0, schema::kEditorFont, {.upright = true});
  services.font_answers = {"A face, with a comma,-20,900,1", "Arial,big,400,0", "Arial,-12,400",
                           std::string(40, 'x') + ",-12,5000,0"};
  EXPECT_TRUE(sample.Choose());
  EXPECT_EQ(sample.Font().face_name, "A face, with a comma");
  EXPECT_EQ(sample.Font().italic, 0);
  EXPECT_FALSE(sample.Choose());
  EXPECT_FALSE(sample.Choose());
  EXPECT_EQ(sample.Font().height, -20);
  EXPECT_TRUE(sample.Choose());
  EXPECT_EQ(sample.Font().face_name, std::string(kFaceNameMax, 'x'));
  EXPECT_EQ(sample.Font().weight, 1000);
}

TEST(Slider, StaysInsideTheSettingsRangeAndTellsOfRealMovesOnly) {
  EditedOwner owner;
  WSlider slider(&owner, 0, schema::kPaperWidth, {.page_step = 32});
  EXPECT_EQ(slider.Position(), 10);
  slider.UserMove(500);
  slider.UserMove(300);
  EXPECT_EQ(slider.Position(), 300);
  EXPECT_EQ(owner.edits, 1);
  slider.SetRange(50, 20);  // a maximum below the minimum is raised
  EXPECT_EQ(slider.Position(), 50);
}

TEST(SwatchRow, TheSelectionGoesWithItsSwatch) {
  EditedOwner owner;
  WSwatchRow row(&owner);
  row.SetColors({{255, 0, 0, 255}, {0, 255, 0, 255}});
  row.UserSelect(1);
  row.UserSelect(1);
  EXPECT_EQ(owner.edits, 1);
  row.SetColors({{1, 2, 3, 255}});
  EXPECT_EQ(row.Selected(), -1);
  row.UserSelect(7);
  EXPECT_EQ(row.Selected(), -1);
}

}  // namespace
}  // namespace prefig
