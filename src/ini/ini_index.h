#pragma once
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "ini/ini_text.h"

namespace prefig::ini {

// Where every section and key of a cached text stands, so that bulk loading
// and saving find each one in constant time instead of rescanning the text.
// It answers exactly as FindSection and FindKey do (the first of duplicate
// headers or keys wins) and follows value replacements and insertions;
// removals make it rebuild on the next lookup.
class IniIndex {
 public:
  void Invalidate() { built_ = false; }

  std::optional<SectionSpan> FindSection(std::string_view text, std::string_view name);
  std::optional<KeySpan> FindKey(std::string_view text, const SectionSpan& section, std::string_view key);

  // Called after the edit has been applied to `text`.
  void AfterValueReplaced(const Splice& splice);
  // One or more key lines inserted one after the other into one section.
  void AfterKeysInserted(std::string_view text, const SectionSpan& section, const Splice& splice);
  void AfterSectionAppended(std::string_view text, const Splice& splice);

 private:
  struct Section {
    SectionSpan span;
    uint32_t name_length;
    uint64_t hash;
  };
  struct Key {
    uint32_t section;
    uint32_t name_length;
    size_t key;
    size_t equals;
    uint64_t hash;
  };

  void Build(std::string_view text);
  int AddSection(std::string_view text, const Line& header);
  void AddKey(std::string_view text, uint32_t section, const Line& line);
  int NumberOf(std::string_view text, const SectionSpan& span) const;
  int SectionNumber(std::string_view text, std::string_view name, uint64_t hash) const;
  int KeyNumber(std::string_view text, uint32_t section, std::string_view key, uint64_t hash) const;
  void Shift(size_t from, std::ptrdiff_t delta);

  bool built_ = false;
  int last_section_ = -1;  // the section found last
  std::vector<Section> sections_;
  std::vector<Key> keys_;
  std::vector<uint32_t> section_slots_;  // open addressing: entry + 1, 0 = empty
  std::vector<uint32_t> key_slots_;
};

}  // namespace prefig::ini
