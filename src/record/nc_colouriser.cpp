#include "record/nc_colouriser.h"

#include <utility>

#include "record/machine_type.h"
#include "record/setting_values.h"
#include "schema/control_syntax.h"
#include "schema/syntax_colors.h"

namespace prefig {
namespace {

// Marks a span of the line's frame (comments, skip marks) while the line is
// read, so that an entire-line colour passes it by; never leaves ColourLine.
constexpr uint32_t kNcFrameBit = 0x80000000u;

bool IsNcLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNcDigit(char c) { return c >= '0' && c <= '9'; }
char NcUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
int NcLetterSlot(char c) {
  c = NcUpper(c);
  return c >= 'A' && c <= 'Z' ? c - 'A' : ColourList::kLetterSlots - 1;
}

bool NcHoldsAt(std::string_view line, size_t at, std::string_view text) {
  if (text.size() > line.size() - at) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (NcUpper(line[at + i]) != text[i]) return false;
  }
  return true;
}

// The end of a number starting at `at` (digits and decimal characters,
// with a leading sign when `signed_ok`); `at` when there is none.
size_t NcNumberEnd(std::string_view line, size_t at, char decimal, bool signed_ok) {
  size_t i = at;
  if (signed_ok && i < line.size() && (line[i] == '+' || line[i] == '-')) ++i;
  size_t digits = 0;
  while (i < line.size() && (IsNcDigit(line[i]) || (line[i] == decimal && decimal != '\0'))) {
    if (IsNcDigit(line[i])) ++digits;
    ++i;
  }
  return digits > 0 ? i : at;
}

size_t NcSkipBlanks(std::string_view line, size_t at) {
  while (at < line.size() && (line[at] == ' ' || line[at] == '\t')) ++at;
  return at;
}

class NcSpanWriter {
 public:
  explicit NcSpanWriter(std::vector<NcSpan>& spans) : spans_(spans) { spans_.clear(); }
  void Add(size_t begin, size_t end, uint32_t colour) {
    if (end <= begin) return;
    if (!spans_.empty() && spans_.back().colour == colour && spans_.back().begin + spans_.back().length == begin) {
      spans_.back().length += static_cast<uint32_t>(end - begin);
      return;
    }
    spans_.push_back({static_cast<uint32_t>(begin), static_cast<uint32_t>(end - begin), colour});
  }

 private:
  std::vector<NcSpan>& spans_;
};

// Gives the line's words `colour` (an entire-line entry), drops the frame
// marks and joins the neighbours that now share a colour.
void FinishNcSpans(std::vector<NcSpan>& spans, bool recolour, uint32_t colour) {
  size_t out = 0;
  for (size_t i = 0; i < spans.size(); ++i) {
    NcSpan span = spans[i];
    if ((span.colour & kNcFrameBit) != 0) {
      span.colour &= ~kNcFrameBit;
    } else if (recolour) {
      span.colour = colour;
    }
    if (out > 0 && spans[out - 1].colour == span.colour) {
      spans[out - 1].length += span.length;
    } else {
      spans[out++] = span;
    }
  }
  spans.resize(out);
}

}  // namespace

NcSyntax NcSyntaxOf(const GMachineType& type) {
  const SettingValues& values = type.Values();
  NcSyntax syntax;
  syntax.use = values.Bool(schema::kUse);
  syntax.in_block = values.Bool(schema::kInBlock);
  syntax.modal = values.Bool(schema::kUseModalColors);
  for (int i = 0; i < kNcFixedColours; ++i) syntax.fixed[i] = values.Colour(schema::kFixColor, i) & 0xFFFFFF;
  syntax.entries = type.Colours().Entries();
  syntax.comment_start = values.Char(schema::kCommentStart);
  syntax.comment_end = values.Char(schema::kCommentEnd);
  syntax.block_skip = values.Text(schema::kBlockSkip);
  syntax.block_skip_after = values.Bool(schema::kBlockSkipAfter);
  syntax.decimal = values.Char(schema::kDecimal);
  syntax.multi_line_comments = values.Bool(schema::kMlcEnabled);
  syntax.multi_line_start = values.Text(schema::kMlcStart);
  syntax.multi_line_end = values.Text(schema::kMlcEnd);
  return syntax;
}

// A table read from a file keeps the file's order, which a hand-edited or
// shipped file need not have sorted; the letter index finds the right entry
// only in lookup order, so the colouriser sorts its own copy.
NcColouriser::NcColouriser(NcSyntax syntax) : syntax_(std::move(syntax)) {
  std::vector<UserColour> entries;
  for (const UserColour& entry : syntax_.entries) {
    if (entry.text.empty()) continue;
    UserColour upper = entry;
    for (char& c : upper.text) c = NcUpper(c);
    entries.push_back(std::move(upper));
  }
  SortForLookup(entries);
  lookup_.SetEntries(std::move(entries));
}

NcColouriser::Found NcColouriser::FindEntry(std::string_view line, size_t at) const {
  int slot = NcLetterSlot(line[at]);
  int first = lookup_.LetterIndex()[slot];
  if (first == 0) return {};
  if (slot < ColourList::kLetterSlots - 1 && at > 0 && IsNcLetter(line[at - 1])) return {};
  const std::vector<UserColour>& entries = lookup_.Entries();
  for (size_t i = static_cast<size_t>(first - 1); i < entries.size(); ++i) {
    const UserColour& entry = entries[i];
    if (NcLetterSlot(entry.text[0]) != slot) {
      if (slot < ColourList::kLetterSlots - 1) break;  // letters are grouped; the others lie behind, unsorted
      continue;
    }
    if (NcHoldsAt(line, at, entry.text)) return {&entry, at + entry.text.size()};
  }
  return {};
}

std::vector<NcSpan> NcColouriser::ColourLine(std::string_view line, NcLineState& state) const {
  std::vector<NcSpan> spans;
  ColourLine(line, state, spans);
  return spans;
}

void NcColouriser::ColourLine(std::string_view line, NcLineState& state, std::vector<NcSpan>& spans) const {
  NcSpanWriter out(spans);
  const NcSyntax& s = syntax_;
  const uint32_t text = s.fixed[kNcText];
  if (!s.use) {
    out.Add(0, line.size(), text);
    return;
  }
  const bool multi_line = s.multi_line_comments && !s.multi_line_start.empty() && !s.multi_line_end.empty();
  const uint32_t comment = s.fixed[kNcComment] | kNcFrameBit;
  const char decimal = s.decimal == '\0' ? '.' : s.decimal;

  size_t i = 0;
  // Where a block number may stand, and where a skip mark may.
  size_t line_start = NcSkipBlanks(line, 0);
  bool block_number_done = false;
  bool entire_line = false;
  uint32_t entire_colour = 0;

  auto is_skip = [&](char c) { return s.block_skip.find(c) != std::string::npos; };

  while (i < line.size()) {
    if (state.in_multi_line_comment) {
      size_t end = line.find(s.multi_line_end, i);
      size_t stop = end == std::string_view::npos ? line.size() : end + s.multi_line_end.size();
      out.Add(i, stop, comment);
      if (end != std::string_view::npos) state.in_multi_line_comment = false;
      i = stop;
      continue;
    }
    if (multi_line && line.compare(i, s.multi_line_start.size(), s.multi_line_start) == 0) {
      state.in_multi_line_comment = true;
      out.Add(i, i + s.multi_line_start.size(), comment);
      i += s.multi_line_start.size();
      continue;
    }
    char c = line[i];
    if (c == s.comment_start && c != '\0') {
      size_t end = s.comment_end == '\0' ? std::string_view::npos : line.find(s.comment_end, i + 1);
      if (end == std::string_view::npos) {
        out.Add(i, line.size(), s.comment_end == '\0' ? comment : (s.fixed[kNcSyntaxError] | kNcFrameBit));
        i = line.size();
      } else {
        out.Add(i, end + 1, comment);
        i = end + 1;
      }
      continue;
    }
    if (c == ' ' || c == '\t') {
      out.Add(i, i + 1, text);
      ++i;
      continue;
    }
    if (i == line_start && is_skip(c)) {
      out.Add(i, i + 1, comment);
      line_start = NcSkipBlanks(line, i + 1);
      ++i;
      continue;
    }
    if (!block_number_done && i == line_start) {
      block_number_done = true;
      size_t digits_from = (c == 'N' || c == 'n') ? i + 1 : i;
      size_t end = digits_from;
      while (end < line.size() && IsNcDigit(line[end])) ++end;
      bool numbered =
          end > digits_from && (digits_from > i || end == line.size() || line[end] == ' ' || line[end] == '\t');
      if (numbered) {
        out.Add(i, end, s.fixed[kNcBlockNumber]);
        i = end;
        if (s.block_skip_after) {
          size_t mark = NcSkipBlanks(line, i);
          if (mark < line.size() && is_skip(line[mark])) line_start = mark;
        }
        continue;
      }
    }
    if (s.modal && (c == 'G' || c == 'g') && (i == 0 || !IsNcLetter(line[i - 1]))) {
      size_t end = NcNumberEnd(line, i + 1, decimal, false);
      if (end > i + 1) {
        out.Add(i, end, s.in_block ? s.fixed[kNcModalCode] : text);
        i = end;
        continue;
      }
    }
    Found found = FindEntry(line, i);
    if (found.entry != nullptr) {
      auto item = static_cast<uint32_t>(found.entry->item);
      size_t end = found.end;
      if ((item & kColourTrailingLetters) != 0) {
        while (end < line.size() && IsNcLetter(line[end])) ++end;
      }
      if ((item & kColourTrailingDigits) != 0) end = NcNumberEnd(line, end, decimal, true);
      if ((item & kColourEntireLine) != 0 && !entire_line) {
        entire_line = true;
        entire_colour = item & 0xFFFFFF;
      }
      out.Add(i, end, s.in_block ? (item & 0xFFFFFF) : text);
      i = end;
      continue;
    }
    if (c == '#' && i + 1 < line.size() && IsNcDigit(line[i + 1])) {
      size_t end = i + 1;
      while (end < line.size() && IsNcDigit(line[end])) ++end;
      out.Add(i, end, s.in_block ? s.fixed[kNcMacroVariable] : text);
      i = end;
      continue;
    }
    bool sign_ok = i == 0 || IsNcLetter(line[i - 1]) || line[i - 1] == ' ' || line[i - 1] == '\t';
    size_t end = NcNumberEnd(line, i, decimal, sign_ok);
    if (end > i) {
      out.Add(i, end, s.in_block ? s.fixed[kNcNumber] : text);
      i = end;
      continue;
    }
    out.Add(i, i + 1, text);
    ++i;
  }
  FinishNcSpans(spans, entire_line, entire_colour);
}

}  // namespace prefig
