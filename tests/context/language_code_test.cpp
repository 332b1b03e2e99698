#include "context/language_code.h"

#include <gtest/gtest.h>

namespace prefig {
namespace {

// Legacy codes become culture names; message files are found by name on a
// file system that tells letter case apart, so every spelling of a code
// comes out as the one file name.
TEST(LanguageCodeTest, CodesBecomeCultureNamesAndOnlyPlainOnesNameAFile) {
  const std::pair<const char*, const char*> cases[] = {
      {"us", "en-US"},
      {"DE", "de-DE"},
      {"po", "pt-BR"},
      {"tc", "zh-CHT"},
      {"Cz", "cs-CZ"},
      {"EN-us", "en-US"},
      {"de-de", "de-DE"},
      {"ZH-cht", "zh-CHT"},
      {"SR-LATN-rs", "sr-Latn-RS"},
      {"es-419", "es-419"},
      {"pt_br", "pt_BR"},
      {"xx", "xx"},
      {"", ""},
  };
  for (auto [code, expected] : cases) EXPECT_EQ(NormalizeLanguageCode(code), expected) << code;
  // Only plain codes may name a file.
  EXPECT_TRUE(IsUsableLanguageCode("en-US"));
  EXPECT_FALSE(IsUsableLanguageCode(""));
  EXPECT_FALSE(IsUsableLanguageCode("../../etc"));
  EXPECT_FALSE(IsUsableLanguageCode("de-DE-xxxxx"));  // 11 characters
}

}  // namespace
}  // namespace prefig
