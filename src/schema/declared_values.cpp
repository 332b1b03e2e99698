#include "schema/declared_values.h"

#include <cstring>

#include "ini/ini_overlay.h"
#include "ini/ini_text.h"
#include "schema/font_description.h"
#include "schema/registry.h"
#include "schema/setting_index.h"

namespace prefig {

namespace {

constexpr uint64_t kFnvOffset = 1469598103934665603ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

// Names that compare equal without regard to case hash alike; clearing bit
// 5 of every byte folds more than letters, which only costs a comparison.
uint64_t FoldHash(std::string_view name, uint64_t h) {
  for (char c : name) {
    h ^= static_cast<unsigned char>(c) & 0xDFu;
    h *= kFnvPrime;
  }
  return h;
}

bool SameNameQuick(std::string_view stored, std::string_view wanted) {
  return stored.size() == wanted.size() &&
         (std::memcmp(stored.data(), wanted.data(), stored.size()) == 0 || ini::SameName(stored, wanted));
}

uint64_t KeyHash(uint32_t section, std::string_view key) {
  return FoldHash(key, kFnvOffset ^ ((uint64_t{section} + 1) * 0x9E3779B97F4A7C15ull));
}

}  // namespace

// Every key of a scope's declarations (each family member and font field)
// with a number, in an open-addressing table by section and key. Sections
// are numbered, so that a key line costs one hash and one comparison, and
// lines of sections that declare nothing cost none; the key names lie in
// one pool.
struct DeclaredKeyTable {
  struct Section {
    uint64_t hash;
    std::string name;
  };
  struct Entry {
    uint64_t hash;
    uint32_t id;
    uint32_t key;  // offset of the key name in the pool
    uint16_t section;
    uint16_t key_length;
  };
  std::vector<Section> sections;
  std::string pool;
  std::vector<Entry> entries;
  std::vector<uint32_t> slots;  // entry + 1, 0 = empty
  SettingIndex first_id;
  uint32_t ids = 0;

  // The section's number, or -1 when no declaration names it.
  int SectionNumber(std::string_view name) const {
    uint64_t hash = FoldHash(name, kFnvOffset);
    for (size_t i = 0; i < sections.size(); ++i) {
      if (sections[i].hash == hash && SameNameQuick(sections[i].name, name)) return static_cast<int>(i);
    }
    return -1;
  }

  void Add(const Setting& s, const std::string& key) {
    int section = SectionNumber(s.section);
    if (section < 0) {
      section = static_cast<int>(sections.size());
      sections.push_back({FoldHash(s.section, kFnvOffset), s.section});
    }
    entries.push_back({KeyHash(static_cast<uint32_t>(section), key), ids++, static_cast<uint32_t>(pool.size()),
                       static_cast<uint16_t>(section), static_cast<uint16_t>(key.size())});
    pool += key;
  }

  explicit DeclaredKeyTable(Scope scope) {
    for (const Setting* s : SettingsOf(scope)) {
      // A section named by a format (one per macro) is scanned by its owner.
      if (std::strchr(s->section, '%')) continue;
      first_id.Add(s, static_cast<int>(ids));
      if (s->kind == Kind::kFont) {
        for (const char* field : kFontFieldNames) Add(*s, FontKeyName(*s, field));
      } else {
        for (int member = 0; member < s->count; ++member) Add(*s, DeclaredKeyName(*s, member));
      }
    }
    size_t size = 16;
    while (size < entries.size() * 2) size *= 2;
    slots.assign(size, 0);
    for (size_t i = 0; i < entries.size(); ++i) {
      for (size_t slot = entries[i].hash & (size - 1);; slot = (slot + 1) & (size - 1)) {
        if (slots[slot] == 0) {
          slots[slot] = static_cast<uint32_t>(i) + 1;
          break;
        }
      }
    }
  }

  int Lookup(uint32_t section, std::string_view key) const {
    uint64_t hash = KeyHash(section, key);
    size_t mask = slots.size() - 1;
    for (size_t slot = hash & mask; slots[slot] != 0; slot = (slot + 1) & mask) {
      const Entry& e = entries[slots[slot] - 1];
      if (e.hash == hash && e.section == section &&
          SameNameQuick(std::string_view(pool).substr(e.key, e.key_length), key)) {
        return static_cast<int>(e.id);
      }
    }
    return -1;
  }

  static const DeclaredKeyTable& Of(Scope scope) {
    static const DeclaredKeyTable main(Scope::kMain), type(Scope::kType), dnc(Scope::kDnc);
    return scope == Scope::kType ? type : scope == Scope::kDnc ? dnc : main;
  }
};

DeclaredValues::DeclaredValues(Scope scope, std::string_view text, const GIniOverlay* site)
    : table_(&DeclaredKeyTable::Of(scope)), text_(text) {
  // Offsets are kept in 32 bits; a larger file is read key by key.
  if (text_.size() > 0xFFFFFFFFu) return;
  values_.assign(table_->ids, 0);
  std::string_view all = text_;
  std::vector<std::string_view> seen;  // the section headers so far: the first of a name counts
  int section = -1;                    // the declared section that key lines belong to, or -1
  std::string_view section_name;
  for (size_t pos = 0;;) {
    ini::Line line = ini::ParseLine(all, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    if (line.kind == ini::Line::kBoundary) {
      section = -1;
      if (!line.header) continue;
      std::string_view name = all.substr(line.name_begin, line.name_end - line.name_begin);
      bool first = true;
      for (std::string_view earlier : seen) first = first && !ini::SameName(earlier, name);
      seen.push_back(name);
      if (first) section = table_->SectionNumber(name);
      section_name = name;
      continue;
    }
    if (line.kind != ini::Line::kKey || section < 0) continue;
    std::string_view key = all.substr(line.name_begin, line.name_end - line.name_begin);
    int id = table_->Lookup(static_cast<uint32_t>(section), key);
    if (id < 0 || values_[static_cast<size_t>(id)] != 0) continue;
    if (site != nullptr && site->IsLocked(section_name, key)) continue;
    std::string_view value = ini::ReadValue(all, ini::KeyAt(all, line));
    // An empty value need not point into the text.
    uint64_t offset = value.empty() ? 0 : static_cast<uint64_t>(value.data() - all.data());
    values_[static_cast<size_t>(id)] = (offset << 32) | (static_cast<uint64_t>(value.size()) + 1);
  }
}

std::optional<std::string_view> DeclaredValues::At(int id) const {
  if (id < 0 || id >= static_cast<int>(values_.size()) || values_[static_cast<size_t>(id)] == 0) return std::nullopt;
  uint64_t span = values_[static_cast<size_t>(id)];
  return std::string_view(text_).substr(span >> 32, (span & 0xFFFFFFFFu) - 1);
}

int DeclaredValues::FirstId(const Setting& s) const { return table_->first_id.Find(&s); }

std::optional<std::string_view> DeclaredValues::Find(const Setting& s, int member) const {
  int first = FirstId(s);
  if (first < 0 || s.kind == Kind::kFont) return std::nullopt;
  return At(first + member);
}

std::optional<std::string_view> DeclaredValues::FindFontField(const Setting& s, int field) const {
  int first = FirstId(s);
  if (first < 0 || s.kind != Kind::kFont) return std::nullopt;
  return At(first + field);
}

void DeclaredValues::Forget(const Setting& s, int member) {
  int first = FirstId(s);
  if (first < 0) return;
  int count = s.kind == Kind::kFont ? static_cast<int>(kFontFieldNames.size()) : 1;
  int start = first + (s.kind == Kind::kFont ? 0 : member);
  for (int id = start; id < start + count && id < static_cast<int>(values_.size()); ++id) {
    values_[static_cast<size_t>(id)] = 0;
  }
}

}  // namespace prefig
