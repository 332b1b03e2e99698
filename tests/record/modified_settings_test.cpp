// What a configuration changed from the defaults, in schema order.
#include "record/modified_settings.h"

#include <gtest/gtest.h>

#include "schema/editor.h"
#include "schema/general.h"
#include "support/test_configuration.h"

namespace prefig {
namespace {

using namespace schema;

std::string Lines(const std::vector<ModifiedSetting>& settings) {
  std::string text;
  for (const ModifiedSetting& s : settings) text += s.key + "\t" + s.value + "\t" + s.default_value + "\n";
  return text;
}

TEST(ModifiedSettings, ListsWhatDiffersFromThePagesDefaultInSchemaOrder) {
  test::TestConfiguration configuration;
  GPrefiguration& record = configuration.Start();
  SettingValues& values = record.Global().Values();
  const LoadContext context = record.SettingsContext();
  EXPECT_EQ(Lines(ModifiedSettings(values, context)), "");  // a first start holds the defaults

  values.SetInt(kShowSize, 2);
  values.SetInt(kTabChars, 4);
  values.SetBool(kWarningBeep, false);
  values.SetDouble(kDefaultWinSize, 0.5);
  FontDescription font = values.Font(kEditorFont);
  font.height = -20;
  values.SetValue(kEditorFont, font);
  values.SetText(kLanguage, "de-DE");      // Default leaves it: the loader's default (the language running) counts
  values.SetText(kLastLanguage, "de-DE");  // kept by the editor itself: no setting of a page
  EXPECT_EQ(Lines(ModifiedSettings(values, context)),
            "SYSTEM/WARNINGBEEP\tNo\tYes\n"
            "SYSTEM/SHOWSIZE\t2\t0\n"
            "SYSTEM/TABCHARS\t4\t8\n"
            "INSPECT/DEFAULTWINSIZE\t0.500000\t0.660000\n"
            "GLOBAL/LANGUAGE\tde-DE\ten-US\n"
            "EDITOR/FONT\t" +
                FormatValue(kEditorFont, font) + "\t" +
                FormatValue(kEditorFont, ParseValue(kEditorFont, kEditorFont.loader)) + "\n");
}

}  // namespace
}  // namespace prefig
