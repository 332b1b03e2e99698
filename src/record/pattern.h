#pragma once
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace prefig {

// Matching looks at no more than the first kMaxMatchedLength bytes of a line;
// NC blocks are far shorter. The C library's matching time grows with the
// length of the line and more than the square of the pattern's expanded
// size, so a big pattern looks at less, down to kMinMatchedLength bytes for
// the biggest. One search with the most hostile pattern then takes a few
// hundredths of a second.
inline constexpr size_t kMaxMatchedLength = 4096;
inline constexpr size_t kMinMatchedLength = 128;

struct PatternMatch {
  size_t begin = 0, end = 0;              // the whole match
  size_t value_begin = 0, value_end = 0;  // the value's text
  bool has_value_group = false;           // false: the value is empty, at the match start
};

// A pattern in our syntax (see pattern_translation.h), compiled with the
// C library's extended regular expressions. Patterns work on bytes, the same
// whatever the locale of the program: compiling and matching use the "C"
// locale.
class GPattern {
 public:
  enum class Use {
    kTest,    // yes/no only: compiled without sub-match reporting
    kValues,  // with the value of each match
  };

  GPattern();
  ~GPattern();
  GPattern(GPattern&&) noexcept;
  GPattern& operator=(GPattern&&) noexcept;

  // Replaces what the pattern held. False, with Error() telling why (the
  // C library's message where it has one), when `text` cannot be used; the
  // pattern is then unset.
  bool Compile(std::string_view text, Use use);
  bool IsSet() const { return compiled_ != nullptr; }
  // How much of a line this pattern looks at (0 when unset).
  size_t MatchedLength() const;
  const std::string& Error() const { return error_; }

  // An unset pattern matches nothing.
  bool Matches(std::string_view line) const;
  // The first match that begins at or after `from`. The text before `from`
  // still counts as context: `^` does not match there, and a word start
  // needs a non-word character before it. The value is the text of the
  // matched value group that begins first. A kTest pattern finds nothing.
  std::optional<PatternMatch> Find(std::string_view line, size_t from = 0) const;

 private:
  struct Compiled;
  void Clear();
  std::unique_ptr<Compiled> compiled_;
  std::string error_;
};

// The check of a trigger expression as it is typed: empty when it compiles,
// else the reason.
std::string PatternError(std::string_view text);

}  // namespace prefig
