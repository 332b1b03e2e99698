#include "context/message_source.h"

#include <gtest/gtest.h>

namespace prefig {
namespace {

TEST(MessageSourceTest, EscapesRoundTripByteForByte) {
  const std::string source =
      "1\tA\\tB\\nC\\\\D\\r\n"
      "2\t\xC3\x84rger \\x01 %s\n"
      "16887\t \\x7F trailing blank \n";
  std::string error;
  auto texts = ParseMessageSource(source, &error);
  ASSERT_TRUE(texts) << error;
  EXPECT_EQ(*texts, (MessageTexts{{1, "A\tB\nC\\D\r"}, {2, "\xC3\x84rger \x01 %s"}, {16887, " \x7F trailing blank "}}));
  EXPECT_EQ(FormatMessageSource(*texts), source);
}

TEST(MessageSourceTest, BytesThatAreNoUtf8AreWrittenAsEscapes) {
  // Latin-1 and a cut sequence from a file made elsewhere.
  MessageTexts texts{{5, "Gr\xFC\xDF"}, {6, "\xE2\x82"}};
  const std::string source = FormatMessageSource(texts);
  EXPECT_EQ(source, "5\tGr\\xFC\\xDF\n6\t\\xE2\\x82\n");
  EXPECT_EQ(ParseMessageSource(source, nullptr), texts);
}

TEST(MessageSourceTest, MistakesNameTheirLine) {
  struct Case {
    const char* source;
    const char* error;
  };
  const Case cases[] = {
      {"1\tA\n2 B\n", "line 2: expected a message id, a tab and the text"},
      {"01\tA\n", "line 1: '01' is not a message id"},
      {"16888\tA\n", "line 1: message id 16888 is not below 16888"},
      {"5\tA\n4\tB\n", "line 2: message id 4 does not follow 5"},
      {"7\t\n", "line 1: message id 7 has no text (leave the line out)"},
      {"7\ta\\qb\n", "line 1: unknown escape \\q"},
      {"7\ta\\x00b\n", "line 1: \\x00 cannot be part of a text"},
      {"7\ta\rb\n", "line 1: control character in the text (write it as an escape)"},
      {"7\tGr\xFC\xDF\n", "line 1: not UTF-8 (write other bytes as \\xHH)"},
      {"7\tA", "line 1: the last line has no line feed"},
  };
  for (const Case& c : cases) {
    std::string error;
    EXPECT_FALSE(ParseMessageSource(c.source, &error)) << c.source;
    EXPECT_EQ(error, c.error) << c.source;
  }
  EXPECT_EQ(ParseMessageSource("", nullptr), MessageTexts{});
}

}  // namespace
}  // namespace prefig
