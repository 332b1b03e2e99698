// The text face of the newer control kinds: family members and fonts named
// by their keys, values on one line, edits and clicks as a script makes them.
#include "pages/page_text.h"

#include <gtest/gtest.h>

#include "controls/edit.h"
#include "controls/font_sample.h"
#include "controls/picture.h"
#include "controls/slider.h"
#include "controls/swatch_row.h"
#include "pages/config_base.h"
#include "pages/scripted_services.h"
#include "schema/editor.h"
#include "schema/external_commands.h"

namespace prefig {
namespace {

class KindsPage : public WPrefigBase {
 public:
  KindsPage() : WPrefigBase(900) {
    FontDescription courier;
    courier.face_name = "Courier New";
    courier.height = -16;
    courier.weight = 700;
    font.SetFont(courier);
    swatches.SetColors({{255, 0, 0, 255}, {0, 0, 255, 255}});
    swatches.Select(1);
  }
  WEdit second_title{this, 901, Member(schema::kExtTitle, 1)};
  WFontSample font{this, 902, schema::kEditorFont};
  WSlider red{this, 903, 0, 255};
  WSwatchRow swatches{this, 904};
  WPicture picture{this, {"type-0"}};
};

TEST(PageText, NewerKindsAreNamedShownEditedAndClicked) {
  ScopedScriptedServices services;
  KindsPage page;
  EXPECT_EQ(page_text::Format(page_text::Describe(page)),
            "EXTCMD/TITLE01\tedit\t\tenabled\n"
            "EDITOR/FONT\tfont\tCourier New,-16,700,0\tenabled\n"
            "#903\tslider\t0\tenabled\n"
            "#904\tswatches\t#FF0000 [#0000FF]\tenabled\n"
            "#0\tpicture\ttype-0\tenabled\n");
  std::vector<page_text::ControlLine> lines = page_text::Describe(page);
  EXPECT_EQ(page_text::Find(lines, "TITLE01", nullptr), &page.second_title);
  EXPECT_EQ(page_text::Find(lines, "FONT", nullptr), &page.font);

  std::string error;
  EXPECT_TRUE(page_text::Edit(page.red, "200", &error));
  EXPECT_EQ(page.red.Position(), 200);
  EXPECT_FALSE(page_text::Edit(page.red, "256", &error));
  EXPECT_EQ(error, "expects a whole number from 0 to 255");
  EXPECT_TRUE(page_text::Edit(page.swatches, "0", &error));
  EXPECT_EQ(page.swatches.Selected(), 0);
  EXPECT_FALSE(page_text::Edit(page.swatches, "2", &error));
  EXPECT_FALSE(page_text::Edit(page.font, "Arial,-12,400,0", &error));
  EXPECT_EQ(error, "is chosen with its button: use --click and --answer");
  services.font_answers = {"Liberation Serif,-12,400,0"};
  EXPECT_TRUE(page_text::Click(page.font, &error));
  EXPECT_EQ(page.font.Font().face_name, "Liberation Serif");
  EXPECT_FALSE(page_text::Click(page.picture, &error));
}

// A line break would be shown until OK, then lost by the file.
TEST(PageText, AFieldTakesNoLineBreak) {
  ScopedScriptedServices services;
  KindsPage page;
  std::string error;
  for (const char* value : {"a\rb", "a\nb", "a\r\nb"}) {
    EXPECT_FALSE(page_text::Edit(page.second_title, value, &error)) << value;
    EXPECT_EQ(error, "takes no line break");
  }
  EXPECT_EQ(page.second_title.Value(), "");
  EXPECT_TRUE(page_text::Edit(page.second_title, "a\tb", &error)) << error;
}

}  // namespace
}  // namespace prefig
