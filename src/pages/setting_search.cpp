#include "pages/setting_search.h"

#include <algorithm>
#include <cstring>

#include "context/utf8.h"
#include "controls/push_button.h"
#include "pages/config_base.h"
#include "pages/editor_setup_main.h"
#include "pages/page_text.h"

namespace prefig::setting_search {
namespace {

// The base letters of U+00C0 to U+00FF; '*' marks the signs that stay.
constexpr std::string_view kLatin1Letters = "aaaaaa*ceeeeiiiidnooooo*ouuuuy**aaaaaa*ceeeeiiiidnooooo*ouuuuy*y";
// The base letters of U+0100 to U+017F (Latin Extended-A); '*' marks the
// ligatures, spelled out below.
constexpr std::string_view kExtendedALetters =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii**jjkkkllllllllllnnnnnnnnnoooooo**rrrrrrssssssssttttttuuuuuu"
    "uuuuuuwwyyyzzzzzzs";

// What a code point of the two Latin blocks folds to; empty when none.
std::string_view FoldLatin(char32_t c) {
  switch (c) {
    case 0xC6:
    case 0xE6: return "ae";
    case 0xDE:
    case 0xFE: return "th";
    case 0xDF: return "ss";
    case 0x132:
    case 0x133: return "ij";
    case 0x152:
    case 0x153: return "oe";
    default: break;
  }
  std::string_view letter;
  if (c >= 0xC0 && c <= 0xFF) letter = kLatin1Letters.substr(c - 0xC0, 1);
  if (c >= 0x100 && c <= 0x17F) letter = kExtendedALetters.substr(c - 0x100, 1);
  return letter == "*" ? std::string_view() : letter;
}

char32_t CodePointOf(std::string_view bytes) {
  auto byte = [&bytes](size_t i) { return static_cast<char32_t>(static_cast<unsigned char>(bytes[i])); };
  switch (bytes.size()) {
    case 2: return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    case 3: return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    case 4: return ((byte(0) & 0x07) << 18) | ((byte(1) & 0x3F) << 12) | ((byte(2) & 0x3F) << 6) | (byte(3) & 0x3F);
    default: return byte(0);
  }
}

// A help text in mark-up as the reader sees it: the tags dropped, the
// common entities written out.
std::string PlainHelpText(std::string_view text) {
  if (text.empty() || text.front() != '<') return std::string(text);
  std::string plain;
  bool in_tag = false;
  for (char c : text) {
    if (c == '<') {
      in_tag = true;
      plain += ' ';
    } else if (c == '>') {
      in_tag = false;
    } else if (!in_tag) {
      plain += c;
    }
  }
  for (auto [entity, letter] : {std::pair{"&nbsp;", " "}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}}) {
    for (size_t at; (at = plain.find(entity)) != std::string::npos;) plain.replace(at, std::strlen(entity), letter);
  }
  return plain;
}

std::string TextWithoutMnemonics(std::string text) {
  std::erase(text, '&');
  return text;
}

// At most this much of a long text on either side of the match.
constexpr size_t kExcerptContext = 40;

// The part of a long text around its match, cut at UTF-8 boundaries.
std::string Excerpt(const std::string& text, const std::string& folded, const std::string& needle) {
  if (text.size() <= 2 * kExcerptContext + needle.size()) return text;
  // Folding keeps ASCII in place, so the match's position is near enough.
  size_t at = std::min(folded.find(needle), text.size());
  size_t start = at > kExcerptContext ? at - kExcerptContext : 0;
  while (start > 0 && Utf8SequenceLength(text, start) == 0) --start;
  std::string_view rest = CutUtf8(std::string_view(text).substr(start), 2 * kExcerptContext + needle.size());
  return (start > 0 ? "..." : "") + std::string(rest) + (start + rest.size() < text.size() ? "..." : "");
}

// The texts a user sees of a control, and its key.
struct Candidate {
  std::string text, value, key, help;
};

Candidate CandidateOf(WConfigBase& page, const page_text::ControlLine& line) {
  const WControl& control = *line.control;
  Candidate candidate;
  if (control.Kind() == ControlKind::kIconButton) {
    candidate.text = static_cast<const WIcoButton&>(control).Tooltip();
  } else if (!page.IsLoaded() && control.TextId() != 0) {
    candidate.text = MessageString(control.TextId(), true);
  } else {
    candidate.text = TextWithoutMnemonics(control.Label() != nullptr ? control.Label()->Text() : control.Text());
  }
  if (control.Kind() != ControlKind::kIconButton && control.Kind() != ControlKind::kPushButton &&
      control.Kind() != ControlKind::kCheckBox) {
    candidate.value = page.HoldsItsValues() ? line.value : page_text::ValueTextOf(page, control);
  }
  if (control.BoundSetting() != nullptr) candidate.key = line.name;
  candidate.help = PlainHelpText(MessageString(control.HelpId()));
  return candidate;
}

// Only what a user can see and go to: labels, pictures and icons go with
// their controls, and a control the page hides (one it keeps for what it
// derives) is not there for the user.
bool IsSearchedControl(const WControl& control) {
  return control.IsTabStop() && control.IsVisible() && control.Kind() != ControlKind::kPicture &&
         control.Kind() != ControlKind::kIcon;
}

// Without a text (the modified ones alone) a control is named by its value.
bool MatchCandidate(const Candidate& candidate, const std::string& needle, Match& match) {
  const bool by_value = needle.empty() && !candidate.value.empty();
  const std::pair<Field, const std::string*> fields[] = {
      {by_value ? Field::kValue : Field::kText, by_value ? &candidate.value : &candidate.text},
      {Field::kValue, &candidate.value},
      {Field::kKey, &candidate.key},
      {Field::kHelp, &candidate.help}};
  for (const auto& [field, text] : fields) {
    if (text->empty()) continue;
    std::string folded = Fold(*text);
    if (needle.empty() || folded.find(needle) != std::string::npos) {
      match.field = field;
      match.text = Excerpt(*text, folded, needle);
      std::replace_if(
          match.text.begin(), match.text.end(), [](char c) { return c == '\n' || c == '\t' || c == '\r'; }, ' ');
      return true;
    }
  }
  return false;
}

}  // namespace

std::string Fold(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    size_t length = Utf8SequenceLength(text, i);
    if (length <= 1) {
      char c = text[i];
      folded += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
      i += length == 0 ? 1 : length;
      continue;
    }
    std::string_view sequence = text.substr(i, length);
    char32_t code = CodePointOf(sequence);
    if (code >= 0x300 && code <= 0x36F) {
      // A combining accent of a decomposed letter.
    } else if (std::string_view base = FoldLatin(code); !base.empty()) {
      folded += base;
    } else {
      folded += sequence;
    }
    i += length;
  }
  return folded;
}

bool IsActive(const Query& query) { return !query.text.empty() || query.modified_only; }

std::vector<Match> Find(DEditorSetupMain& dialog, const Query& query) {
  std::vector<Match> matches;
  if (!IsActive(query)) return matches;
  const std::string needle = Fold(query.text);
  const auto& tree = dialog.Tree();
  for (size_t entry = 0; entry < tree.size(); ++entry) {
    WConfigBase& page = *tree[entry].page;
    for (const page_text::ControlLine& line : page_text::Describe(page)) {
      if (!IsSearchedControl(*line.control)) continue;
      if (query.modified_only && line.state.find("modified") == std::string::npos) continue;
      Match match;
      if (!MatchCandidate(CandidateOf(page, line), needle, match)) continue;
      match.entry = static_cast<int>(entry);
      match.control = line.control;
      match.name = line.name;
      matches.push_back(std::move(match));
    }
  }
  return matches;
}

std::vector<int> CountPerEntry(const std::vector<Match>& matches, size_t entries) {
  std::vector<int> counts(entries, 0);
  for (const Match& match : matches) {
    if (match.entry >= 0 && static_cast<size_t>(match.entry) < entries) ++counts[static_cast<size_t>(match.entry)];
  }
  return counts;
}

}  // namespace prefig::setting_search
