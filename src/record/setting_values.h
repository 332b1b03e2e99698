#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "record/setting_io.h"
#include "schema/setting.h"

namespace prefig {

struct SettingTable;

// The values of the settings of one file (the main INI file, one machine
// type file, the DNC configuration file), typed and addressed by their
// declarations. Loading reads every setting of a table with the store's
// rules (a missing key gets its default written, a number out of range is
// clamped and written back); saving writes them in table order.
//
//   int tab = record.Global().Int(schema::kTabChars);
//   values.SetText(schema::kSaveExt, "NC");
class SettingValues {
 public:
  using Value = SettingValue;

  explicit SettingValues(Scope scope);
  Scope scope() const { return scope_; }
  // Whether this object holds the setting (its scope, and held by values).
  bool Holds(const Setting& s) const;

  // Typed access; `member` counts from 0 within a numbered family. Asking
  // for a setting of another kind or scope is a programming error.
  bool Bool(const Setting& s, int member = 0) const;
  int Int(const Setting& s, int member = 0) const;
  double Double(const Setting& s, int member = 0) const;
  uint32_t Colour(const Setting& s, int member = 0) const;
  const std::string& Text(const Setting& s, int member = 0) const;  // text, one character, hex text
  char Char(const Setting& s, int member = 0) const;                // '\0' when empty
  const std::vector<std::string>& List(const Setting& s, int member = 0) const;
  const FontDescription& Font(const Setting& s, int member = 0) const;

  // Setters keep texts within their length; numbers are stored as given
  // (a page clamps where its page says so, the next load repairs the rest).
  void SetBool(const Setting& s, bool value, int member = 0);
  void SetInt(const Setting& s, int value, int member = 0);
  void SetDouble(const Setting& s, double value, int member = 0);
  void SetText(const Setting& s, std::string_view value, int member = 0);
  void SetList(const Setting& s, std::vector<std::string> value, int member = 0);
  // Any kind: the value must be of the setting's kind.
  void SetValue(const Setting& s, Value value, int member = 0);

  // Whether the member was read from the file or set since; the saver writes
  // only those, so a key that was not read is left in the file as it is.
  bool IsHeld(const Setting& s, int member = 0) const;

  void Load(GIniFile& ini, const Setting& s, const LoadContext& context);
  void Load(GIniFile& ini, const SettingTable& table, const LoadContext& context);
  void Save(GIniFile& ini, const Setting& s) const;
  void Save(GIniFile& ini, const SettingTable& table) const;

  // The value as the file holds it ("Yes", "0.660000", "4292362047").
  std::string Format(const Setting& s, int member = 0) const;

  // Bulk loading: while a scan of the file is set, reads take its values and
  // go to the file only for missing keys and values that must be repaired.
  // Saves through this object make the scan forget the keys they write.
  void UseScan(DeclaredValues* scan) { scan_ = scan; }

 private:
  friend struct SlotLayout;
  struct Slot {
    Value value;
    bool held = false;
  };
  const Slot& At(const Setting& s, int member) const;
  Slot& At(const Setting& s, int member);
  void LoadMember(GIniFile& ini, const Setting& s, int member, const LoadContext& context, int slot_number,
                  int scan_id);

  Scope scope_;
  const struct SlotLayout* layout_;
  std::vector<Slot> slots_;
  DeclaredValues* scan_ = nullptr;
};

}  // namespace prefig
