// The channel parser line by line: the predefined methods, the user's
// entries, comments and block skip, and how numbers become channels.
#include "record/channel_parser.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "record/channel_methods.h"
#include "record/channel_test_field.h"

namespace prefig {
namespace {

GChannelParser Mode(int mode) {
  ChannelSettings settings;
  settings.mode = mode;
  return GChannelParser(settings);
}

ChannelSettings User(const char* start, const char* sync, bool by_channel_numbers = false) {
  ChannelSettings settings;
  settings.start = ParseStoredPattern(start);
  settings.sync = ParseStoredPattern(sync);
  settings.by_channel_numbers = by_channel_numbers;
  return settings;
}

uint32_t Channels(std::initializer_list<int> channels) {
  uint32_t bits = 0;
  for (int channel : channels) bits |= uint32_t{1} << (channel - 1);
  return bits;
}

TEST(ChannelParser, SiemensWaitmGivesNumberAndChannels) {
  GChannelParser siemens = Mode(10);
  ChannelEvaluation e = siemens.Evaluate("N40 WAITM(1,1,2)");
  EXPECT_EQ(e.number, 1);
  EXPECT_EQ(e.result, Channels({1, 2}));
  EXPECT_EQ(SyncResultText(e, siemens.ByChannelNumbers()), "1: 1,2");

  e = siemens.Evaluate("waitm ( 12 , 1 , 3 , 4 )");
  EXPECT_EQ(e.number, 12);
  EXPECT_EQ(e.result, Channels({1, 3, 4}));
  EXPECT_EQ(siemens.Evaluate("WAITM( ,1,2)").number, -1);
  EXPECT_EQ(siemens.Evaluate("WAITMC(1,1,2)").result, 0u);
}

TEST(ChannelParser, IndexTraubNumbersOfNineOrMoreAreOneChannelPerDigit) {
  GChannelParser traub = Mode(1);
  EXPECT_EQ(traub.Evaluate("!12").result, Channels({1, 2}));
  EXPECT_EQ(traub.Evaluate("!9").result, Channels({9}));
  EXPECT_EQ(traub.Evaluate("!1 X5 !4").result, Channels({1, 4}));
  // A channel digit 0 is bit 31, which the display does not list.
  EXPECT_EQ(traub.Evaluate("!10").result, 0x80000001u);
  EXPECT_EQ(SyncResultText(traub.Evaluate("!10"), true), "1");
  EXPECT_TRUE(traub.IsStart("N10 $2"));
  EXPECT_FALSE(traub.IsStart("N10 G0 $2"));
}

TEST(ChannelParser, FanucMCodesGiveTheirNumberPlusOne) {
  GChannelParser fanuc = Mode(2);
  ChannelEvaluation e = fanuc.Evaluate("M310");
  EXPECT_EQ(e.result, 311u);
  EXPECT_EQ(e.number, -1);
  EXPECT_EQ(fanuc.Evaluate("N10 M305 M310").result, 306u);  // the first decides
  EXPECT_EQ(fanuc.Evaluate("M3100 M301").result, 302u);
  EXPECT_EQ(Mode(3).Evaluate("P12345").result, 12346u);
  EXPECT_TRUE(Mode(3).IsStart("N1 G14 X0"));
  EXPECT_FALSE(Mode(3).IsStart("G130"));
}

TEST(ChannelParser, FanucM1xxPByChannelNumbersAndNamedPrograms) {
  GChannelParser fanuc = Mode(4);
  EXPECT_EQ(fanuc.Evaluate("M100 P12").result, Channels({1, 2}));
  EXPECT_EQ(fanuc.Evaluate("M100 P").result, 0u);  // an empty value is no number
  EXPECT_TRUE(fanuc.IsStart("<SHAFT_OP10>"));
  EXPECT_FALSE(fanuc.IsStart("N1 X<5>"));
}

TEST(ChannelParser, EveryMethodsPatternCompilesAndSeesWholeLines) {
  for (int mode = 1; mode <= kChannelMethodCount; ++mode) {
    const ChannelMethod* method = ChannelMethodOf(mode);
    ASSERT_NE(method, nullptr);
    for (const char* text : {method->start, method->sync, method->sync_number}) {
      if (!text) continue;
      GPattern pattern;
      EXPECT_TRUE(pattern.Compile(text, GPattern::Use::kValues)) << mode << ": " << pattern.Error();
      EXPECT_EQ(pattern.MatchedLength(), kMaxMatchedLength) << text;
    }
  }
  EXPECT_EQ(ChannelMethodOf(13), nullptr);
  EXPECT_EQ(ChannelMethodOf(100), nullptr);  // the loader's default
}

TEST(ChannelParser, CommentsHideSynchronisations) {
  ChannelSettings settings;
  settings.mode = 2;
  settings.comment_start = '(';
  settings.comment_end = ')';
  GChannelParser parser(settings);
  EXPECT_EQ(parser.Evaluate("N10 (M301)").result, 0u);
  EXPECT_EQ(parser.Evaluate("N10 (WAIT M301").result, 0u);  // to the end of the line
  EXPECT_EQ(parser.Evaluate("N10 (A) (M301) M302").result, 303u);
  EXPECT_EQ(parser.Evaluate("M301(").result, 302u);  // the match ends where the comment begins

  settings.comment_end = '\0';  // a comment runs to the end of the line
  settings.comment_start = ';';
  EXPECT_EQ(GChannelParser(settings).Evaluate("; M301) M302").result, 0u);
}

// A match inside a comment is passed over and the search goes on: a block
// that opens with a comment keeps the synchronisation after it.
TEST(ChannelParser, MatchesInsideCommentsAreSkippedNotTheEndOfTheSearch) {
  ChannelSettings settings;
  settings.mode = 5;
  settings.comment_start = '(';
  settings.comment_end = ')';
  GChannelParser parser(settings);
  EXPECT_EQ(parser.Evaluate("(M100) M101").result, 102u);  // in a leading comment
  EXPECT_EQ(parser.Evaluate("M101 (M100)").result, 102u);  // in a trailing comment
  EXPECT_EQ(parser.Evaluate("M101 (M100").result, 102u);   // a comment with no end character
  EXPECT_EQ(parser.Evaluate("(M100 M101").result, 0u);     // runs to the end of the line
}

TEST(ChannelParser, BlockSkipDecidesByItsFirstCharacter) {
  ChannelSettings settings;
  settings.mode = 2;
  settings.comment_start = '(';
  settings.comment_end = ')';
  settings.block_skip = "/";
  GChannelParser parser(settings);
  EXPECT_EQ(parser.Evaluate("N10 /M301").result, 0u);
  EXPECT_EQ(parser.Evaluate("N10 (A/B) /M301").result, 302u);  // the first one decides
  settings.block_skip = "/\\";
  EXPECT_EQ(GChannelParser(settings).Evaluate("\\M301").result, 0u);
  // The synchronisation number is read all the same.
  settings = {};
  settings.mode = 10;
  settings.block_skip = "/";
  ChannelEvaluation e = GChannelParser(settings).Evaluate("/WAITM(4,1,2)");
  EXPECT_EQ(e.result, 0u);
  EXPECT_EQ(e.number, 4);
}

TEST(ChannelParser, PredefinedMethodsIgnoreTheUsersEntries) {
  ChannelSettings settings = User("1:X", "1:M", true);
  settings.mode = 2;
  settings.end = ParseStoredPattern("1:M30");
  GChannelParser parser(settings);
  EXPECT_FALSE(parser.ByChannelNumbers());
  EXPECT_EQ(parser.Evaluate("M312").result, 313u);
  EXPECT_FALSE(parser.IsStart("X"));
  EXPECT_FALSE(parser.IsEnd("M30"));
}

TEST(ChannelParser, PlainStartEntryOMatchesProgramNumbers) {
  GChannelParser parser(User("1:O", ""));
  EXPECT_TRUE(parser.IsStart("N10 O1000"));
  EXPECT_TRUE(parser.IsStart("O1000"));
  EXPECT_FALSE(parser.IsStart("O"));
  EXPECT_FALSE(parser.IsStart("G65 P9000 O1000"));
  // No prefix: a plain entry.
  EXPECT_TRUE(GChannelParser(User("O", "")).IsStart("O1000"));
}

TEST(ChannelParser, UserEntriesBecomePatterns) {
  ChannelSettings settings;
  settings.start = {" O , G109,, %", false};
  settings.end = {"M30", false};
  settings.sync = {"M", false};
  settings.sync_number = {"P", false};
  ChannelPatternTexts texts = ChannelPatternsFor(settings);
  EXPECT_EQ(texts.start, "(O)|(G109)|(%)");
  EXPECT_EQ(texts.end, "M30");
  EXPECT_EQ(texts.sync, "M<[0-9]>");
  EXPECT_EQ(texts.sync_number, "P<[0-9]>");

  settings.start = {"^:<[0-9]+>", true};
  settings.sync_number = {"  ", true};
  texts = ChannelPatternsFor(settings);
  EXPECT_EQ(texts.start, "^:<[0-9]+>");
  EXPECT_EQ(texts.sync_number, "");
}

TEST(ChannelParser, NumbersAreReadFromTheValue) {
  // A plain entry reads one digit.
  EXPECT_EQ(GChannelParser(User("", "1:M1")).Evaluate("M15").result, 6u);
  EXPECT_EQ(GChannelParser(User("", "1:!", true)).Evaluate("!1 !2").result, Channels({1, 2}));
  // Without a value group the number follows the match start.
  EXPECT_EQ(GChannelParser(User("", "2:WAIT")).Evaluate("WAIT 7").result, 8u);
  // A match without digits does not decide; the next one does.
  EXPECT_EQ(GChannelParser(User("", "2:M<[0-9]*>")).Evaluate("M M5").result, 6u);
  // Digits after the value are not part of it.
  EXPECT_EQ(GChannelParser(User("", "2:P<[0-9]>")).Evaluate("P123").result, 2u);
  // Huge numbers saturate.
  EXPECT_EQ(GChannelParser(User("", "2:P<[0-9]+>")).Evaluate("P99999999999999999999").result,
            static_cast<uint32_t>(INT_MAX));
  ChannelSettings settings = User("", "2:M<[0-9]+>");
  settings.sync_number = {"#<[0-9]+>", true};
  ChannelEvaluation e = GChannelParser(settings).Evaluate("M5 #17");
  EXPECT_EQ(e.result, 6u);
  EXPECT_EQ(e.number, 17);
}

TEST(ChannelParser, BadOrEmptyPatternsFindNothing) {
  ChannelSettings settings = User("2:O(", "2:M<[0-9]", true);
  settings.sync_number = {"2:", true};
  GChannelParser parser(settings);
  EXPECT_EQ(parser.Error(GChannelParser::Part::kStart), "Unmatched ( or \\(");
  EXPECT_EQ(parser.Error(GChannelParser::Part::kSync), "Unmatched < or >");
  EXPECT_EQ(parser.Error(GChannelParser::Part::kSyncNumber), "");  // not given
  EXPECT_EQ(parser.Error(GChannelParser::Part::kEnd), "");
  EXPECT_EQ(parser.Evaluate("M1").result, 0u);

  // An empty synchronisation entry is no synchronisation, not every digit.
  EXPECT_EQ(GChannelParser(User("1:O", "1:")).Evaluate("N10 G1 X5").result, 0u);
  EXPECT_FALSE(GChannelParser(User("1:", "")).IsStart("N10"));
  // Patterns that match empty text end; every empty match reads the number after it.
  EXPECT_EQ(GChannelParser(User("", "2:<[0-9]*>", true)).Evaluate(std::string(5000, '7')).result, Channels({7}));
  EXPECT_EQ(GChannelParser(User("", "2:M*", true)).Evaluate("X1 Y2 Z3").result, Channels({1, 2, 3}));
}

}  // namespace
}  // namespace prefig
