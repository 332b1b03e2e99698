#include "context/language_code.h"

#include <gtest/gtest.h>

namespace prefig {
namespace {

TEST(LanguageCodeTest, LegacyCodesBecomeCultureNames) {
  EXPECT_EQ(NormalizeLanguageCode("us"), "en-US");
  EXPECT_EQ(NormalizeLanguageCode("DE"), "de-DE");
  EXPECT_EQ(NormalizeLanguageCode("po"), "pt-BR");
  EXPECT_EQ(NormalizeLanguageCode("tc"), "zh-CHT");
  EXPECT_EQ(NormalizeLanguageCode("Cz"), "cs-CZ");
}

// Message files are found by name on a file system that tells letter case
// apart, so every spelling of a code comes out as the one file name.
TEST(LanguageCodeTest, OtherCodesTakeTheCultureNameLetterCase) {
  EXPECT_EQ(NormalizeLanguageCode("EN-us"), "en-US");
  EXPECT_EQ(NormalizeLanguageCode("de-de"), "de-DE");
  EXPECT_EQ(NormalizeLanguageCode("ZH-cht"), "zh-CHT");
  EXPECT_EQ(NormalizeLanguageCode("SR-LATN-rs"), "sr-Latn-RS");
  EXPECT_EQ(NormalizeLanguageCode("es-419"), "es-419");
  EXPECT_EQ(NormalizeLanguageCode("pt_br"), "pt_BR");
  EXPECT_EQ(NormalizeLanguageCode("xx"), "xx");
  EXPECT_EQ(NormalizeLanguageCode(""), "");
}

TEST(LanguageCodeTest, OnlyPlainCodesMayNameAFile) {
  EXPECT_TRUE(IsUsableLanguageCode("en-US"));
  EXPECT_TRUE(IsUsableLanguageCode("zh-CHT"));
  EXPECT_FALSE(IsUsableLanguageCode(""));
  EXPECT_FALSE(IsUsableLanguageCode("../../etc"));
  EXPECT_FALSE(IsUsableLanguageCode("de DE"));
  EXPECT_FALSE(IsUsableLanguageCode("de-DE-xxxxx"));  // 11 characters
}

}  // namespace
}  // namespace prefig
