// The stored font record as a screen font and back: sizes at the screen's
// resolution, the metric-compatible faces, and what fontconfig makes of them.
#include "ui/font_mapping.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>

#include "ui/qt_font.h"

namespace prefig {
namespace {

FontDescription Font(const char* face, int height, int weight = 0) {
  FontDescription font;
  font.face_name = face;
  font.height = height;
  font.weight = weight;
  font.pitch_and_family = 49;
  return font;
}

TEST(FontMapping, HeightsAreLogicalPixelsScaledToTheScreen) {
  EXPECT_EQ(ui::ToScreenFont(Font("Courier New", -16), 96).pixel_size, 16);
  EXPECT_EQ(ui::ToScreenFont(Font("Courier New", -16), 192).pixel_size, 32);
  ui::ScreenFont cell = ui::ToScreenFont(Font("Courier New", 20), 144);
  EXPECT_EQ(cell.pixel_size, 30);
  EXPECT_TRUE(cell.cell_height);
  EXPECT_EQ(cell.weight, 400);  // 0: the normal weight
  EXPECT_EQ(ui::ToScreenFont(Font("Courier New", INT32_MIN), 96).pixel_size, 10000);
  EXPECT_EQ(ui::LogicalHeight(32, 192), -16);
  EXPECT_EQ(ui::LogicalHeight(12, 0), 0);
}

TEST(FontMapping, OriginalFacesShowInTheirMetricTwinsAndComeBackUnchanged) {
  EXPECT_EQ(ui::ScreenFamily("Courier New"), "Liberation Mono");
  EXPECT_EQ(ui::ScreenFamily("courier new"), "Liberation Mono");
  EXPECT_EQ(ui::ScreenFamily("Arial"), "Liberation Sans");
  EXPECT_EQ(ui::ScreenFamily("MS UI Gothic"), "MS UI Gothic");
  EXPECT_EQ(ui::StoredFace("Liberation Mono", "Courier New"), "Courier New");
  EXPECT_EQ(ui::StoredFace("DejaVu Sans Mono", "Courier New"), "DejaVu Sans Mono");
}

TEST(FontMapping, FontconfigFindsTheTwinAndAFallbackForAMissingFace) {
  QFont courier = ui::ToQFont(Font("Courier New", -16, 700), 96);
  EXPECT_EQ(QFontInfo(courier).family(), "Liberation Mono");
  EXPECT_EQ(QFontInfo(courier).pixelSize(), 16);
  EXPECT_TRUE(QFontInfo(courier).bold());
  QFont missing = ui::ToQFont(Font("No Such Face 7", -16), 96);
  EXPECT_FALSE(QFontInfo(missing).family().isEmpty());
  EXPECT_TRUE(QFontInfo(missing).fixedPitch());  // the record asks for a fixed pitch
  QFont cell = ui::ToQFont(Font("Courier New", 30), 96);
  EXPECT_NEAR(QFontMetricsF(cell).height(), 30, 1.5);
}

}  // namespace
}  // namespace prefig
