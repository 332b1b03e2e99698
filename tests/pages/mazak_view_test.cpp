// The Mazatrol view page driven as a user would, with what reaches sections
// SYSTEM and MAZAKVIEW checked.
#include "pages/global/mazak_view.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "context/message_file.h"
#include "record/prefiguration.h"

#include "support/test_configuration.h"
#include "support/test_page.h"

namespace prefig {
namespace {

using namespace schema;
using test::BoundControl;

class MazakViewPage : public ::testing::Test {
 protected:
  test::TestConfiguration configuration;

  std::string Stored(const char* section, const char* key) {
    return test::StoredValue(configuration.MainIniPath(), section, key);
  }
};

TEST_F(MazakViewPage, LanguageNumbersBeyondTheListAreTheLastEntryWrittenAs100) {
  for (auto [stored, written] : {std::pair{"250", "100"}, {"100", "100"}, {"50", "100"}, {"3", "3"}, {"0", "0"}}) {
    configuration.Start(std::string("[SYSTEM]\nMAZAKLANG=") + stored + "\n");
    DSetupMazakView page;
    page.ShowPage(true);
    auto& language = BoundControl<WComboBox>(page, kMazakLang);
    if (std::string(written) == "100") {
      EXPECT_EQ(language.SelectedText(), "Other") << stored;
    }
    page.SaveValues();
    EXPECT_EQ(Stored("SYSTEM", "MAZAKLANG"), written) << stored;
  }
}

TEST_F(MazakViewPage, TheListNamesTheLanguagesAndTheLastOneIs100) {
  configuration.Start("[SYSTEM]\nMAZAKLANG=3\n");
  DSetupMazakView page;
  page.ShowPage(true);
  auto& language = BoundControl<WComboBox>(page, kMazakLang);
  EXPECT_EQ(language.SelectedText(), "French");
  EXPECT_EQ(language.Count(), 7);
  language.UserSelect(6);
  page.SaveValues();
  EXPECT_EQ(Stored("SYSTEM", "MAZAKLANG"), "100");
  language.UserSelect(5);
  page.SaveValues();
  EXPECT_EQ(Stored("SYSTEM", "MAZAKLANG"), "5");
}

TEST_F(MazakViewPage, DefaultsThenOkWriteTheViewersDefaults) {
  configuration.Start("[SYSTEM]\nMAZAKLANG=4\nMAZAKDECIMALS=1\nMAZAKSHOWTPC=No\n");
  DSetupMazakView page;
  page.ShowPage(true);
  std::string before = configuration.MainIniText();
  configuration.services.font_answers = {"Liberation Sans,-20,400,1"};
  BoundControl<WFontSample>(page, kMazakViewFont).Choose();
  page.ResetToDefaults();
  EXPECT_EQ(configuration.MainIniText(), before);  // Default touches the controls only
  page.SaveValues();
  EXPECT_EQ(Stored("SYSTEM", "MAZAKLANG"), "0");
  EXPECT_EQ(Stored("SYSTEM", "MAZAKDECIMALS"), "3");
  EXPECT_EQ(Stored("SYSTEM", "MAZAKSHOWTPC"), "Yes");
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTFACENAME"), "Courier New");
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTWEIGHT"), "700");
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTHEIGHT"), "-16");
}

TEST_F(MazakViewPage, TheChosenFontIsNeverItalic) {
  configuration.Start();
  DSetupMazakView page;
  page.ShowPage(true);
  configuration.services.font_answers = {"Liberation Sans,-20,400,1"};
  BoundControl<WFontSample>(page, kMazakViewFont).Choose();
  page.SaveValues();
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTFACENAME"), "Liberation Sans");
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTITALIC"), "0");
}

// The record's code is normalised ("ja-JP"): its Default still takes the
// Japanese face.
TEST_F(MazakViewPage, AJapaneseRecordsDefaultIsTheJapaneseFace) {
  std::filesystem::copy_file(configuration.directory() + "/msg/" + MessageFileName("en-US"),
                             configuration.directory() + "/msg/" + MessageFileName("ja-JP"));
  GPrefiguration& record = configuration.Start("[GLOBAL]\nLANGUAGE=jp\n");
  ASSERT_EQ(record.Language(), "ja-JP");
  DSetupMazakView page;
  page.ShowPage(true);
  page.ResetToDefaults();
  page.SaveValues();
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTFACENAME"), kMazakJapaneseFace);
  EXPECT_EQ(Stored("MAZAKVIEW", "FONTHEIGHT"), "-16");
}

// The stored codes are normalised: "ja-JP" is Japanese as much as "jp".
TEST(JapaneseCodes, AreToldByTheirLanguagePart) {
  for (const char* code : {"ja-JP", "JA-jp", "ja", "jp", "JP", "jp2", "ja_JP"})
    EXPECT_TRUE(IsJapaneseCode(code)) << code;
  for (const char* code : {"en-US", "jav", "", "zh-CN", "j"}) EXPECT_FALSE(IsJapaneseCode(code)) << code;
}

}  // namespace
}  // namespace prefig
