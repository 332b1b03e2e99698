#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// Our patterns are POSIX extended regular expressions with three additions,
// which the C library does not know (glibc even reads `\<` as a word start):
//   <  >         delimit a value group: a parenthesised group whose number is
//                recorded (the first eight; later ones are plain groups)
//   \<  \>       a literal angle bracket
//   [[:<:]]      the start of a word
//   [[:>:]]      the end of a word
// A backslash before a character that is not special stands for that
// character, so the C library's own escapes (\w, \b, \1, ...) never take
// effect: a back-reference could make matching take exponential time.
// Bracket expressions are copied as they are.
inline constexpr size_t kMaxValueGroups = 8;

// The C library expands bounded repetitions (`x{2,30}` becomes thirty
// copies of x), and matching time grows steeply with the expanded size. A
// pattern whose expansion exceeds this many elements (characters, bracket
// expressions, anchors, groups) is refused as too big.
inline constexpr size_t kMaxPatternElements = 512;

struct TranslatedPattern {
  std::string expression;         // for regcomp with REG_EXTENDED
  std::vector<int> value_groups;  // sub-expression numbers, in the order of their `<`
  size_t elements = 0;            // the size of the expansion
  std::string error;              // why the pattern cannot be used; empty when it can
};

// Structural faults (unbalanced value groups, empty alternatives, too big,
// a NUL byte) are found here; everything else is left to regcomp, which
// reports it.
TranslatedPattern TranslatePattern(std::string_view pattern);

}  // namespace prefig
