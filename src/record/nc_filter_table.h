#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// One control type that a machine type's backplot can read programs of:
// the NC filter library that serves it, its control key, the namespace URI
// of the filter's output format, its name in lists, and whether it is a
// turning control.
struct NcFilter {
  static constexpr size_t kLibraryMax = 255;
  static constexpr size_t kControlKeyMax = 63;
  static constexpr size_t kUriMax = 255;
  static constexpr size_t kDisplayNameMax = 255;

  std::string library;
  std::string control_key;
  std::string uri;
  std::string display_name;
  bool turning = false;
  bool operator==(const NcFilter&) const = default;
};

// The URI of an NC format: `path` on the namespace host.
std::string NcFormatUri(std::string_view path);
// A control key that begins with TURN (any case) names a turning control.
bool IsTurningControl(std::string_view control_key);
// A control key that begins with HEID (any case) names a Heidenhain control.
bool IsHeidenhainControl(std::string_view control_key);

// The filter of a control key: the library and URI of the first derivation
// row that the key matches (exactly, case-sensitive); a URI or library
// given (not empty) replaces the derived one. A key that no row names gets
// the advanced ISO filter for whichever of the two is not given.
NcFilter DeriveNcFilter(std::string_view control_key, std::string_view uri = {}, std::string_view library = {});

// The control types offered for machine types, held by the configuration
// record and filled when the setup dialog opens.
class GNcFilterTable {
 public:
  static constexpr int kEntriesMax = 64;

  // Appends the derived filter of `control_key` with its display name
  // localised ("Milling" or else "Turning" replaced by the word of the
  // message files). False, adding nothing, when the table is full.
  bool Add(std::string_view display_name, std::string_view control_key, std::string_view uri = {},
           std::string_view library = {});
  // The default entries, unless the table holds entries already; the count.
  int Fill();

  int Count() const { return static_cast<int>(entries_.size()); }
  // The entry that a machine type's stored (or default) URI and control key
  // name: both equal (without regard to case); else the key alone; else a
  // Heidenhain key (other than Heidenhain ISO) finds the Heidenhain filter
  // and APT the APT filter, since older files and the page defaults name
  // them so; else entry 0. -1 for an empty table.
  int Find(std::string_view uri, std::string_view control_key) const;
  const std::vector<NcFilter>& Entries() const { return entries_; }

 private:
  std::vector<NcFilter> entries_;
};

}  // namespace prefig
