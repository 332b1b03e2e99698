// The pattern syntax on real text: value groups, literal angle brackets and
// word boundaries, which glibc's own syntax reads differently, and the
// errors and bounds that keep hostile patterns harmless.
#include "record/pattern.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <string>

#include "record/pattern_translation.h"

namespace prefig {
namespace {

GPattern Compiled(std::string_view text, GPattern::Use use = GPattern::Use::kValues) {
  GPattern pattern;
  EXPECT_TRUE(pattern.Compile(text, use)) << text << ": " << pattern.Error();
  return pattern;
}

// The value of the first match, or "<none>".
std::string ValueOf(std::string_view pattern, std::string_view line) {
  auto match = Compiled(pattern).Find(line);
  if (!match) return "<none>";
  return std::string(line.substr(match->value_begin, match->value_end - match->value_begin));
}

TEST(PatternTranslation, WritesWhatTheCLibraryUnderstands) {
  TranslatedPattern t = TranslatePattern("(G1)<M[0-9]+>\\<\\>[[:<:]]A[[:>:]][<>]\\w\\1\\(");
  EXPECT_EQ(t.error, "");
  EXPECT_EQ(t.expression, "(G1)(M[0-9]+)<>\\<A\\>[<>]w1\\(");
  EXPECT_EQ(t.value_groups, (std::vector<int>{2}));
}

// A run of repetitions once made compiling take minutes: it is written as
// the one repetition it means.
TEST(PatternTranslation, ARunOfRepetitionsIsWrittenAsOne) {
  TranslatedPattern t = TranslatePattern("a+++++b*****c??d+*?e?+f\\**g[*+]+");
  EXPECT_EQ(t.error, "");
  EXPECT_EQ(t.expression, "a+b*c?d*e*f\\**g[*+]+");
  std::string many = "x" + std::string(80, '*') + "y" + std::string(40, '+') + std::string(40, '?');
  EXPECT_EQ(TranslatePattern(many).expression, "x*y*");
}

TEST(Pattern, ValueIsTheMatchedValueGroupThatStartsFirst) {
  EXPECT_EQ(ValueOf("M<3[0-9][0-9]>($|[^0-9])", "N20 G01 M310 X5"), "310");
  EXPECT_EQ(ValueOf("(P<[0-9]+>)|(Q<[0-9]+>)", "G04 Q12"), "12");  // the first group did not take part
  EXPECT_EQ(ValueOf("<X<[0-9]>>", "X7"), "X7");                    // outer and inner: the outer starts first
  EXPECT_EQ(ValueOf("(<a>|<b>)+", "ba"), "b");                     // the later group starts first

  auto plain = Compiled("WAITM").Find("N10 WAITM(1,1,2)");
  ASSERT_TRUE(plain);
  EXPECT_FALSE(plain->has_value_group);
  EXPECT_EQ(plain->value_begin, 4u);
  EXPECT_EQ(plain->value_end, 4u);
}

TEST(Pattern, OnlyEightValueGroupsAreRecorded) {
  EXPECT_EQ(TranslatePattern("<a><b><c><d><e><f><g><h><i>").value_groups, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(ValueOf("(x)?(y)?(z)?(w)?(v)?(u)?(t)?(s)?(r)?(q)?(p)?(o)?(n)?(m)?(l)?(k)?(j)?<[0-9]+>", "A 42"), "42");
}

TEST(Pattern, EscapedAngleBracketsAreLiteral) {
  GPattern program_name = Compiled("^\\<.*\\>", GPattern::Use::kTest);
  EXPECT_TRUE(program_name.Matches("<SHAFT_01>"));
  EXPECT_FALSE(program_name.Matches("SHAFT_01"));
  // glibc alone would read \< as a word start and match "AB" here.
  EXPECT_FALSE(Compiled("\\<AB").Matches("N1 AB"));
  EXPECT_TRUE(Compiled("\\<AB").Matches("N1 <AB"));
  // A backslash before an ordinary character is that character: no
  // back-references and none of glibc's \w \b \s.
  EXPECT_TRUE(Compiled("(a)\\1").Matches("a1"));
  EXPECT_FALSE(Compiled("(a)\\1").Matches("aa"));
  EXPECT_FALSE(Compiled("\\w").Matches("_"));
}

TEST(Pattern, WordBoundaryClassesMatchWordStartAndEnd) {
  GPattern m30 = Compiled("[[:<:]]M30[[:>:]]");
  EXPECT_TRUE(m30.Matches("(END)M30 "));
  EXPECT_FALSE(m30.Matches("N100 M300"));
  EXPECT_FALSE(m30.Matches("XM30"));
  EXPECT_FALSE(m30.Matches("M30_A"));
}

TEST(Pattern, ContinuedSearchKeepsTheContextBeforeIt) {
  GPattern line_start = Compiled("^M<[0-9]>");
  EXPECT_TRUE(line_start.Find("M1 M2", 0));
  EXPECT_FALSE(line_start.Find("M1 M2", 1));
  auto word = Compiled("[[:<:]]AB").Find("XAB AB", 1);
  ASSERT_TRUE(word);
  EXPECT_EQ(word->begin, 4u);
  EXPECT_FALSE(Compiled("A").Find("A", 2));
}

TEST(Pattern, MatchesBytesWhateverTheLocale) {
  const char* previous = setlocale(LC_ALL, nullptr);
  std::string saved = previous ? previous : "C";
  if (!setlocale(LC_ALL, "C.UTF-8")) GTEST_SKIP() << "no C.UTF-8 locale";
  GPattern any = Compiled("^T.$");
  bool latin1_byte = any.Matches("T\xD8");  // not UTF-8
  bool two_bytes = any.Matches("T\xC3\x98");
  setlocale(LC_ALL, saved.c_str());
  EXPECT_TRUE(latin1_byte);
  EXPECT_FALSE(two_bytes);
}

TEST(Pattern, ErrorsTellWhyAndLeaveThePatternUnset) {
  struct Case {
    const char* text;
    const char* error;
  } cases[] = {
      {"M[0-9]>", "Unmatched < or >"},  {"(M<[0-9])>", "Unmatched < or >"},
      {"M)", "Unmatched ) or \\)"},     {"(|M1)", "Empty alternative"},
      {"", "Empty regular expression"}, {"*M", "Invalid preceding regular expression"},
      {"M\\", "Trailing backslash"},    {"(a{100}){100}", "Regular expression too big"},
  };
  for (const Case& c : cases) {
    GPattern pattern;
    EXPECT_FALSE(pattern.Compile(c.text, GPattern::Use::kValues)) << c.text;
    EXPECT_EQ(pattern.Error(), c.error) << c.text;
    EXPECT_FALSE(pattern.IsSet());
    EXPECT_FALSE(pattern.Matches("M1"));
    EXPECT_EQ(PatternError(c.text), c.error);
  }
  EXPECT_EQ(PatternError(std::string_view("M\0", 2)), "NUL character in regular expression");

  GPattern reused;
  EXPECT_FALSE(reused.Compile("M(", GPattern::Use::kTest));
  EXPECT_TRUE(reused.Compile("M1", GPattern::Use::kTest));
  EXPECT_EQ(reused.Error(), "");
  EXPECT_TRUE(reused.Matches("M1"));
}

TEST(Pattern, RepetitionsAreCountedAsTheyExpand) {
  EXPECT_EQ(PatternError("(.{1,22}){1,22}"), "");  // 506 elements
  EXPECT_EQ(PatternError("(.{1,23}){1,23}"), "Regular expression too big");
  EXPECT_EQ(PatternError("(((a+)+)+){100}"), "Regular expression too big");
  EXPECT_EQ(PatternError(std::string(512, 'a')), "");
  EXPECT_EQ(PatternError(std::string(513, 'a')), "Regular expression too big");
}

TEST(Pattern, LooksOnlyAtTheStartOfVeryLongLines) {
  std::string line(kMaxMatchedLength - 4, ' ');
  EXPECT_TRUE(Compiled("M300").Matches(line + "M300"));
  EXPECT_FALSE(Compiled("M300").Matches(line + " M300"));
  // A big pattern looks at less.
  GPattern big = Compiled("(M[0-9]{1,20}){1,20}");
  EXPECT_GE(big.MatchedLength(), kMinMatchedLength);
  EXPECT_LT(big.MatchedLength(), 1024u);
  EXPECT_TRUE(big.Matches(std::string(100, ' ') + "M300"));
  EXPECT_FALSE(big.Matches(std::string(1024, ' ') + "M300"));
}

}  // namespace
}  // namespace prefig
