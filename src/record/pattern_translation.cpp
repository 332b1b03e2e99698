#include "record/pattern_translation.h"

#include <regex.h>

#include <algorithm>
#include <cstdint>

namespace prefig {
namespace {

constexpr std::string_view kWordStart = "[[:<:]]";
constexpr std::string_view kWordEnd = "[[:>:]]";
constexpr std::string_view kSpecials = "^.[]$()|*+?{}\\";

constexpr const char* kUnmatchedValueGroup = "Unmatched < or >";
constexpr const char* kEmptyAlternative = "Empty alternative";
constexpr const char* kEmptyPattern = "Empty regular expression";
constexpr const char* kNulCharacter = "NUL character in regular expression";

// Sizes saturate just above the limit, so that products stay small.
constexpr uint64_t kTooBig = kMaxPatternElements + 1;
uint64_t Capped(uint64_t n) { return std::min(n, kTooBig); }

std::string LibraryMessage(int code) {
  char buffer[128];
  regerror(code, nullptr, buffer, sizeof buffer);
  return buffer;
}

enum class GroupKind { kWhole, kParen, kValue };

// One nesting level (the whole pattern or one group): how many elements the
// C library will make of it, and whether its current alternative is empty.
struct Level {
  GroupKind kind;
  uint64_t closed_branches = 0;  // the alternatives before the current one
  uint64_t branch = 0;           // the current alternative
  uint64_t last_atom = 0;        // what a following repetition copies
  bool branch_used = false;
  bool alternated = false;

  void Atom(uint64_t size) {
    branch = Capped(branch + size);
    last_atom = size;
    branch_used = true;
  }
  // The atom becomes `copies` copies of itself; it is already counted once.
  void Repeat(uint64_t copies) {
    copies = std::max<uint64_t>(copies, 1);
    branch = Capped(branch + last_atom * (copies - 1));
    last_atom = Capped(last_atom * copies);
    branch_used = true;
  }
  void Alternate() {
    closed_branches = Size();
    branch = last_atom = 0;
    branch_used = false;
    alternated = true;
  }
  uint64_t Size() const { return Capped(closed_branches + branch); }
};

// The end (one past `]`) of the bracket expression that opens at `open`, or
// the end of the text when it is not closed (regcomp then reports it).
size_t BracketEnd(std::string_view p, size_t open) {
  size_t j = open + 1;
  if (j < p.size() && p[j] == '^') ++j;
  if (j < p.size() && p[j] == ']') ++j;
  while (j < p.size() && p[j] != ']') {
    if (p[j] == '[' && j + 1 < p.size() && (p[j + 1] == ':' || p[j + 1] == '=' || p[j + 1] == '.')) {
      const char close[] = {p[j + 1], ']'};
      size_t found = p.find(std::string_view(close, 2), j + 2);
      if (found == std::string_view::npos) return p.size();
      j = found + 2;
    } else {
      ++j;
    }
  }
  return j < p.size() ? j + 1 : p.size();
}

// A well-formed interval `{m}`, `{m,}`, `{m,n}` (or `{,n}`, which the C
// library accepts) at `open`: its end and how many copies it makes.
bool ParseInterval(std::string_view p, size_t open, size_t& end, uint64_t& copies) {
  size_t j = open + 1;
  auto number = [&](bool& present) {
    uint64_t n = 0;
    present = false;
    while (j < p.size() && p[j] >= '0' && p[j] <= '9') {
      n = Capped(n * 10 + static_cast<uint64_t>(p[j] - '0'));
      present = true;
      ++j;
    }
    return n;
  };
  bool has_min = false, has_max = false, comma = false;
  uint64_t min = number(has_min), max = 0;
  if (j < p.size() && p[j] == ',') {
    comma = true;
    ++j;
    max = number(has_max);
  }
  if (j >= p.size() || p[j] != '}' || (!has_min && !has_max)) return false;
  end = j + 1;
  copies = !comma ? min : has_max ? max : min + 1;
  return true;
}

}  // namespace

TranslatedPattern TranslatePattern(std::string_view p) {
  TranslatedPattern out;
  std::string& ere = out.expression;
  ere.reserve(p.size() + 8);
  std::vector<Level> levels{Level{GroupKind::kWhole}};
  int groups = 0;
  auto fail = [&out](std::string message) {
    out.error = std::move(message);
    return out;
  };
  // regcomp takes a C string: a NUL would silently cut the pattern short.
  if (p.find('\0') != std::string_view::npos) return fail(kNulCharacter);

  size_t i = 0;
  bool after_repeat = false;  // the last thing written is one of `*`, `+`, `?`
  while (i < p.size()) {
    char c = p[i];
    Level& level = levels.back();
    bool repeat = c == '*' || c == '+' || c == '?';
    switch (c) {
      case '\\': {
        if (i + 1 == p.size()) {  // regcomp reports the trailing backslash
          ere += c;
          ++i;
          break;
        }
        char next = p[i + 1];
        if (next != '<' && next != '>' && kSpecials.find(next) != std::string_view::npos) ere += '\\';
        ere += next;
        level.Atom(1);
        i += 2;
        break;
      }
      case '[': {
        std::string_view rest = p.substr(i);
        if (rest.starts_with(kWordStart) || rest.starts_with(kWordEnd)) {
          ere += rest.starts_with(kWordStart) ? "\\<" : "\\>";
          i += kWordStart.size();
        } else {
          size_t end = BracketEnd(p, i);
          ere.append(rest.substr(0, end - i));
          i = end;
        }
        level.Atom(1);
        break;
      }
      case '(':
      case '<':
        ++groups;
        if (c == '<' && out.value_groups.size() < kMaxValueGroups) out.value_groups.push_back(groups);
        ere += '(';
        level.branch_used = true;
        levels.push_back(Level{c == '<' ? GroupKind::kValue : GroupKind::kParen});
        ++i;
        break;
      case ')':
      case '>': {
        GroupKind closes = c == '>' ? GroupKind::kValue : GroupKind::kParen;
        if (level.kind != closes) {
          bool value_group = c == '>' || level.kind == GroupKind::kValue;
          return fail(value_group ? kUnmatchedValueGroup : LibraryMessage(REG_ERPAREN));
        }
        if (level.alternated && !level.branch_used) return fail(kEmptyAlternative);
        uint64_t size = Capped(level.Size() + 1);
        levels.pop_back();
        levels.back().Atom(size);
        ere += ')';
        ++i;
        break;
      }
      case '|':
        if (!level.branch_used) return fail(kEmptyAlternative);
        level.Alternate();
        ere += c;
        ++i;
        break;
      case '*':
      case '?':
      case '+':
        if (after_repeat) {
          // A run of repetitions (`x+*`, `x**`) makes the C library's
          // compiler take time that doubles with each one; the run means
          // what one of them means: `+` or `?` alone, else `*`.
          if (ere.back() != c) ere.back() = '*';
        } else {
          level.Repeat(c == '+' ? 2 : 1);  // the C library makes `x+` of `xx*`
          ere += c;
        }
        ++i;
        break;
      case '{': {
        size_t end = 0;
        uint64_t copies = 0;
        if (ParseInterval(p, i, end, copies)) {
          level.Repeat(copies);
          ere.append(p.substr(i, end - i));
          i = end;
        } else {  // not an interval: regcomp reports it
          level.branch_used = true;
          ere += c;
          ++i;
        }
        break;
      }
      default:
        ere += c;
        level.Atom(1);
        ++i;
    }
    after_repeat = repeat;
  }

  const Level& last = levels.back();
  if (levels.size() > 1) {
    return fail(last.kind == GroupKind::kValue ? kUnmatchedValueGroup : LibraryMessage(REG_EPAREN));
  }
  if (!last.branch_used) return fail(last.alternated ? kEmptyAlternative : kEmptyPattern);
  if (last.Size() > kMaxPatternElements) return fail(LibraryMessage(REG_ESIZE));
  out.elements = last.Size();
  return out;
}

}  // namespace prefig
