#include "context/path_table.h"

#include "ini/ini_text.h"

namespace prefig {

void PathTable::Set(std::string_view key, std::string_view value) {
  std::string upper = ini::UpperCase(key);
  for (Entry& entry : entries_) {
    if (entry.key == upper) {
      entry.value = value;
      return;
    }
  }
  entries_.push_back({std::move(upper), std::string(value)});
}

const std::string* PathTable::Find(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (ini::SameName(entry.key, key)) return &entry.value;
  }
  return nullptr;
}

}  // namespace prefig
