#include "record/macro_sections.h"

#include <cstdio>

#include "ini/ini_text.h"
#include "platform/text.h"
#include "schema/macro_library.h"

namespace prefig {
namespace {

using namespace schema;

// Slots: the macro's keys, then per parameter its keys, found by their
// suffix after the three-digit number.
constexpr size_t kMacroKeyCount = std::size(kMacroKeys);
constexpr size_t kParameterKeyCount = std::size(kParameterFields);
constexpr std::string_view kNumberFormat = "%03d";
constexpr size_t kNumberDigits = 3;
constexpr std::string_view kSectionPrefix = "MACRO";

constexpr bool ParameterKeysAreNumbered() {
  for (const Setting* s : kParameterFields) {
    if (!std::string_view(s->key).starts_with(kNumberFormat)) return false;
  }
  return std::string_view(kMacroSection).starts_with(kSectionPrefix) &&
         std::string_view(kMacroSection).substr(kSectionPrefix.size()) == kNumberFormat;
}
static_assert(ParameterKeysAreNumbered(), "the scan reads parameter keys as a number and a suffix");

// The names the scan compares key lines with, measured once.
struct KeyNames {
  std::string_view macro[kMacroKeyCount];
  std::string_view parameter[kParameterKeyCount];  // after the number
};

const KeyNames& Names() {
  static const KeyNames names = [] {
    KeyNames n;
    for (size_t i = 0; i < kMacroKeyCount; ++i) n.macro[i] = kMacroKeys[i]->key;
    for (size_t i = 0; i < kParameterKeyCount; ++i) {
      n.parameter[i] = std::string_view(kParameterFields[i]->key).substr(kNumberFormat.size());
    }
    return n;
  }();
  return names;
}

// The slot of a key of a macro section, or -1 when none is declared so.
// No key of a macro begins with a digit.
int SlotOf(std::string_view key) {
  const KeyNames& names = Names();
  if (key.size() > kNumberDigits && platform::IsDigit(key[0]) && platform::IsDigit(key[1]) &&
      platform::IsDigit(key[2])) {
    int member = (key[0] - '0') * 100 + (key[1] - '0') * 10 + (key[2] - '0');
    if (member >= kMacroParameterMax) return -1;
    std::string_view suffix = key.substr(kNumberDigits);
    for (size_t i = 0; i < kParameterKeyCount; ++i) {
      if (ini::SameName(suffix, names.parameter[i])) {
        return static_cast<int>(kMacroKeyCount + static_cast<size_t>(member) * kParameterKeyCount + i);
      }
    }
    return -1;
  }
  for (size_t i = 0; i < kMacroKeyCount; ++i) {
    if (ini::SameName(key, names.macro[i])) return static_cast<int>(i);
  }
  return -1;
}

int SlotOf(const Setting& s, int member) {
  for (size_t i = 0; i < kMacroKeyCount; ++i) {
    if (kMacroKeys[i] == &s) return member == 0 ? static_cast<int>(i) : -1;
  }
  if (member < 0 || member >= kMacroParameterMax) return -1;
  for (size_t i = 0; i < kParameterKeyCount; ++i) {
    if (kParameterFields[i] == &s) {
      return static_cast<int>(kMacroKeyCount + static_cast<size_t>(member) * kParameterKeyCount + i);
    }
  }
  return -1;
}

// The number of a header that names macro section 0 to count - 1 as the
// store would find it ("MACRO007", any case), or -1.
int SectionNumber(std::string_view name, int count) {
  if (name.size() <= kSectionPrefix.size() || !ini::SameName(name.substr(0, kSectionPrefix.size()), kSectionPrefix)) {
    return -1;
  }
  std::string_view digits = name.substr(kSectionPrefix.size());
  int number = 0;
  for (char c : digits) {
    if (!platform::IsDigit(c) || number >= count) return -1;
    number = number * 10 + (c - '0');
  }
  if (number >= count) return -1;
  return ini::SameName(name, MacroSectionName(number)) ? number : -1;
}

}  // namespace

std::string MacroSectionName(int number) {
  char name[32];
  std::snprintf(name, sizeof name, kMacroSection, number);
  return name;
}

MacroSections::MacroSections(std::string_view text, int count) : text_(text) {
  if (count <= 0 || text_.size() > 0xFFFFFFFFu) return;  // offsets are kept in 32 bits
  sections_.resize(static_cast<size_t>(count));
  std::string_view all = text_;
  std::vector<uint64_t>* current = nullptr;  // the section that key lines belong to
  for (size_t pos = 0;;) {
    ini::Line line = ini::ParseLine(all, pos);
    if (line.kind == ini::Line::kEnd) break;
    pos = line.next;
    if (line.kind == ini::Line::kBoundary) {
      current = nullptr;
      if (!line.header) continue;
      int number = SectionNumber(all.substr(line.name_begin, line.name_end - line.name_begin), count);
      // Only the first header of a name counts.
      if (number >= 0 && sections_[static_cast<size_t>(number)].empty()) {
        current = &sections_[static_cast<size_t>(number)];
        current->assign(kMacroKeyCount, 0);
      }
      continue;
    }
    if (line.kind != ini::Line::kKey || !current) continue;
    int slot = SlotOf(all.substr(line.name_begin, line.name_end - line.name_begin));
    if (slot < 0) continue;
    if (static_cast<size_t>(slot) >= current->size()) {
      size_t member = (static_cast<size_t>(slot) - kMacroKeyCount) / kParameterKeyCount;
      current->resize(kMacroKeyCount + (member + 1) * kParameterKeyCount, 0);
    }
    uint64_t& stored = (*current)[static_cast<size_t>(slot)];
    if (stored != 0) continue;
    std::string_view value = ini::ReadValue(all, ini::KeyAt(all, line));
    uint64_t offset = value.empty() ? 0 : static_cast<uint64_t>(value.data() - all.data());
    stored = (offset << 32) | (static_cast<uint64_t>(value.size()) + 1);
  }
}

bool MacroSections::Has(int section) const {
  return section >= 0 && static_cast<size_t>(section) < sections_.size() &&
         !sections_[static_cast<size_t>(section)].empty();
}

std::optional<std::string_view> MacroSections::Find(int section, const Setting& s, int member) const {
  int slot = SlotOf(s, member);
  if (!Has(section) || slot < 0) return std::nullopt;
  const std::vector<uint64_t>& slots = sections_[static_cast<size_t>(section)];
  if (static_cast<size_t>(slot) >= slots.size() || slots[static_cast<size_t>(slot)] == 0) return std::nullopt;
  uint64_t span = slots[static_cast<size_t>(slot)];
  return std::string_view(text_).substr(span >> 32, (span & 0xFFFFFFFFu) - 1);
}

}  // namespace prefig
