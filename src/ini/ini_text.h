#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text.h"

// The INI text format as pure functions over the file's bytes: finding
// sections and keys, and the in-place edits. Everything that reads or writes
// an INI file goes through these, in direct mode, in cache mode and in the
// cache's index alike.
namespace prefig::ini {

inline constexpr std::string_view kLineEnd = "\r\n";

// Trimming removes blanks and the control characters LF, TAB, VT, BS, CR,
// FF and BEL from either end.
using platform::IsTrimChar;
using platform::Trim;
// Items split at commas, trimmed, empty ones dropped.
inline std::vector<std::string> SplitCommaList(std::string_view text) { return platform::SplitCommaItems(text); }
std::string JoinCommaList(const std::vector<std::string>& items, std::string_view separator = ",");
// SplitCommaList joined by `separator`.
std::string NormaliseCommaList(std::string_view text, std::string_view separator);
// Spaces and tabs only: what may stand around `=` and between the parts of
// a key line.
inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }
// What may stand before a section header or a key on its line.
inline bool IsLeadingSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

// Names are compared and cased in ASCII only, whatever locale the host has set.
inline char FoldCase(char c) { return platform::UpperCaseChar(c); }
inline bool SameName(std::string_view a, std::string_view b) { return platform::SameIgnoringCase(a, b); }
inline std::string UpperCase(std::string_view s) { return platform::UpperCaseAscii(s); }
using platform::LowerCaseChar;
inline std::string LowerCase(std::string_view s) { return platform::LowerCaseAscii(s); }

// A name that a later lookup could never find again (a section name that
// begins or ends with white space or holds `]` or a line break, a key that
// holds `=` or a line break) would make every write append a fresh copy; such
// names are refused by every operation of the store, reads included, so that
// a name one operation finds, all find. Null for a usable name, else why not.
const char* WhyUnusableSectionName(std::string_view name);
const char* WhyUnusableKeyName(std::string_view name);
inline bool IsUsableSectionName(std::string_view name) { return WhyUnusableSectionName(name) == nullptr; }
inline bool IsUsableKeyName(std::string_view name) { return WhyUnusableKeyName(name) == nullptr; }

// One logical line as the reader sees it: leading white space (blank lines
// included) skipped, then a section boundary, a key line or anything else.
struct Line {
  enum Kind { kEnd, kBoundary, kKey, kOther } kind = kEnd;
  size_t start = 0;  // first non-white character
  size_t next = 0;   // where the following line begins (after LF or at the end)
  // kBoundary: the header name when it is a well-formed `[NAME]`: everything
  // up to the first `]` of the line, when that is a usable section name.
  bool header = false;
  size_t name_begin = 0, name_end = 0;  // header name, or key name without trailing blanks
  size_t equals = 0;                    // kKey: position of `=`
};
Line ParseLine(std::string_view text, size_t pos);

struct SectionSpan {
  size_t bracket = 0;  // the `[` of the header
  size_t body = 0;     // just after `]`
  size_t end = 0;      // the `[` of the next boundary line, or the end of the text
  bool last = true;    // no boundary line follows
};

struct KeySpan {
  size_t key = 0;       // first character of the key name
  size_t equals = 0;    // the `=`
  size_t line_end = 0;  // CR, LF or end of text after the value
};

std::optional<SectionSpan> FindSection(std::string_view text, std::string_view name);
std::optional<KeySpan> FindKey(std::string_view text, const SectionSpan& section, std::string_view key);
// The section that starts with the boundary at `bracket` (used by the index).
SectionSpan SectionAt(std::string_view text, size_t bracket, size_t body);
KeySpan KeyAt(std::string_view text, const Line& line);
// The first CR or LF at or after `pos`, or the end of the text.
size_t LineEnd(std::string_view text, size_t pos);

// Everything after `=` up to the line end, trimmed: what an unchanged write
// compares against.
std::string_view StoredValue(std::string_view text, const KeySpan& key);
// The value as a read returns it: blanks after `=` skipped, trailing white
// space removed, one enclosing pair of double quotes taken off.
std::string_view ReadValue(std::string_view text, const KeySpan& key);

std::string Banner(std::string_view section);
std::string KeyLine(std::string_view key, std::string_view value);

// An edit replaced `removed` bytes at `at` with `inserted` bytes.
struct Splice {
  size_t at = 0;
  size_t removed = 0;
  size_t inserted = 0;
};

Splice ReplaceValue(std::string& text, const KeySpan& key, std::string_view value);
// Where a key missing from a section is inserted, and whether a line break
// must end the text's last line first. A key inserted there is where the
// next missing key of the section goes after it.
struct InsertionPoint {
  size_t at = 0;
  bool line_break_first = false;
};
InsertionPoint WhereKeyGoes(std::string_view text, const SectionSpan& section);
Splice InsertKey(std::string& text, const SectionSpan& section, std::string_view key, std::string_view value);
Splice AppendSection(std::string& text, std::string_view section, std::string_view key, std::string_view value);
Splice RemoveKey(std::string& text, const KeySpan& key);
Splice RemoveSection(std::string& text, const SectionSpan& section);

// Value encodings.
std::string EncodeText(std::string_view text);  // line breaks removed, quoted when needed
std::string EncodeDouble(double value);         // "%f" in the C locale
std::string EncodeHex(std::string_view bytes);  // "%02X" per byte, at most 260 bytes
int HexDigit(char c);                           // 0 to 15, or -1 for no hexadecimal digit
int DecodeInt(std::string_view value);          // atoi, saturating
double DecodeDouble(std::string_view value);    // "." or "," as decimal point, no exponent
bool DecodeBool(std::string_view value);        // "yes" in any case, or "1"
bool IsUnusableNumber(std::string_view value, bool converted_to_zero);

}  // namespace prefig::ini
