#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "ini/ini_edit.h"
#include "ini/ini_index.h"
#include "ini/ini_text.h"

namespace prefig::ini {

// The keys a bulk load writes back as defaults into one section of a
// cached text, held back and inserted as one run. Inserted one by one, each
// key would move the rest of the text and every position the index holds,
// so a file of many sections that lack many keys took seconds to load. Every
// key of a run goes where the one before it ended, which is where
// InsertKey would put it, so the text comes out the same.
class KeyRun {
 public:
  // Whether the run collects the missing keys of `section` of `text`.
  bool IsFor(std::string_view text, std::string_view section) const;
  // A key of the run, its span within Lines().
  std::optional<KeySpan> Find(std::string_view key) const;
  const std::string& Lines() const { return lines_; }

  // Starts a run (the run held before must have been put in) or adds to
  // this one: `key` must be missing from the section and from the run.
  void Add(std::string_view text, const SectionSpan& section, std::string_view key, std::string_view value);
  // Inserts the run into the text and the index, and empties it.
  void PutIn(std::string& text, IniIndex& index);

 private:
  SectionSpan section_;
  InsertionPoint point_;
  std::string lines_;
  std::unordered_map<std::string, size_t> starts_;  // upper-cased name: where its line starts in lines_
};

// ApplyEdit for a cached text: a key missing from its section joins the
// run of that section (the run of another section is put in first); any
// other edit puts the run in and is applied as ApplyEdit applies it.
// Returns true when the text, with the run, changed.
bool ApplyCachedEdit(std::string& text, IniIndex& index, KeyRun& run, EditKind kind, std::string_view section,
                     std::string_view key, std::string_view value);

}  // namespace prefig::ini
