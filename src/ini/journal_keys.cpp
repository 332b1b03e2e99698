#include "ini/journal_keys.h"

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

}  // namespace

std::vector<std::string> ChangedKeys(std::string_view old_text, std::string_view new_text) {
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
