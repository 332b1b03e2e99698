#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

class DeclaredValues;
class GIniFile;
class SettingValues;
struct Setting;

// A user entry of a machine type's colour table: an address letter or word,
// its item value (the colour 0x00BBGGRR in the low 24 bits, the flags for
// trailing letters, trailing digits and the entire line in bits 24 to 26)
// and the row at which the page shows it.
inline constexpr uint32_t kColourTrailingLetters = 0x1000000;
inline constexpr uint32_t kColourTrailingDigits = 0x2000000;
inline constexpr uint32_t kColourEntireLine = 0x4000000;

struct UserColour {
  std::string text;
  int32_t item = 0;
  int position = 0;
  bool operator==(const UserColour&) const = default;
};

// The user entries of the colour table (entries 14 and up; 0 to 13 are the
// fixed colours). Stored as COUNT and USRCOLOR%d ("%d:%d:%s") in GLOBALCOLORLIST.
class ColourList {
 public:
  static constexpr int kFixedColours = 14;
  static constexpr int kTableMax = 256;
  static constexpr int kEntriesMax = kTableMax - kFixedColours;

  // With a scan of the file, its values are taken from there.
  void Load(GIniFile& ini, const DeclaredValues* scan = nullptr);
  // Files older than version 51000 keep the colours in section COLORS: its
  // entries and colour settings replace the current ones and the section is
  // deleted. True when there was such a section.
  bool TakeOverOlderSection(GIniFile& ini, SettingValues& values);
  // Writes COUNT or the entries, whichever `s` declares.
  void Save(GIniFile& ini, const Setting& s) const;

  const std::vector<UserColour>& Entries() const { return entries_; }
  // Takes the entries as they are (the stored order) and rebuilds the index.
  void SetEntries(std::vector<UserColour> entries);

  // For each first letter A to Z (slot 26: any other first character) the
  // number of the first entry with it plus one, 0 for none: the editor's
  // lookup starts there.
  static constexpr int kLetterSlots = 27;
  const std::array<int, kLetterSlots>& LetterIndex() const { return letter_index_; }

 private:
  void LoadEntries(GIniFile& ini, std::string_view section, int count);

  void BuildLetterIndex();

  std::vector<UserColour> entries_;
  std::array<int, kLetterSlots> letter_index_{};
};

// The order in which the editor looks entries up: entries starting with a
// letter first, by letter, and with the same letter the longer text first
// (so "G0" is found before "G"); the others keep their order behind. Stable.
void SortForLookup(std::vector<UserColour>& entries);

// "%d:%d:%s" -> entry; false when it lacks two colons or a text after them.
bool ParseUserColour(std::string_view value, UserColour& entry);
std::string FormatUserColour(const UserColour& entry);

}  // namespace prefig
