#include "platform/text.h"

#include <gtest/gtest.h>

namespace prefig::platform {
namespace {

// The file associations name an extension once however its letters are
// written; bytes of other characters are never taken for letters.
TEST(PlatformText, CaseIsFoldedInAsciiOnly) {
  EXPECT_TRUE(SameIgnoringCase("Nc.Tap", "nC.tAP"));
  EXPECT_FALSE(SameIgnoringCase("nc", "nc "));
  EXPECT_FALSE(SameIgnoringCase("\xe4", "\xc4"));  // Latin-1 a and A umlaut: not ASCII letters
  EXPECT_EQ(UpperCaseAscii("ab\xe4z"), "AB\xe4Z");
  EXPECT_EQ(LowerCaseAscii("AB\xc4Z"), "ab\xc4z");
}

TEST(PlatformText, CommaItemsAreTrimmedOfBlanksAndControlCharacters) {
  EXPECT_EQ(SplitCommaItems("\a nc\b,\r\n,tap \v\f, ,\tH"), (std::vector<std::string>{"nc", "tap", "H"}));
  EXPECT_EQ(SplitCommaItems("a b, c\x01"), (std::vector<std::string>{"a b", "c\x01"}));
  EXPECT_TRUE(SplitCommaItems("").empty());
}

}  // namespace
}  // namespace prefig::platform
