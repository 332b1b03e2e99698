#include "ini/ini_index.h"

#include <algorithm>

namespace prefig::ini {
namespace {

constexpr uint64_t kFnvOffset = 1469598103934665603ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t HashName(std::string_view name, uint64_t seed = kFnvOffset) {
  uint64_t h = seed;
  for (char c : name) {
    h ^= static_cast<unsigned char>(FoldCase(c));
    h *= kFnvPrime;
  }
  return h;
}

uint64_t KeyHash(uint32_t section, std::string_view key) {
  return HashName(key, kFnvOffset ^ (uint64_t{section} * 0x9E3779B97F4A7C15ull));
}

std::string_view NameAt(std::string_view text, size_t begin, size_t length) { return text.substr(begin, length); }

// Adds entry `count - 1` to an open-addressing table, growing it to keep the
// load at most one half.
template <typename HashOf>
void AddToTable(std::vector<uint32_t>& slots, size_t count, HashOf hash_of) {
  auto place = [&](uint32_t entry) {
    size_t mask = slots.size() - 1;
    for (size_t i = hash_of(entry) & mask;; i = (i + 1) & mask) {
      if (slots[i] == 0) {
        slots[i] = entry + 1;
        return;
      }
    }
  };
  if (count * 2 <= slots.size()) {
    place(static_cast<uint32_t>(count - 1));
    return;
  }
  slots.assign(slots.empty() ? 16 : slots.size() * 2, 0);
  while (count * 2 > slots.size()) slots.assign(slots.size() * 2, 0);
  for (uint32_t entry = 0; entry < count; ++entry) place(entry);
}

}  // namespace

int IniIndex::AddSection(std::string_view text, const Line& header) {
  std::string_view name = text.substr(header.name_begin, header.name_end - header.name_begin);
  uint64_t hash = HashName(name);
  if (SectionNumber(text, name, hash) >= 0) return -1;  // only the first header of a name counts
  sections_.push_back(Section{SectionSpan{header.start, header.name_end + 1, text.size(), true},
                              static_cast<uint32_t>(name.size()), hash});
  AddToTable(section_slots_, sections_.size(), [&](uint32_t i) { return sections_[i].hash; });
  return static_cast<int>(sections_.size() - 1);
}

int IniIndex::KeyNumber(std::string_view text, uint32_t section, std::string_view key, uint64_t hash) const {
  size_t mask = key_slots_.size() - 1;
  for (size_t i = hash & mask; key_slots_[i] != 0; i = (i + 1) & mask) {
    const Key& k = keys_[key_slots_[i] - 1];
    if (k.hash == hash && k.section == section && SameName(NameAt(text, k.key, k.name_length), key)) {
      return static_cast<int>(key_slots_[i] - 1);
    }
  }
  return -1;
}

void IniIndex::AddKey(std::string_view text, uint32_t section, const Line& line) {
  std::string_view name = text.substr(line.name_begin, line.name_end - line.name_begin);
  if (name.empty()) return;
  uint64_t hash = KeyHash(section, name);
  if (KeyNumber(text, section, name, hash) >= 0) return;  // the first of a name wins
  keys_.push_back(Key{section, static_cast<uint32_t>(name.size()), line.name_begin, line.equals, hash});
  AddToTable(key_slots_, keys_.size(), [&](uint32_t i) { return keys_[i].hash; });
}

void IniIndex::Build(std::string_view text) {
  sections_.clear();
  keys_.clear();
  section_slots_.assign(16, 0);
  // Room for a key on every line at half load, so that building never rehashes.
  size_t slots = 64;
  for (size_t lines = static_cast<size_t>(std::count(text.begin(), text.end(), '\n')) + 1; slots < lines * 2;)
    slots *= 2;
  key_slots_.assign(slots, 0);
  keys_.reserve(slots / 2);
  built_ = true;
  last_section_ = -1;
  int open = -1;      // the recorded section whose end is not known yet
  int receiver = -1;  // the section that key lines belong to (-1 under a duplicate header)
  for (size_t pos = 0;;) {
    Line line = ParseLine(text, pos);
    if (line.kind == Line::kEnd) break;
    if (line.kind == Line::kBoundary) {
      if (open >= 0) {
        sections_[open].span.end = line.start;
        sections_[open].span.last = false;
      }
      receiver = line.header ? AddSection(text, line) : -1;
      open = receiver;
    } else if (line.kind == Line::kKey && receiver >= 0) {
      AddKey(text, static_cast<uint32_t>(receiver), line);
    }
    pos = line.next;
  }
}

int IniIndex::SectionNumber(std::string_view text, std::string_view name, uint64_t hash) const {
  size_t mask = section_slots_.size() - 1;
  for (size_t i = hash & mask; section_slots_[i] != 0; i = (i + 1) & mask) {
    const Section& s = sections_[section_slots_[i] - 1];
    if (s.hash == hash && SameName(NameAt(text, s.span.bracket + 1, s.name_length), name)) {
      return static_cast<int>(section_slots_[i] - 1);
    }
  }
  return -1;
}

std::optional<SectionSpan> IniIndex::FindSection(std::string_view text, std::string_view name) {
  if (!built_) Build(text);
  // Consecutive lookups in one section (the usual bulk pattern) skip hashing.
  if (last_section_ >= 0 &&
      SameName(NameAt(text, sections_[last_section_].span.bracket + 1, sections_[last_section_].name_length), name)) {
    return sections_[last_section_].span;
  }
  int number = SectionNumber(text, name, HashName(name));
  if (number < 0) return std::nullopt;
  last_section_ = number;
  return sections_[number].span;
}

int IniIndex::NumberOf(std::string_view text, const SectionSpan& span) const {
  std::string_view name = text.substr(span.bracket + 1, span.body - span.bracket - 2);
  uint64_t hash = HashName(name);
  size_t mask = section_slots_.size() - 1;
  for (size_t i = hash & mask; section_slots_[i] != 0; i = (i + 1) & mask) {
    if (sections_[section_slots_[i] - 1].span.bracket == span.bracket) return static_cast<int>(section_slots_[i] - 1);
  }
  return -1;
}

std::optional<KeySpan> IniIndex::FindKey(std::string_view text, const SectionSpan& section, std::string_view key) {
  if (!built_) Build(text);
  int number = last_section_ >= 0 && sections_[last_section_].span.bracket == section.bracket ? last_section_
                                                                                              : NumberOf(text, section);
  if (number < 0) return ini::FindKey(text, section, key);
  int entry = KeyNumber(text, static_cast<uint32_t>(number), key, KeyHash(static_cast<uint32_t>(number), key));
  if (entry < 0) return std::nullopt;
  const Key& k = keys_[entry];
  return KeySpan{k.key, k.equals, LineEnd(text, k.equals + 1)};
}

void IniIndex::Shift(size_t from, std::ptrdiff_t delta) {
  if (delta == 0) return;
  auto move = [&](size_t& pos) {
    if (pos >= from) pos = static_cast<size_t>(static_cast<std::ptrdiff_t>(pos) + delta);
  };
  for (Section& s : sections_) {
    move(s.span.bracket);
    move(s.span.body);
    move(s.span.end);
  }
  for (Key& k : keys_) {
    move(k.key);
    move(k.equals);
  }
}

void IniIndex::AfterValueReplaced(const Splice& splice) {
  if (!built_) return;
  Shift(splice.at + splice.removed,
        static_cast<std::ptrdiff_t>(splice.inserted) - static_cast<std::ptrdiff_t>(splice.removed));
}

void IniIndex::AfterKeysInserted(std::string_view text, const SectionSpan& section, const Splice& splice) {
  if (!built_) return;
  int number = NumberOf(text, section);  // the header lies before the insertion
  Shift(splice.at, static_cast<std::ptrdiff_t>(splice.inserted));
  if (number < 0) {
    built_ = false;
    return;
  }
  // A header that ends the text without a line end gets the keys after it:
  // the end of its name stays where it was.
  sections_[static_cast<size_t>(number)].span.body = section.body;
  for (size_t pos = splice.at; pos < splice.at + splice.inserted;) {
    Line line = ParseLine(text, pos);
    if (line.kind != Line::kKey) break;
    AddKey(text, static_cast<uint32_t>(number), line);
    pos = line.next;
  }
}

void IniIndex::AfterSectionAppended(std::string_view text, const Splice& splice) {
  if (!built_) return;
  Line header = ParseLine(text, splice.at);
  while (header.kind != Line::kBoundary && header.kind != Line::kEnd)
    header = ParseLine(text, header.next);  // past the banner
  for (Section& s : sections_) {
    if (s.span.last) {
      s.span.end = header.start;
      s.span.last = false;
    }
  }
  int number = AddSection(text, header);
  if (number < 0) {
    built_ = false;
    return;
  }
  AddKey(text, static_cast<uint32_t>(number), ParseLine(text, header.next));
}

}  // namespace prefig::ini
