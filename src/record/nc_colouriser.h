#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "record/colour_list.h"

namespace prefig {

class GMachineType;

// The fixed colours of a machine type's colour table (FIXCOLOR0 to 13), by
// what the editor paints with them.
enum NcFixedColour : int {
  kNcText = 0,
  kNcBackground = 1,
  kNcHighlightBackground = 2,
  kNcBlockNumber = 3,
  kNcNumber = 4,
  kNcSyntaxError = 5,
  kNcComment = 6,
  kNcModalCode = 7,
  kNcMacroVariable = 8,
  kNcCurrentLine = 9,
  kNcBookmark = 10,
  kNcSearchMatch = 11,
  kNcLineNumberArea = 12,
  kNcColumnIndicator = 13,
  kNcFixedColours = 14,
};

// Everything that decides the colours of an NC program: the colour table
// of a machine type and its syntax characters.
struct NcSyntax {
  bool use = true;                                // USE: colour at all
  bool in_block = true;                           // INBLOCK: colour the words of a block, not only its frame
  bool modal = true;                              // USEMODALCOLORS: G words in the modal-code colour
  std::array<uint32_t, kNcFixedColours> fixed{};  // 0x00BBGGRR
  std::vector<UserColour> entries;                // any order; the colouriser sorts its copy
  char comment_start = '(';
  char comment_end = ')';         // '\0': a comment runs to the end of the line
  std::string block_skip = "/";   // each character marks a skipped block
  bool block_skip_after = false;  // the mark may also follow the block number
  char decimal = '.';
  bool multi_line_comments = false;
  std::string multi_line_start = "/*";
  std::string multi_line_end = "*/";
};

// The syntax a machine type's saved settings give.
NcSyntax NcSyntaxOf(const GMachineType& type);

// A run of a line's bytes in one colour (0x00BBGGRR).
struct NcSpan {
  uint32_t begin = 0;
  uint32_t length = 0;
  uint32_t colour = 0;
  bool operator==(const NcSpan&) const = default;
};

// What one line hands to the next: whether it ended inside a multi-line
// comment.
struct NcLineState {
  bool in_multi_line_comment = false;
  bool operator==(const NcLineState&) const = default;
};

// Colours NC text one line at a time (the line without its line end).
//
// The spans cover the line from its first byte to its last, in order,
// without gaps; neighbours of the same colour are one span; an empty line
// has none. Without USE the whole line is normal text. Otherwise, reading
// from the left, the first rule that applies at a position wins:
//
//  1. A multi-line comment (when enabled and both texts are set) runs from
//     its start text through its end text, across lines; the state says
//     whether the next line begins inside one. Comment colour.
//  2. The comment start character opens a comment through the comment end
//     character, or to the end of the line when no end character is set.
//     Comment colour; a comment whose end character is missing is a syntax
//     error and takes that colour.
//  3. A block-skip character as the line's first character after blanks
//     (and, with block skip after the block number, right after it) is the
//     skip mark: comment colour.
//  4. The block number, once, at the line's start (after blanks and a skip
//     mark): "N" or "n" and digits, or digits alone followed by a blank or
//     the line's end (Heidenhain numbers its blocks so). Block-number colour.
//
//  Without INBLOCK the rest of the line is normal text, except that user
//  entries with the entire-line flag still colour their line (rule 8).
//
//  5. With modal colours, a "G" word (the letter, no letter before it,
//     then a number) in the modal-code colour, letter and number.
//  6. A user entry: the entry whose text the line holds at this position
//     (case ignored), the longest first among those of the same first
//     letter, as the editor's letter index finds them. An entry that starts
//     with a letter is only found where no letter precedes, so "L" is not
//     found inside "FLANGE". The entry's colour takes its text, then with
//     the trailing-letters flag the letters after it, then with the
//     trailing-digits flag the number after those (sign, digits, decimal
//     character). A number not taken so is a number (rule 7).
//  7. "#" followed by digits is a macro variable; a number (digits with
//     the decimal character, a leading sign when a letter, blank or line
//     start precedes it) takes the number colour. Anything else is normal
//     text.
//  8. The first entry found (rule 6) with the entire-line flag gives its
//     colour to every byte of the line that is not a comment or skip mark.
//
// Numbers and positions are bytes: the text may be UTF-8, and only ASCII
// bytes have a meaning.
class NcColouriser {
 public:
  explicit NcColouriser(NcSyntax syntax);

  // Replaces `spans` with those of `line`; `state` goes in as the previous
  // line left it and comes out for the next one.
  void ColourLine(std::string_view line, NcLineState& state, std::vector<NcSpan>& spans) const;
  std::vector<NcSpan> ColourLine(std::string_view line, NcLineState& state) const;

  const NcSyntax& Syntax() const { return syntax_; }
  uint32_t Fixed(NcFixedColour which) const { return syntax_.fixed[which]; }

 private:
  struct Found {
    const UserColour* entry = nullptr;
    size_t end = 0;
  };
  Found FindEntry(std::string_view line, size_t at) const;

  NcSyntax syntax_;
  ColourList lookup_;  // the entries in lookup order, with their letter index
};

}  // namespace prefig
