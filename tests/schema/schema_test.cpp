// The settings schema: the golden dump of every declaration, and the rules
// that every declaration must keep.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "ini/ini_text.h"
#include "record/setting_values.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;

const std::string kGoldenPath = std::string(PREFIG_SOURCE_DIR) + "/tests/schema/data/schema_golden.txt";

TEST(SchemaTest, DumpMatchesTheGoldenFile) {
  std::string golden = test::ReadFile(kGoldenPath);
  std::string dump = DumpSchema();
  if (dump != golden && std::getenv("PREFIG_UPDATE_GOLDEN")) {
    test::WriteFile(kGoldenPath, dump);
    GTEST_SKIP() << "golden file rewritten";
  }
  EXPECT_EQ(dump, golden) << "a declaration changed; review the difference and run the test with "
                             "PREFIG_UPDATE_GOLDEN=1 to accept it";
}

size_t CountDeclarations() {
  // At the start of a line: the declaration types' header shows one in a comment.
  std::regex declaration(R"((?:^|\n)inline constexpr Setting k\w+\{)");
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(PREFIG_SOURCE_DIR) + "/src/schema")) {
    std::string text = test::ReadFile(entry.path().string());
    count += std::distance(std::sregex_iterator(text.begin(), text.end(), declaration), std::sregex_iterator());
  }
  return count;
}

std::set<const Setting*> EveryDeclaration() {
  std::set<const Setting*> all;
  for (Scope scope : {kMain, kType, kDnc}) all.insert(SettingsOf(scope).begin(), SettingsOf(scope).end());
  return all;
}

TEST(SchemaTest, EveryDeclarationIsInATable) { EXPECT_EQ(EveryDeclaration().size(), CountDeclarations()); }

TEST(SchemaTest, NoTwoDeclarationsNameTheSameKeyOfAFile) {
  for (Scope scope : {kMain, kType, kDnc}) {
    std::set<std::string> keys;
    for (const Setting* s : SettingsOf(scope)) {
      std::vector<std::string> names;
      if (s->kind == kFont) {
        for (const char* field : kFontFieldNames) names.push_back(FontKeyName(*s, field));
      } else {
        for (int member = 0; member < s->count; ++member) names.push_back(KeyName(*s, member));
      }
      for (const std::string& name : names) {
        EXPECT_TRUE(keys.insert(ini::UpperCase(std::string(s->section) + "/" + name)).second)
            << s->section << "/" << name;
      }
    }
  }
}

// Every default text, for every basic type, locale and member, must be a
// value of its kind within its limits: a typo here would be written into
// every new file.
void ExpectUsableDefault(const Setting& s, const char* text) {
  SCOPED_TRACE(std::string(s.section) + "/" + s.key + " default \"" + text + "\"");
  std::string_view value = text;
  switch (s.kind) {
    case kText:
    case kHexText: EXPECT_LE(value.size(), static_cast<size_t>(s.length)); break;
    case kChar: EXPECT_LE(value.size(), 1u); break;
    case kInteger:
      EXPECT_TRUE(std::regex_match(text, std::regex("-?[0-9]+")));
      EXPECT_GE(ini::DecodeInt(value), s.min);
      EXPECT_LE(ini::DecodeInt(value), s.max);
      break;
    case kDouble:
      EXPECT_TRUE(std::regex_match(text, std::regex("-?[0-9]+\\.[0-9]{" + std::to_string(s.decimals) + "}")));
      EXPECT_GE(ini::DecodeDouble(value), s.min);
      EXPECT_LE(ini::DecodeDouble(value), s.max);
      break;
    case kYesNo:
      if (s.yes_no == kOneZero) {
        EXPECT_TRUE(value == "1" || value == "0");
      } else {
        EXPECT_TRUE(value == "Yes" || value == "No");
      }
      break;
    case kColour:
      EXPECT_TRUE(std::regex_match(text, std::regex("0x[0-9A-F]{6}|0x[0-9A-F]{8}")));
      EXPECT_LE(std::get<uint32_t>(ParseValue(s, value)), s.max);
      break;
    case kCommaList: EXPECT_FALSE(std::get<std::vector<std::string>>(ParseValue(s, value)).empty()); break;
    case kFont: {
      FontDescription font;
      EXPECT_TRUE(ParseFont(value, font));
      break;
    }
  }
}

TEST(SchemaTest, EveryDefaultIsAValueOfItsKindWithinItsLimits) {
  for (const Setting* s : EveryDeclaration()) {
    EXPECT_TRUE(s->kind != kInteger || (s->min <= s->max)) << s->key;
    EXPECT_TRUE((s->count > 1) == (std::string_view(s->key).find('%') != std::string_view::npos)) << s->key;
    for (int type = 0; type < kBasicTypeCount; ++type) {
      for (bool imperial : {false, true}) {
        for (int member = 0; member < s->count; ++member) {
          ExpectUsableDefault(*s, LoaderDefault(*s, type, imperial, member));
          const char* page = PageDefault(*s, type, imperial, member);
          if (page != kLeftUnchanged && page != kSetByPage) ExpectUsableDefault(*s, page);
        }
      }
    }
  }
}

}  // namespace
}  // namespace prefig
