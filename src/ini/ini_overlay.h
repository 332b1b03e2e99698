#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// The defaults and locks that an administrator's site file lays under one
// user file: the same INI syntax, read by the store's rules (names without
// regard to case, the first of duplicate sections and keys wins). In a
// section, the key LOCKED names the keys of that section that the site
// fixes ("LOCKED = PROCESSOR, FILTERTYPE"), or "*" for all of them; readers
// that do not know it see one more unknown key, and the values stay ordinary
// key lines. Immutable once read, so one copy serves every reader.
class GIniOverlay {
 public:
  static constexpr std::string_view kLockKey = "LOCKED";
  static constexpr std::string_view kWholeSection = "*";

  // One key of the site file as `prefig site show` lists it.
  struct Entry {
    std::string section, key;  // key "*": the whole section is locked
    std::optional<std::string> value;
    bool locked = false;
  };

  // `source` names the file for messages and tooltips.
  GIniOverlay(std::string source, std::string_view text);

  // Null when the text can be read as a site file, else why not: a site
  // file is text, and a binary file there is a damaged one, not settings.
  static const char* WhyUnusable(std::string_view text);

  const std::string& Source() const { return source_; }
  // The value a read returns (trimmed, one pair of enclosing quotes taken
  // off), or nothing when the site file lacks the key.
  std::optional<std::string_view> Value(std::string_view section, std::string_view key) const;
  bool IsLocked(std::string_view section, std::string_view key) const;
  bool IsSectionLocked(std::string_view section) const;
  bool HasSection(std::string_view section) const;
  bool HasLocks() const { return has_locks_; }
  // Every value and lock in file order; in each section the whole-section
  // lock first, then its keys, then locked keys the file gives no value.
  std::vector<Entry> Entries() const;

 private:
  struct Key {
    std::string name;  // upper case
    std::string value;
  };
  struct Section {
    std::string name;  // upper case
    std::vector<Key> keys;
    std::vector<std::string> locked;  // upper case
    bool all_locked = false;
  };
  const Section* FindSection(std::string_view name) const;

  std::string source_;
  std::vector<Section> sections_;
  bool has_locks_ = false;
};

}  // namespace prefig
