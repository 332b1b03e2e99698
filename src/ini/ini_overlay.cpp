#include "ini/ini_overlay.h"

#include <algorithm>

#include "ini/ini_text.h"

namespace prefig {
namespace {

bool Contains(const std::vector<std::string>& names, std::string_view name) {
  return std::any_of(names.begin(), names.end(), [name](const std::string& n) { return ini::SameName(n, name); });
}

}  // namespace

// Control characters other than the white space of text files mean the
// file is no text (a zero byte would read as a space in a user file; in a
// site file it says the copy went wrong).
const char* GIniOverlay::WhyUnusable(std::string_view text) {
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    bool text_space = c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r' || byte == 0x1a;
    if ((byte < 0x20 && !text_space) || byte == 0x7f) return "it is no text file";
  }
  return nullptr;
}

GIniOverlay::GIniOverlay(std::string source, std::string_view text) : source_(std::move(source)) {
  std::string normalised(text);
  std::replace(normalised.begin(), normalised.end(), '\0', ' ');
  std::string_view all = normalised;
  Section* current = nullptr;
  for (size_t pos = 0;;) {
    ini::Line line = ini::ParseLine(all, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    if (line.kind == ini::Line::kBoundary) {
      current = nullptr;
      if (!line.header) continue;
      std::string name = ini::UpperCase(all.substr(line.name_begin, line.name_end - line.name_begin));
      // As the store reads: a second header of a name hides its keys.
      if (FindSection(name) != nullptr) continue;
      current = &sections_.emplace_back();
      current->name = std::move(name);
      continue;
    }
    if (line.kind != ini::Line::kKey || current == nullptr) continue;
    std::string key = ini::UpperCase(all.substr(line.name_begin, line.name_end - line.name_begin));
    if (key.empty() || !ini::IsUsableKeyName(key)) continue;
    std::string value(ini::ReadValue(all, ini::KeyAt(all, line)));
    if (key == kLockKey) {
      // Only the first LOCKED line counts, as for every key.
      if (current->all_locked || !current->locked.empty()) continue;
      for (const std::string& item : ini::SplitCommaList(value)) {
        if (item == kWholeSection) {
          current->all_locked = true;
        } else if (!Contains(current->locked, item)) {
          current->locked.push_back(ini::UpperCase(item));
        }
      }
      has_locks_ = has_locks_ || current->all_locked || !current->locked.empty();
      continue;
    }
    bool seen = std::any_of(current->keys.begin(), current->keys.end(), [&](const Key& k) { return k.name == key; });
    if (!seen) current->keys.push_back({std::move(key), std::move(value)});
  }
}

const GIniOverlay::Section* GIniOverlay::FindSection(std::string_view name) const {
  for (const Section& section : sections_) {
    if (ini::SameName(section.name, name)) return &section;
  }
  return nullptr;
}

std::optional<std::string_view> GIniOverlay::Value(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  if (found == nullptr) return std::nullopt;
  for (const Key& k : found->keys) {
    if (ini::SameName(k.name, key)) return std::string_view(k.value);
  }
  return std::nullopt;
}

bool GIniOverlay::IsLocked(std::string_view section, std::string_view key) const {
  const Section* found = FindSection(section);
  return found != nullptr && (found->all_locked || Contains(found->locked, key));
}

bool GIniOverlay::IsSectionLocked(std::string_view section) const {
  const Section* found = FindSection(section);
  return found != nullptr && found->all_locked;
}

bool GIniOverlay::HasSection(std::string_view section) const {
  const Section* found = FindSection(section);
  return found != nullptr && !found->keys.empty();
}

std::vector<GIniOverlay::Entry> GIniOverlay::Entries() const {
  std::vector<Entry> entries;
  for (const Section& section : sections_) {
    if (section.all_locked) entries.push_back({section.name, std::string(kWholeSection), std::nullopt, true});
    for (const Key& key : section.keys) {
      bool locked = section.all_locked || Contains(section.locked, key.name);
      entries.push_back({section.name, key.name, key.value, locked});
    }
    for (const std::string& name : section.locked) {
      bool valued = std::any_of(section.keys.begin(), section.keys.end(), [&](const Key& k) { return k.name == name; });
      if (!valued) entries.push_back({section.name, name, std::nullopt, true});
    }
  }
  return entries;
}

}  // namespace prefig
