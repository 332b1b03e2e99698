#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "ini/ini_index.h"
#include "ini/ini_text.h"

namespace prefig::ini {

enum class EditKind {
  kSet,           // write the value, inserting key or section as needed
  kSetIfMissing,  // write only when the key is not there (a default written back)
  kDeleteKey,
  kDeleteSection,
};

// Finds a key's line, through the index when one is given.
std::optional<KeySpan> Locate(std::string_view text, IniIndex* index, std::string_view section, std::string_view key);

// Applies one write to the text (value already encoded and trimmed).
// Returns true when the text changed.
bool ApplyEdit(std::string& text, IniIndex* index, EditKind kind, std::string_view section, std::string_view key,
               std::string_view value);

// A raw value as the writer stores it: line breaks removed (they would start
// new lines), zero bytes as spaces (as they read back), white space trimmed
// from both ends.
std::string CleanRawValue(std::string_view value);

// A file's bytes as the reader sees them: zero bytes read as spaces, fewer
// than two bytes count as empty.
void NormaliseLoadedText(std::string& text);

}  // namespace prefig::ini
