#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "schema/setting.h"

namespace prefig {

// The values that a file holds for the declared keys of one scope, found in
// one pass over a copy of its text, by the store's reading rules (names
// without regard to case, the first of duplicate sections and keys wins,
// values trimmed and unquoted). Bulk loading takes values from here instead
// of looking each key up, and goes to the file only for what is missing or
// must be repaired.
class GIniOverlay;

class DeclaredValues {
 public:
  // With a site overlay, the keys it locks are left out: the file's value
  // of such a key is not what a read gives.
  DeclaredValues(Scope scope, std::string_view text, const GIniOverlay* site = nullptr);

  // What a read of the key would return, or nothing when the file lacks it
  // (or it was written since the scan).
  std::optional<std::string_view> Find(const Setting& s, int member = 0) const;
  std::optional<std::string_view> FindFontField(const Setting& s, int field) const;
  // The key was written: from now on it is read from the file again.
  void Forget(const Setting& s, int member = 0);

  // The same by number: FirstId(s) + member, for a bulk reader that asks
  // for many members.
  int FirstId(const Setting& s) const;
  std::optional<std::string_view> At(int id) const;

 private:
  const struct DeclaredKeyTable* table_;
  std::string text_;
  // Per key: the value's offset in the text (high half) and its length plus
  // one (low half); 0 when the file lacks the key.
  std::vector<uint64_t> values_;
};

}  // namespace prefig
