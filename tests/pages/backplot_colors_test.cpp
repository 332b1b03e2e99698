// The Backplot colours page: the list, the sliders and the swatches, the
// entries derived on the way, and what reaches INSPECTCOLOR.
#include "pages/machine/backplot_colors.h"

#include <gtest/gtest.h>

#include "controls/hls.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

using namespace schema;

constexpr int kRapidRow = 1;
constexpr int kFrameRow = 6;

class BackplotColours : public ::testing::Test {
 protected:
  std::string Stored(const char* key) { return test::StoredValue(configuration.MainIniPath(), "INSPECTCOLOR", key); }

  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  ScriptedServices& services = configuration.services;
  DInspectColors page;
};

TEST(Hls, RoundTripsAndShadesWithinTheirRange) {
  for (Rgba colour : {Rgba{255, 0, 0, 9}, Rgba{63, 63, 216}, Rgba{0, 0, 0}, Rgba{255, 255, 255}, Rgba{24, 149, 24}}) {
    Rgba back = FromHls(ToHls(colour), colour.alpha);
    EXPECT_NEAR(back.red, colour.red, 2);
    EXPECT_NEAR(back.green, colour.green, 2);
    EXPECT_NEAR(back.blue, colour.blue, 2);
    EXPECT_EQ(back.alpha, colour.alpha);
  }
  EXPECT_EQ(ToHls({255, 0, 0}), (Hls{0, 128, 255}));
  EXPECT_EQ(RaisedBy(55, 20), 95);
  EXPECT_EQ(LoweredTo(200, 90), 180);
  EXPECT_EQ(FromHls({300, -4, 0}, 255), (Rgba{0, 0, 0, 255}));  // out of range is clamped
}

TEST_F(BackplotColours, TheBackgroundRowShowsNoGradientInsteadOfTheOpacity) {
  page.ShowPage(true);
  ASSERT_EQ(page.List().Count(), 11);
  EXPECT_EQ(page.List().Selected(), 0);
  EXPECT_TRUE(page.NoGradient().IsVisible());
  EXPECT_FALSE(page.Opacity().IsVisible());
  page.List().UserSelect(kRapidRow);
  EXPECT_FALSE(page.NoGradient().IsVisible());
  EXPECT_TRUE(page.Opacity().IsVisible());
  EXPECT_TRUE(page.Opacity().IsEnabled());
  EXPECT_EQ(page.Opacity().Position(), 0xC0);  // toolpath rapid 0xC000F0F0
  EXPECT_EQ(page.Red().Position(), 0xF0);
  EXPECT_EQ(page.Blue().Position(), 0);
}

TEST_F(BackplotColours, ASliderMoveChangesTheSwatchPreviewAndStoredColour) {
  page.ShowPage(true);
  page.List().UserSelect(kRapidRow);
  for (WSlider* s : {&page.Red(), &page.Green(), &page.Blue(), &page.Opacity()}) s->UserMove(255);
  EXPECT_EQ(page.List().Swatches()[kRapidRow], (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(page.Preview().Color(), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(Stored("COL024"), "3221287152");  // nothing written before OK
  page.SaveValues();
  EXPECT_EQ(Stored("COL024"), "4294967295");
}

TEST_F(BackplotColours, LightnessKeepsHueSaturationAndOpacity) {
  page.ShowPage(true);
  page.List().UserSelect(kRapidRow);
  page.Red().UserMove(255);
  page.Green().UserMove(0);
  page.Blue().UserMove(0);
  page.Lightness().UserMove(200);
  EXPECT_EQ(page.Red().Position(), 255);
  EXPECT_GT(page.Green().Position(), 100);
  EXPECT_EQ(page.Green().Position(), page.Blue().Position());
  EXPECT_EQ(page.Opacity().Position(), 0xC0);
  EXPECT_EQ(page.Lightness().Position(), 200);
  EXPECT_EQ(page.Colour(kColToolpathRapid).alpha, 0xC0);
}

TEST_F(BackplotColours, DerivedEntriesFollowTheirSourcesOnSave) {
  page.ShowPage(true);
  page.NoGradient().Click();
  page.List().UserSelect(kFrameRow);
  page.Red().UserMove(16);
  page.SaveValues();
  const std::string upper_left = Stored("COL002");
  for (const char* corner : {"COL001", "COL003", "COL004"}) EXPECT_EQ(Stored(corner), upper_left) << corner;
  EXPECT_EQ(Stored("NOGRADIENT"), "Yes");
  uint32_t frame = std::stoul(Stored("COL053"));
  EXPECT_EQ(frame & 0xFF, 16u);
  EXPECT_EQ(std::stoul(Stored("COL054")), (frame & 0xFFFFFF) | 0x26000000u);
  EXPECT_EQ(std::stoul(Stored("COL055")), (frame & 0xFFFFFF) | 0xBF000000u);
  EXPECT_EQ(Stored("COL025"), Stored("COL029"));  // toolpath cutting takes linear

  page.NoGradient().Click();
  page.SaveValues();
  // Lighter towards the bottom, darker to the right, and as opaque.
  Rgba upper = FromStoredColour(std::stoul(Stored("COL002")), true);
  Rgba lower_left = FromStoredColour(std::stoul(Stored("COL001")), true);
  Rgba upper_right = FromStoredColour(std::stoul(Stored("COL004")), true);
  EXPECT_GT(ToHls(lower_left).lightness, ToHls(upper).lightness + 20);
  EXPECT_LT(ToHls(upper_right).lightness, ToHls(upper).lightness);
  EXPECT_EQ(lower_left.alpha, upper.alpha);
  EXPECT_NEAR(ToHls(lower_left).hue, ToHls(upper).hue, 2);
}

// Default touches the controls only: the file keeps its colours until OK.
TEST_F(BackplotColours, DefaultsWaitForOk) {
  page.ShowPage(true);
  page.List().UserSelect(kRapidRow);
  page.Red().UserMove(1);
  page.SaveValues();
  std::string saved = configuration.MainIniText();
  Rgba main_background = page.Colour(kColMainBackground);
  page.ResetToDefaults();
  EXPECT_EQ(page.List().Selected(), 0);
  EXPECT_EQ(page.Colour(kColMainBackground), main_background);  // not listed, not derived: left as it is
  EXPECT_EQ(page.Colour(kColToolpathRapid), (Rgba{0xF0, 0xF0, 0, 0xC0}));
  EXPECT_EQ(configuration.MainIniText(), saved);
  page.List().UserSelect(kRapidRow);
  page.Red().UserMove(2);
  page.DefaultButton().Click();
  EXPECT_EQ(page.Red().Position(), 0xF0);
}

}  // namespace
}  // namespace prefig
