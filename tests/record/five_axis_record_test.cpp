#include "record/five_axis_record.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <random>

#include "record/fixed_number.h"
#include "support/comma_locale.h"

namespace prefig {
namespace {

constexpr std::string_view kDefault =
    "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2"
    "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$0.0000000"
    "$1.0000000$0";

// The default line with field `pos` replaced (positions count from 0).
std::string WithField(size_t pos, std::string_view value) {
  std::string line(kDefault);
  size_t start = 0;
  for (size_t i = 0; i < pos; ++i) start = line.find('$', start) + 1;
  size_t end = line.find('$', start);
  return line.replace(start, end == std::string::npos ? std::string::npos : end - start, value);
}

TEST(FiveAxisRecord, DefaultReadsAsDocumentedAndWritesBackIdentically) {
  auto r = ParseFiveAxisRecord(kDefault);
  ASSERT_TRUE(r);
  EXPECT_EQ(r->name, "DMU-70");
  EXPECT_EQ(r->axis1, (FiveAxisRotary{1, 1, kLetterB, {0, 1, -1}, {0, 0, -155}, 0, 180}));
  EXPECT_EQ(r->axis2, (FiveAxisRotary{1, 1, kLetterC, {0, 0, 1}, {0, 0, 0}, -99999, 99999}));
  EXPECT_EQ(r->tool, (FiveAxisVector{0, 0, 1}));
  EXPECT_FALSE(r->reserved2);
  EXPECT_EQ(FormatFiveAxisRecord(*r), kDefault);
  EXPECT_EQ(FiveAxisIdentity(*r), 0xEC14FB31u);
  EXPECT_EQ(DefaultFiveAxisRecord(), *r);
  // The identity is an uninverted CRC started from ABADBABE.
  EXPECT_EQ(FiveAxisCrc(""), 0xABADBABEu);
  EXPECT_EQ(FiveAxisCrc("123456789"), 0xBFCAAF6Bu);
}

TEST(FiveAxisRecord, ReadsCommasWhiteSpaceAndAnOptionalLastField) {
  auto r = ParseFiveAxisRecord(WithField(1, "  Mill 1\t ") + "$-7");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->name, "Mill 1");
  EXPECT_EQ(r->reserved2, -7);
  r = ParseFiveAxisRecord(WithField(10, " -155,25"));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->axis1.offset[2], -155.25);
  for (std::string_view number : {"5.", ".5", "+3", "  7.25  "}) {
    EXPECT_TRUE(ParseFiveAxisRecord(WithField(11, number))) << number;
  }
}

TEST(FiveAxisRecord, RejectsLinesThatAreNoRecord) {
  std::string d(kDefault);
  EXPECT_TRUE(ParseFiveAxisRecord(d + "$0"));
  EXPECT_FALSE(ParseFiveAxisRecord(d.substr(0, d.rfind('$'))));  // 26 fields after the tag
  EXPECT_FALSE(ParseFiveAxisRecord(d + "$0$0"));                 // 29
  EXPECT_FALSE(ParseFiveAxisRecord(" " + d));
  EXPECT_FALSE(ParseFiveAxisRecord(WithField(0, "2")));
  for (std::string_view number : {"", "-", "1.2.3", "1e5", "nan", "0x10", "5 5", "1000000000.5"}) {
    EXPECT_FALSE(ParseFiveAxisRecord(WithField(6, number))) << number;
  }
  EXPECT_TRUE(ParseFiveAxisRecord(WithField(6, "1000000000")));
  EXPECT_FALSE(ParseFiveAxisRecord(WithField(4, "3")));     // letter
  EXPECT_FALSE(ParseFiveAxisRecord(WithField(2, "2")));     // used
  EXPECT_FALSE(ParseFiveAxisRecord(WithField(14, "1.0")));  // table
  EXPECT_FALSE(ParseFiveAxisRecord(WithField(27, "99999999999")));
}

TEST(FiveAxisRecord, LongNamesAreCutWithoutSplittingACharacter) {
  auto r = ParseFiveAxisRecord(WithField(1, std::string(500, 'n')));
  ASSERT_TRUE(r);
  EXPECT_EQ(r->name, std::string(127, 'n'));
  std::string accented = std::string(126, 'a') + "\xC3\xA9";  // 128 bytes, "é" at the cut
  EXPECT_EQ(ParseFiveAxisRecord(WithField(1, accented))->name, std::string(126, 'a'));
  // A cut that leaves a space at the end is trimmed as any name is.
  EXPECT_EQ(ParseFiveAxisRecord(WithField(1, std::string(126, 'b') + "  more"))->name, std::string(126, 'b'));
}

TEST(FiveAxisRecord, NamesAreWrittenSoThatTheLineStaysOneRecord) {
  FiveAxisRecord r = DefaultFiveAxisRecord();
  r.name = "A$B, line\r\nbreak";
  r.reserved2 = 0;
  r.axis1.offset = {0.5, -0.00000004, 1234.56789015};
  EXPECT_EQ(FormatFiveAxisRecord(r),
            "1$A:B, line  break$1$1$1$0.0000000$1.0000000$-1.0000000$0.5000000$-0.0000000$1234.5678902$180.0000000"
            "$0.0000000$1$1$2$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000"
            "$0.0000000$0.0000000$1.0000000$0$0");
  auto back = ParseFiveAxisRecord(FormatFiveAxisRecord(r));
  ASSERT_TRUE(back);
  EXPECT_EQ(back->name, "A:B, line  break");
}

TEST(FiveAxisRecord, WrittenLinesReadBackToTheSameLine) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> number(-kFiveAxisNumberMax, kFiveAxisNumberMax);
  std::uniform_real_distribution<double> small(-2, 2);
  std::uniform_int_distribution<int> flag(0, 1), letter(0, 2);
  for (int i = 0; i < 2000; ++i) {
    FiveAxisRecord r;
    r.name = "M" + std::to_string(i);
    for (FiveAxisRotary* axis : {&r.axis1, &r.axis2}) {
      *axis = {flag(random),
               flag(random),
               letter(random),
               {small(random), small(random), small(random)},
               {number(random), small(random), number(random) / 1e6},
               number(random),
               number(random)};
    }
    r.tool = {small(random), 0, 1};
    r.reserved = static_cast<int>(random());
    if (flag(random)) r.reserved2 = -static_cast<int>(random() % 1000);
    std::string line = FormatFiveAxisRecord(r);
    auto back = ParseFiveAxisRecord(line);
    ASSERT_TRUE(back) << line;
    EXPECT_EQ(FormatFiveAxisRecord(*back), line);
    EXPECT_EQ(FiveAxisIdentity(*back), FiveAxisIdentity(r));
  }
}

TEST(FixedNumber, ShortTextsDropTrailingZerosAndTheSeparator) {
  EXPECT_EQ(FixedText(2.5, 0), "2");
  EXPECT_EQ(ShortNumberText(120, 4), "120");
  EXPECT_EQ(ShortNumberText(100 / 25.4, 5), "3.93701");
  EXPECT_EQ(ShortNumberText(-0.000001, 5), "0");
}

TEST(FiveAxisRecord, WritesAndReadsPointsUnderACommaLocale) {
  auto run = test::RunUnderCommaLocale([] {
    int failures = 0;
    auto check = [&](bool ok, const char* what) {
      if (!ok) std::fprintf(stderr, "under the comma locale: %s\n", what);
      failures += ok ? 0 : 1;
    };
    auto r = ParseFiveAxisRecord(WithField(8, "0.25"));
    check(r && r->axis1.offset[0] == 0.25, "reading 0.25");
    auto c = ParseFiveAxisRecord(WithField(8, "0,25"));
    check(c && c->axis1.offset[0] == 0.25, "reading 0,25");
    check(FormatFiveAxisRecord(*ParseFiveAxisRecord(kDefault)) == kDefault, "writing the default record");
    check(r && FormatFiveAxisRecord(*r).find("$0.2500000$") != std::string::npos, "writing 0.25");
    check(ShortNumberText(0.5, 4) == "0.5", "a short number text");
    return failures;
  });
  if (run == test::CommaLocaleRun::kUnavailable) GTEST_SKIP() << "no locale with a decimal comma could be made here";
  EXPECT_EQ(run, test::CommaLocaleRun::kPassed) << "failed checks (listed on standard error)";
}

}  // namespace
}  // namespace prefig
