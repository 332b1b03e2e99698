#include "record/pattern.h"

#include <locale.h>
#include <regex.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "record/pattern_translation.h"

namespace prefig {
namespace {

// The C library compiles and matches by the thread's locale; NC programs and
// our settings are bytes, so both run in the "C" locale.
class CLocaleScope {
 public:
  CLocaleScope() : previous_(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(previous_); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

 private:
  static locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;  // when it could not be made, uselocale(0) changes nothing
  }
  locale_t previous_;
};

std::string LibraryMessage(int code, const regex_t* regex) {
  char buffer[256];
  regerror(code, regex, buffer, sizeof buffer);
  return buffer;
}

constexpr size_t kStackMatches = 16;

// Elements squared times bytes.
constexpr size_t kMatchWork = size_t{1} << 24;

size_t MatchedLengthFor(size_t elements) {
  size_t square = std::max<size_t>(elements * elements, 1);
  return std::clamp(kMatchWork / square, kMinMatchedLength, kMaxMatchedLength);
}

// regexec over [from, length) of `line`, with the text before `from` as
// context. The C library reads only that range (REG_STARTEND), but the
// sanitizers' checks read the text up to its NUL, which a string_view need
// not have, so the range is matched in a NUL-terminated copy.
bool Execute(const regex_t& regex, std::string_view line, size_t from, size_t length, size_t slot_count,
             regmatch_t* slots) {
  char text[kMaxMatchedLength + 1];
  if (length > 0) std::memcpy(text, line.data(), length);
  text[length] = '\0';
  slots[0].rm_so = static_cast<regoff_t>(from);
  slots[0].rm_eo = static_cast<regoff_t>(length);
  CLocaleScope c;
  return regexec(&regex, text, slot_count, slots, REG_STARTEND) == 0;
}

}  // namespace

struct GPattern::Compiled {
  Compiled() = default;
  Compiled(const Compiled&) = delete;
  Compiled& operator=(const Compiled&) = delete;
  regex_t regex{};
  Use use = Use::kValues;
  std::vector<int> value_groups;
  size_t match_slots = 1;  // the whole match and every group up to the last value group
  size_t matched_length = kMaxMatchedLength;
  ~Compiled() { regfree(&regex); }
};

GPattern::GPattern() = default;
GPattern::~GPattern() = default;
GPattern::GPattern(GPattern&&) noexcept = default;
GPattern& GPattern::operator=(GPattern&&) noexcept = default;

void GPattern::Clear() {
  compiled_.reset();
  error_.clear();
}

bool GPattern::Compile(std::string_view text, Use use) {
  Clear();
  TranslatedPattern translated = TranslatePattern(text);
  if (!translated.error.empty()) {
    error_ = std::move(translated.error);
    return false;
  }
  regex_t regex;
  int flags = REG_EXTENDED | (use == Use::kTest ? REG_NOSUB : 0);
  int code;
  {
    CLocaleScope c;
    code = regcomp(&regex, translated.expression.c_str(), flags);
  }
  if (code != 0) {  // the C library has released what it allocated
    error_ = LibraryMessage(code, &regex);
    return false;
  }
  compiled_ = std::make_unique<Compiled>();
  compiled_->regex = regex;  // the compiled state belongs to compiled_ from here on
  compiled_->use = use;
  compiled_->value_groups = std::move(translated.value_groups);
  compiled_->matched_length = MatchedLengthFor(translated.elements);
  for (int group : compiled_->value_groups) {
    compiled_->match_slots = std::max(compiled_->match_slots, static_cast<size_t>(group) + 1);
  }
  return true;
}

size_t GPattern::MatchedLength() const { return compiled_ ? compiled_->matched_length : 0; }

bool GPattern::Matches(std::string_view line) const {
  if (!compiled_) return false;
  regmatch_t range;
  return Execute(compiled_->regex, line, 0, std::min(line.size(), compiled_->matched_length), 0, &range);
}

std::optional<PatternMatch> GPattern::Find(std::string_view line, size_t from) const {
  // Positions need sub-match reporting, which a test pattern was compiled without.
  if (!compiled_ || compiled_->use != Use::kValues) return std::nullopt;
  size_t length = std::min(line.size(), compiled_->matched_length);
  if (from > length) return std::nullopt;

  regmatch_t stack[kStackMatches];
  std::vector<regmatch_t> heap;
  regmatch_t* slots = stack;
  if (compiled_->match_slots > kStackMatches) {
    heap.resize(compiled_->match_slots);
    slots = heap.data();
  }
  if (!Execute(compiled_->regex, line, from, length, compiled_->match_slots, slots)) return std::nullopt;

  PatternMatch match;
  match.begin = match.value_begin = match.value_end = static_cast<size_t>(slots[0].rm_so);
  match.end = static_cast<size_t>(slots[0].rm_eo);
  for (int group : compiled_->value_groups) {
    const regmatch_t& g = slots[group];
    if (g.rm_so < 0) continue;
    if (!match.has_value_group || static_cast<size_t>(g.rm_so) < match.value_begin) {
      match.has_value_group = true;
      match.value_begin = static_cast<size_t>(g.rm_so);
      match.value_end = static_cast<size_t>(g.rm_eo);
    }
  }
  return match;
}

std::string PatternError(std::string_view text) {
  GPattern pattern;
  pattern.Compile(text, GPattern::Use::kValues);
  return pattern.Error();
}

}  // namespace prefig
