#include "record/colour_list.h"

#include "ini/ini_file.h"
#include "ini/ini_text.h"
#include "record/setting_values.h"
#include "schema/declared_values.h"
#include "schema/syntax_colors.h"

namespace prefig {

bool ParseUserColour(std::string_view value, UserColour& entry) {
  size_t first = value.find(':');
  if (first == std::string_view::npos) return false;
  size_t second = value.find(':', first + 1);
  if (second == std::string_view::npos || second + 1 >= value.size()) return false;
  entry.item = ini::DecodeInt(value.substr(0, first));
  entry.position = ini::DecodeInt(value.substr(first + 1, second - first - 1));
  entry.text = value.substr(second + 1);
  return true;
}

std::string FormatUserColour(const UserColour& entry) {
  return std::to_string(entry.item) + ":" + std::to_string(entry.position) + ":" + entry.text;
}

void ColourList::LoadEntries(GIniFile& ini, std::string_view section, int count) {
  entries_.clear();
  for (int i = 0; i < count && static_cast<int>(entries_.size()) < kEntriesMax; ++i) {
    std::string key = KeyName(schema::kUserColour, i);
    if (!ini.KeyExists(section, key)) continue;
    UserColour entry;
    if (ParseUserColour(ini.GetString(section, key, std::string_view(), schema::kUserColour.length), entry)) {
      entries_.push_back(std::move(entry));
    }
  }
  BuildLetterIndex();
}

void ColourList::Load(GIniFile& ini, const DeclaredValues* scan) {
  const Setting& count = schema::kColourCount;
  int entries = std::get<int>(ReadSettingFrom(ini, scan, count, 0, count.loader));
  if (!scan) {
    LoadEntries(ini, count.section, entries);
    return;
  }
  entries_.clear();
  for (int i = 0; i < entries && static_cast<int>(entries_.size()) < kEntriesMax; ++i) {
    UserColour entry;
    auto stored = scan->Find(schema::kUserColour, i);
    if (stored && ParseUserColour(stored->substr(0, schema::kUserColour.length), entry)) {
      entries_.push_back(std::move(entry));
    }
  }
  BuildLetterIndex();
}

bool ColourList::TakeOverOlderSection(GIniFile& ini, SettingValues& values) {
  const Setting& old_count = schema::kOldColourCount;
  if (!ini.SectionExists(old_count.section)) return false;
  for (const Setting* current : {&schema::kUse, &schema::kInBlock, &schema::kUseModalColors, &schema::kFixColor}) {
    Setting older = *current;
    older.section = old_count.section;
    for (int member = 0; member < older.count; ++member) {
      if (ini.KeyExists(older.section, KeyName(older, member))) {
        values.SetValue(*current, ReadSetting(ini, older, member, LoaderDefault(older, 0, false, member)), member);
      }
    }
  }
  LoadEntries(ini, old_count.section,
              ini.GetInt(old_count.section, old_count.key, ini::DecodeInt(old_count.loader),
                         static_cast<int>(old_count.min), static_cast<int>(old_count.max)));
  ini.DeleteSection(old_count.section);
  return true;
}

void ColourList::Save(GIniFile& ini, const Setting& s) const {
  if (&s == &schema::kColourCount) {
    ini.WriteInt(s.section, s.key, static_cast<int>(entries_.size()));
  } else if (&s == &schema::kUserColour) {
    for (size_t i = 0; i < entries_.size(); ++i) {
      ini.WriteString(s.section, KeyName(s, static_cast<int>(i)), FormatUserColour(entries_[i]));
    }
  }
}

void ColourList::SetEntries(std::vector<UserColour> entries) {
  if (entries.size() > static_cast<size_t>(kEntriesMax)) entries.resize(kEntriesMax);
  entries_ = std::move(entries);
  BuildLetterIndex();
}

namespace {

bool StartsWithLetter(const UserColour& entry) {
  return !entry.text.empty() && entry.text[0] >= 'A' && entry.text[0] <= 'Z';
}

// Whether `a` belongs behind `b` in the lookup order.
bool LooksUpAfter(const UserColour& a, const UserColour& b) {
  if (!StartsWithLetter(b)) return false;
  if (!StartsWithLetter(a)) return true;
  if (a.text[0] != b.text[0]) return a.text[0] > b.text[0];
  return a.text.size() < b.text.size();
}

}  // namespace

// An exchange sort, as the editor's table has always been ordered: stable,
// and equal entries never swap.
void SortForLookup(std::vector<UserColour>& entries) {
  for (size_t end = entries.size(); end > 1; --end) {
    bool swapped = false;
    for (size_t i = 0; i + 1 < end; ++i) {
      if (LooksUpAfter(entries[i], entries[i + 1])) {
        std::swap(entries[i], entries[i + 1]);
        swapped = true;
      }
    }
    if (!swapped) break;
  }
}

void ColourList::BuildLetterIndex() {
  letter_index_.fill(0);
  for (size_t i = 0; i < entries_.size(); ++i) {
    const std::string& text = entries_[i].text;
    if (text.empty()) continue;
    int slot = text[0] >= 'A' && text[0] <= 'Z' ? text[0] - 'A' : kLetterSlots - 1;
    if (letter_index_[slot] == 0) letter_index_[slot] = static_cast<int>(i) + 1;
  }
}

}  // namespace prefig
