// Parameter references in macro lines: what counts as one, and rewriting
// them to new numbers.
#include "record/macro_references.h"

#include <gtest/gtest.h>

namespace prefig {
namespace {

// "$n" / "@n" for each reference found, in order.
std::string Found(std::string_view line) {
  std::string out;
  for (const ParameterReference& ref : FindReferences(line)) {
    if (!out.empty()) out += ' ';
    out += (ref.function ? "@" : "$") + std::to_string(ref.number);
  }
  return out;
}

TEST(MacroReferencesTest, ASignFollowedByANumberFromOneToSixtyIsAReference) {
  EXPECT_EQ(Found("G0 X$1 Y$12 Z@60"), "$1 $12 @60");
  EXPECT_EQ(Found("X$61 Y$0 Z$100 A$999999999999999999999"), "") << "out of range";
  EXPECT_EQ(Found("X$ Y@ Z$A $DB @@ end $"), "") << "no number";
  EXPECT_EQ(Found("$$5 @@5"), "$5 @5");
  EXPECT_EQ(Found("$05"), "$5");
}

TEST(MacroReferencesTest, BracesHashAndBar) {
  // The braced form lets digits follow; other braces are text.
  EXPECT_EQ(Found("X${1}0 Y@{2}5"), "$1 @2");
  EXPECT_EQ(Found("${61} ${} ${x} ${1 ${ 1}"), "");
  EXPECT_EQ(Found("{$1*2+@3}"), "$1 @3");
  EXPECT_EQ(Found("${${2}}"), "$2");
  // "#" and "|" are ordinary characters that end a number.
  EXPECT_EQ(Found("#101=$1 #$2 $3#4"), "$1 $2 $3");
  EXPECT_EQ(Found("$1|$2 |@3|"), "$1 $2 @3");
}

TEST(MacroReferencesTest, RenumberingRewritesOnlyReferencesWithANewNumber) {
  std::vector<int> numbers(61, 0);
  numbers[2] = 1;
  numbers[5] = 2;
  numbers[12] = 3;
  EXPECT_EQ(RenumberReferences("G0 X$2 Y@5 Z$12 F$7", numbers), "G0 X$1 Y@2 Z$3 F$7");
  EXPECT_EQ(RenumberReferences("${5}0 @{2}|#$12 {$2*@5}", numbers), "${2}0 @{1}|#$3 {$1*@2}");
  EXPECT_EQ(RenumberReferences("$05 $20 $120 $2$", numbers), "$2 $20 $120 $1$");
  EXPECT_EQ(RenumberReferences("$2", std::vector<int>{}), "$2") << "no table, nothing rewritten";
}

}  // namespace
}  // namespace prefig
