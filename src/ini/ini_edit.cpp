#include "ini/ini_edit.h"

#include <algorithm>

namespace prefig::ini {

std::optional<KeySpan> Locate(std::string_view text, IniIndex* index, std::string_view section, std::string_view key) {
  auto span = index ? index->FindSection(text, section) : FindSection(text, section);
  if (!span) return std::nullopt;
  return index ? index->FindKey(text, *span, key) : FindKey(text, *span, key);
}

namespace {

// What is left must read the same from memory as from disk, where fewer than
// two bytes count as an empty file.
void AfterRemoval(std::string& text, IniIndex* index) {
  if (text.size() < 2) text.clear();
  if (index) index->Invalidate();
}

}  // namespace

bool ApplyEdit(std::string& text, IniIndex* index, EditKind kind, std::string_view section, std::string_view key,
               std::string_view value) {
  auto span = index ? index->FindSection(text, section) : FindSection(text, section);
  if (!span) {
    if (kind == EditKind::kDeleteKey || kind == EditKind::kDeleteSection) return false;
    Splice splice = AppendSection(text, section, key, value);
    if (index) index->AfterSectionAppended(text, splice);
    return true;
  }
  if (kind == EditKind::kDeleteSection) {
    RemoveSection(text, *span);
    AfterRemoval(text, index);
    return true;
  }
  auto found = index ? index->FindKey(text, *span, key) : FindKey(text, *span, key);
  if (found) {
    switch (kind) {
      case EditKind::kSetIfMissing: return false;
      case EditKind::kDeleteKey:
        RemoveKey(text, *found);
        AfterRemoval(text, index);
        return true;
      default:
        if (StoredValue(text, *found) == value) return false;
        Splice splice = ReplaceValue(text, *found, value);
        if (index) index->AfterValueReplaced(splice);
        return true;
    }
  }
  if (kind == EditKind::kDeleteKey) return false;
  Splice splice = InsertKey(text, *span, key, value);
  if (index) index->AfterKeysInserted(text, *span, splice);
  return true;
}

std::string CleanRawValue(std::string_view value) {
  std::string out(value);
  out.erase(std::remove_if(out.begin(), out.end(), [](char c) { return c == '\r' || c == '\n'; }), out.end());
  std::replace(out.begin(), out.end(), '\0', ' ');  // what a reader would see
  std::string_view trimmed = Trim(out);
  return std::string(trimmed);
}

void NormaliseLoadedText(std::string& text) {
  if (text.size() < 2) {
    text.clear();
    return;
  }
  for (size_t nul = text.find('\0'); nul != std::string::npos; nul = text.find('\0', nul + 1)) text[nul] = ' ';
}

}  // namespace prefig::ini
