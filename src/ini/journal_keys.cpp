#include "ini/journal_keys.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "ini/ini_text.h"

namespace prefig::journal {
namespace {

struct KeyValue {
  std::string name;  // SECTION/KEY as spelled
  std::string_view value;
};

// Every key of the text in order, with its folded SECTION/KEY for lookups.
struct KeyTable {
  std::vector<std::pair<std::string, KeyValue>> keys;
  std::unordered_map<std::string, size_t> index;
};

KeyTable KeysOfText(std::string_view text) {
  KeyTable table;
  std::unordered_set<std::string> sections_seen;
  std::string section, folded_section;
  bool in_section = false;
  for (size_t pos = 0; pos < text.size();) {
    ini::Line line = ini::ParseLine(text, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    if (line.kind == ini::Line::kBoundary) {
      in_section = false;
      if (!line.header) continue;
      section = std::string(text.substr(line.name_begin, line.name_end - line.name_begin));
      folded_section = ini::UpperCase(section);
      // Keys under a second header of one name are never read.
      in_section = sections_seen.insert(folded_section).second;
      continue;
    }
    if (line.kind != ini::Line::kKey || !in_section) continue;
    std::string_view key = text.substr(line.name_begin, line.name_end - line.name_begin);
    std::string folded = folded_section + "/" + ini::UpperCase(key);
    if (table.index.count(folded) != 0) continue;
    ini::KeySpan span = ini::KeyAt(text, line);
    table.index.emplace(folded, table.keys.size());
    table.keys.push_back({folded, {section + "/" + std::string(key), ini::StoredValue(text, span)}});
  }
  return table;
}

// Files that a save rewrote keep their keys in the same order; then a walk
// of both texts side by side finds the changed values without any lookup.
// A raw key is one key line under a header, duplicates included.
struct RawKey {
  std::string_view section, key, value;
  bool read = true;  // the store reads this line (first of its name, under the first header)
};

std::vector<RawKey> RawKeysOfText(std::string_view text) {
  std::vector<RawKey> keys;
  std::vector<std::string_view> sections;
  std::string_view section;
  bool in_section = false, first_header = false;
  for (size_t pos = 0; pos < text.size();) {
    ini::Line line = ini::ParseLine(text, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    if (line.kind == ini::Line::kBoundary) {
      in_section = line.header;
      if (!line.header) continue;
      section = text.substr(line.name_begin, line.name_end - line.name_begin);
      first_header = true;
      for (std::string_view seen : sections) first_header = first_header && !ini::SameName(seen, section);
      if (first_header) sections.push_back(section);
      continue;
    }
    if (line.kind != ini::Line::kKey || !in_section) continue;
    std::string_view key = text.substr(line.name_begin, line.name_end - line.name_begin);
    keys.push_back({section, key, ini::StoredValue(text, ini::KeyAt(text, line)), first_header});
  }
  return keys;
}

bool SameKeyName(const RawKey& a, const RawKey& b) {
  return ini::SameName(a.key, b.key) && ini::SameName(a.section, b.section);
}

// Null when the two texts do not hold the same key lines in the same order.
std::optional<std::vector<std::string>> ChangedKeysInStep(std::string_view old_text, std::string_view new_text) {
  std::vector<RawKey> before = RawKeysOfText(old_text), after = RawKeysOfText(new_text);
  if (before.size() != after.size()) return std::nullopt;
  std::vector<std::string> changed;
  for (size_t i = 0; i < after.size(); ++i) {
    if (!SameKeyName(before[i], after[i]) || before[i].read != after[i].read) return std::nullopt;
    if (!after[i].read || before[i].value == after[i].value) continue;
    // A second line of a key in its section is not read either.
    bool first = true;
    for (size_t j = 0; j < i && first; ++j) first = !(after[j].read && SameKeyName(after[j], after[i]));
    if (first) changed.push_back(std::string(after[i].section) + "/" + std::string(after[i].key));
  }
  return changed;
}

}  // namespace

std::vector<std::string> ChangedKeys(std::string_view old_text, std::string_view new_text) {
  if (auto in_step = ChangedKeysInStep(old_text, new_text)) return *std::move(in_step);
  KeyTable before = KeysOfText(old_text), after = KeysOfText(new_text);
  std::vector<std::string> changed;
  for (const auto& [folded, entry] : after.keys) {
    auto old = before.index.find(folded);
    if (old == before.index.end() || before.keys[old->second].second.value != entry.value) {
      changed.push_back(entry.name);
    }
  }
  for (const auto& [folded, entry] : before.keys) {
    if (after.index.count(folded) == 0) changed.push_back(entry.name);
  }
  return changed;
}

}  // namespace prefig::journal
