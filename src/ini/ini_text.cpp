#include "ini/ini_text.h"

#include <charconv>
#include <climits>
#include <cstdio>

namespace prefig::ini {
namespace {

constexpr size_t kBannerWidth = 79;
constexpr size_t kHexMaxBytes = 260;
constexpr size_t kMaxIntegerDigits = 254;

// Notepad and other Windows editors begin a UTF-8 file with a byte order
// mark; it is no part of the first line, which may well be a header.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
size_t ByteOrderMarkLength(std::string_view text) {
  return text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
}

bool IsSpaceClass(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Hand loops: find_first_of with a set calls memchr once per byte.
size_t LineEndAfter(std::string_view text, size_t pos) {
  while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
  return pos;
}

size_t NextLine(std::string_view text, size_t pos) {
  size_t lf = text.find('\n', pos);
  return lf == std::string_view::npos ? text.size() : lf + 1;
}

size_t LineStartBefore(std::string_view text, size_t pos) {
  if (pos == 0) return 0;
  size_t lf = text.rfind('\n', pos - 1);
  return lf == std::string_view::npos ? 0 : lf + 1;
}

bool IsBlankLine(std::string_view line) {
  for (char c : line) {
    if (!IsLeadingSpace(c)) return false;
  }
  return true;
}

// The banner that the writer puts before a section, with the two line
// breaks that follow it, when it ends exactly at `pos`.
size_t BannerBefore(std::string_view text, size_t pos, std::string_view section) {
  std::string banner = Banner(section);
  banner += kLineEnd;
  banner += kLineEnd;
  if (pos < banner.size() || !SameName(text.substr(pos - banner.size(), banner.size()), banner)) return 0;
  return banner.size();
}

}  // namespace

std::string JoinCommaList(const std::vector<std::string>& items, std::string_view separator) {
  std::string joined;
  for (const std::string& item : items) {
    if (!joined.empty()) joined += separator;
    joined += item;
  }
  return joined;
}

std::string NormaliseCommaList(std::string_view text, std::string_view separator) {
  return JoinCommaList(SplitCommaList(text), separator);
}

// Blanks inside a section name are kept ([RENUM DEFAULT], [Desktop Entry]);
// other white space would not survive a hand edit unseen.
const char* WhyUnusableSectionName(std::string_view name) {
  if (name.empty()) return "the section name is empty";
  if (IsLeadingSpace(name.front()) || IsLeadingSpace(name.back())) {
    return "a section name may not begin or end with white space";
  }
  for (char c : name) {
    if (c == ']') return "a section name may not hold ']'";
    if (c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\0') {
      return "a section name may not hold a line break or control character";
    }
  }
  return nullptr;
}

const char* WhyUnusableKeyName(std::string_view name) {
  if (name.empty()) return "the key name is empty";
  if (name.front() == '[') return "a key name may not begin with '['";
  // The writer trims these from the name it writes, and the reader skips
  // them before a name: a later lookup of the untrimmed name would miss it.
  if (IsTrimChar(name.front()) || IsTrimChar(name.back())) {
    return "a key name may not begin or end with white space or a control character";
  }
  // One pass: every read and write of a key checks its name.
  bool equals = false, line_break = false;
  for (char c : name) {
    equals |= c == '=';
    line_break |= c == '\r' || c == '\n' || c == '\0';
  }
  if (equals) return "a key name may not hold '='";
  if (line_break) return "a key name may not hold a line break";
  return nullptr;
}

Line ParseLine(std::string_view text, size_t pos) {
  Line line;
  if (pos == 0) pos = ByteOrderMarkLength(text);
  while (pos < text.size() && IsLeadingSpace(text[pos])) ++pos;
  line.start = pos;
  if (pos >= text.size()) {
    line.next = text.size();
    return line;
  }
  line.next = NextLine(text, pos);
  if (text[pos] == '[') {
    line.kind = Line::kBoundary;
    size_t q = pos + 1;
    while (q < text.size() && text[q] != ']' && text[q] != '\r' && text[q] != '\n') ++q;
    if (q < text.size() && text[q] == ']' && IsUsableSectionName(text.substr(pos + 1, q - pos - 1))) {
      line.header = true;
      line.name_begin = pos + 1;
      line.name_end = q;
    }
    return line;
  }
  size_t stop = pos;
  while (stop < text.size() && text[stop] != '=' && text[stop] != '\r' && text[stop] != '\n') ++stop;
  if (stop == text.size() || text[stop] != '=') {
    line.kind = Line::kOther;
    return line;
  }
  line.kind = Line::kKey;
  line.equals = stop;
  line.name_begin = pos;
  line.name_end = stop;
  while (line.name_end > pos && IsBlank(text[line.name_end - 1])) --line.name_end;
  return line;
}

SectionSpan SectionAt(std::string_view text, size_t bracket, size_t body) {
  SectionSpan span;
  span.bracket = bracket;
  span.body = body;
  for (size_t pos = NextLine(text, body);;) {
    Line line = ParseLine(text, pos);
    if (line.kind == Line::kEnd) {
      span.end = text.size();
      span.last = true;
      return span;
    }
    if (line.kind == Line::kBoundary) {
      span.end = line.start;
      span.last = false;
      return span;
    }
    pos = line.next;
  }
}

std::optional<SectionSpan> FindSection(std::string_view text, std::string_view name) {
  // Only boundary lines matter, and each starts with `[`: every `[` is
  // checked for being the first character of its line after leading white
  // space (blank lines included), as ParseLine would find it.
  for (size_t bracket = text.find('['); bracket != std::string_view::npos; bracket = text.find('[', bracket + 1)) {
    size_t before = bracket;
    bool line_break = false;
    while (before > 0 && IsLeadingSpace(text[before - 1])) line_break |= text[--before] == '\n';
    if (before > 0 && !line_break && before != ByteOrderMarkLength(text)) continue;
    Line line = ParseLine(text, bracket);
    if (line.header && SameName(text.substr(line.name_begin, line.name_end - line.name_begin), name)) {
      return SectionAt(text, line.start, line.name_end + 1);
    }
  }
  return std::nullopt;
}

size_t LineEnd(std::string_view text, size_t pos) { return LineEndAfter(text, pos); }

KeySpan KeyAt(std::string_view text, const Line& line) {
  return KeySpan{line.name_begin, line.equals, LineEndAfter(text, line.equals + 1)};
}

std::optional<KeySpan> FindKey(std::string_view text, const SectionSpan& section, std::string_view key) {
  for (size_t pos = NextLine(text, section.body);;) {
    Line line = ParseLine(text, pos);
    if (line.kind == Line::kEnd || line.kind == Line::kBoundary) return std::nullopt;
    if (line.kind == Line::kKey && SameName(text.substr(line.name_begin, line.name_end - line.name_begin), key)) {
      return KeyAt(text, line);
    }
    pos = line.next;
  }
}

std::string_view StoredValue(std::string_view text, const KeySpan& key) {
  return Trim(text.substr(key.equals + 1, key.line_end - key.equals - 1));
}

std::string_view ReadValue(std::string_view text, const KeySpan& key) {
  size_t pos = key.equals + 1;
  while (pos < key.line_end && IsBlank(text[pos])) ++pos;
  std::string_view value = text.substr(pos, key.line_end - pos);
  while (!value.empty() && IsTrimChar(value.back())) value.remove_suffix(1);
  if (value.size() >= 3 && value.front() == '"' && value.back() == '"') return value.substr(1, value.size() - 2);
  if (value == "\"" || value == "\"\"") return {};
  return value;
}

std::string Banner(std::string_view section) {
  std::string banner = "## " + UpperCase(section) + " ";
  if (banner.size() < kBannerWidth) banner.append(kBannerWidth - banner.size(), '#');
  return banner;
}

std::string KeyLine(std::string_view key, std::string_view value) {
  std::string line = UpperCase(Trim(key));
  if (line.size() < 8) {
    line += "\t\t= ";
  } else if (line.size() < 16) {
    line += "\t= ";
  } else {
    line += "= ";
  }
  line += value;
  line += kLineEnd;
  return line;
}

Splice ReplaceValue(std::string& text, const KeySpan& key, std::string_view value) {
  Splice splice{key.equals + 1, key.line_end - key.equals - 1, value.size() + 1};
  std::string replacement;
  replacement.reserve(value.size() + 1);
  replacement += ' ';
  replacement += value;
  text.replace(splice.at, splice.removed, replacement);
  return splice;
}

InsertionPoint WhereKeyGoes(std::string_view text, const SectionSpan& section) {
  if (section.last) return InsertionPoint{text.size(), !text.empty() && text.back() != '\n'};
  size_t floor = NextLine(text, section.body);
  auto back_over_blank_lines = [&](size_t pos) {
    while (pos > floor) {
      size_t prev = LineStartBefore(text, pos - 1);
      if (!IsBlankLine(text.substr(prev, pos - prev))) break;
      pos = prev;
    }
    return pos;
  };
  // Only the next section's own banner, as the writer makes it, belongs to
  // that section; any other comment line belongs to this one.
  size_t tail = back_over_blank_lines(LineStartBefore(text, section.end));
  size_t banner = section.end;
  Line next = ParseLine(text, section.end);
  if (tail > floor && next.header) {
    size_t prev = LineStartBefore(text, tail - 1);
    std::string_view candidate = text.substr(prev, LineEndAfter(text, prev) - prev);
    if (SameName(candidate, Banner(text.substr(next.name_begin, next.name_end - next.name_begin)))) {
      banner = prev;
      tail = back_over_blank_lines(prev);
    }
  }
  // After the section's first block when a blank line ends it before the
  // next banner; otherwise after the section's last non-blank line.
  size_t blank = text.substr(section.body, banner - section.body).find("\r\n\r\n");
  return InsertionPoint{blank != std::string_view::npos ? section.body + blank + 2 : tail, false};
}

Splice InsertKey(std::string& text, const SectionSpan& section, std::string_view key, std::string_view value) {
  InsertionPoint point = WhereKeyGoes(text, section);
  std::string line = point.line_break_first ? std::string(kLineEnd) : std::string();
  line += KeyLine(key, value);
  text.insert(point.at, line);
  return Splice{point.at, 0, line.size()};
}

Splice AppendSection(std::string& text, std::string_view section, std::string_view key, std::string_view value) {
  // The block's leading line break also ends a last line that has none.
  std::string block(kLineEnd);
  block += Banner(section);
  block += kLineEnd;
  block += kLineEnd;
  block += '[';
  block += UpperCase(section);
  block += ']';
  block += kLineEnd;
  block += KeyLine(key, value);
  Splice splice{text.size(), 0, block.size()};
  text += block;
  return splice;
}

// The whole line goes, its indentation too: left behind, the blanks would
// indent the line that follows.
Splice RemoveKey(std::string& text, const KeySpan& key) {
  size_t start = key.key;
  while (start > 0 && IsBlank(text[start - 1])) --start;
  size_t end = NextLine(text, key.key);
  Splice splice{start, end - start, 0};
  text.erase(splice.at, splice.removed);
  return splice;
}

Splice RemoveSection(std::string& text, const SectionSpan& section) {
  std::string_view view(text);
  size_t start = section.bracket;
  if (size_t banner = BannerBefore(view, start, view.substr(section.bracket + 1, section.body - section.bracket - 2))) {
    start -= banner;
    if (start >= 2 && view.substr(start - 2, 2) == kLineEnd) start -= 2;
  }
  size_t end = section.end;
  if (!section.last) {
    Line next = ParseLine(view, section.end);
    if (next.header) {
      if (size_t banner = BannerBefore(view, end, view.substr(next.name_begin, next.name_end - next.name_begin))) {
        end -= banner;
        if (end >= 2 && view.substr(end - 2, 2) == kLineEnd) end -= 2;
      }
    }
  }
  if (end < section.body) end = section.body;
  Splice splice{start, end - start, 0};
  text.erase(splice.at, splice.removed);
  return splice;
}

std::string EncodeText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    if (c != '\r' && c != '\n') out += c;
  }
  // Whatever the writer would trim from either end (a backspace or a bell
  // too) is kept inside quotes.
  if (!out.empty() && (IsTrimChar(out.front()) || out.front() == '"' || IsTrimChar(out.back()) || out.back() == '"')) {
    out.insert(out.begin(), '"');
    out += '"';
  }
  return out;
}

std::string EncodeDouble(double value) {
  char buffer[512];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
  if (result.ec != std::errc()) return "0.000000";
  return std::string(buffer, result.ptr);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string EncodeHex(std::string_view bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  bytes = bytes.substr(0, kHexMaxBytes);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (unsigned char c : bytes) {
    out += kDigits[c >> 4];
    out += kDigits[c & 15];
  }
  return out;
}

int DecodeInt(std::string_view value) {
  size_t i = 0;
  while (i < value.size() && IsSpaceClass(value[i])) ++i;
  bool negative = false;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
  long long n = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
    n = n * 10 + (value[i] - '0');
    if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) n = -n;
  if (n > INT_MAX) return INT_MAX;
  if (n < INT_MIN) return INT_MIN;
  return static_cast<int>(n);
}

double DecodeDouble(std::string_view value) {
  size_t i = 0;
  while (i < value.size() && IsSpaceClass(value[i])) ++i;
  std::string number;
  if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
    if (value[i] == '-') number += '-';
    ++i;
  }
  size_t digits = 0;
  for (; i < value.size() && value[i] >= '0' && value[i] <= '9' && digits < kMaxIntegerDigits; ++i, ++digits) {
    number += value[i];
  }
  if (digits < kMaxIntegerDigits && i < value.size() && (value[i] == '.' || value[i] == ',')) {
    number += '.';
    for (++i; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) number += value[i];
  }
  double result = 0.0;
  std::from_chars(number.data(), number.data() + number.size(), result, std::chars_format::fixed);
  return result;
}

bool DecodeBool(std::string_view value) {
  value = value.substr(0, 3);
  return SameName(value, "YES") || value == "1";
}

bool IsUnusableNumber(std::string_view value, bool converted_to_zero) {
  return converted_to_zero && value.find('0') == std::string_view::npos;
}

}  // namespace prefig::ini
