#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class DEditorSetupMain;
class WControl;

// Finding a setting by typing: a control matches when its text (or its
// label's), its help text, its INI key (SECTION/KEY, so "TABCHARS" and
// "SYSTEM/TABCHARS" both find it) or the value it shows holds the search
// text, in the dialog's language, regardless of case and accents.
namespace setting_search {

// The texts of the search field, its switch and the reset command.
inline constexpr int kSearchPlaceholderId = 16100;
inline constexpr int kModifiedOnlyId = 16101;
inline constexpr int kResetToDefaultId = 16102;
inline constexpr int kSearchHelpId = 16103;
inline constexpr int kModifiedOnlyHelpId = 16104;

// A text as the search compares it: lower case, accents dropped ("é" is
// "e", "ß" is "ss"); other characters are kept as they are.
std::string Fold(std::string_view text);

// Which of a control's texts matched, in the order they are tried.
enum class Field { kText, kValue, kKey, kHelp };

struct Match {
  int entry = -1;  // the page's entry in the dialog's tree
  WControl* control = nullptr;
  std::string name;  // as `prefig page show` names the control
  Field field = Field::kText;
  std::string text;  // the text that matched, on one line
};

struct Query {
  std::string text;            // empty: every control (for modified_only)
  bool modified_only = false;  // only controls that differ from the page's default
};

// Whether the query narrows anything.
bool IsActive(const Query& query);

// The matching controls of every page of the dialog's tree, in tree order
// and then layout order. A page not yet loaded is searched from its
// declarations and the record's values and stays unloaded, so OK still
// writes only pages that were shown.
std::vector<Match> Find(DEditorSetupMain& dialog, const Query& query);

// The number of matches of each tree entry (`entries` long).
std::vector<int> CountPerEntry(const std::vector<Match>& matches, size_t entries);

}  // namespace setting_search
}  // namespace prefig
