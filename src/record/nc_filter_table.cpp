#include "record/nc_filter_table.h"

#include <span>

#include "context/message_ids.h"
#include "ini/ini_text.h"
#include "module/module_state.h"
#include "schema/nc_filter_names.h"

namespace prefig {
namespace {

// The control keys that a derivation row names: a key matches when it is
// one of `exact` or begins with one of `prefixes`.
struct DerivationRow {
  std::span<const char* const> exact;
  std::span<const char* const> prefixes;
  const char* library;
  const char* path;
};

constexpr const char* kMillPlusKeys[] = {"MILLMILLPLUS"};
constexpr const char* kFanucPrefixes[] = {kControlKeyMillFanuc, "TURNFANUC"};
constexpr const char* kFanucKeys[] = {"TURNTRAUB", "MILLHAAS", "TURNHAAS", "MILLVISEL", "MILLBOSCHMTX"};
constexpr const char* kMach3Keys[] = {"MILLMACH3"};
constexpr const char* kSiemensKeys[] = {"MILLS840DNEW", "TURNS840DNEW"};
constexpr const char* kSimpleKeys[] = {"FANUCSIMPLE"};
constexpr const char* kDeckelKeys[] = {"MILLDECKEL4"};
constexpr const char* kRoedersKeys[] = {"MILLROEDERS"};
constexpr const char* kHeidenhainIsoKeys[] = {"HEIDENHAINISO"};
constexpr const char* kRobotKeys[] = {"FANUCROBOT"};
constexpr const char* kAptKeys[] = {"MILLTURNAPT"};
constexpr const char* kEmcoKeys[] = {"MILLEMCO", "TURNEMCO"};

constexpr DerivationRow kDerivation[] = {
    {kMillPlusKeys, {}, "ncfilter_millplus", "/namespace/nc/format/iso/mill-millplus"},
    {kFanucKeys, kFanucPrefixes, kFilterLibraryFanuc, kNamespacePathIsoMillFanuc},
    {kMach3Keys, {}, "ncfilter_mach3", "/namespace/nc/format/iso/mach3"},
    {kSiemensKeys, {}, "ncfilter_siemens", "/namespace/nc/format/iso/mill-siemens"},
    {kSimpleKeys, {}, "ncfilter_simple", "/namespace/nc/format/iso/mill-plasma"},
    {kDeckelKeys, {}, "ncfilter_deckel", "/namespace/nc/format/iso/deckel"},
    {kRoedersKeys, {}, "ncfilter_roeders", "/namespace/nc/format/iso/mill-roeders"},
    {kHeidenhainIsoKeys, {}, "ncfilter_heidiso", "/namespace/nc/format/iso/heidiso"},
    {kRobotKeys, {}, "ncfilter_robot", "/namespace/nc/format/iso/robot"},
    {kAptKeys, {}, kFilterLibraryApt, "/namespace/nc/format/iso/APT"},
    {kEmcoKeys, {}, "ncfilter_emco", "/namespace/nc/format/iso/emco"},
};
constexpr DerivationRow kOtherKeys{{}, {}, "ncfilter_iso", kNamespacePathIsoAdvanced};

const DerivationRow& RowOf(std::string_view key) {
  for (const DerivationRow& row : kDerivation) {
    for (std::string_view exact : row.exact) {
      if (key == exact) return row;
    }
    for (std::string_view prefix : row.prefixes) {
      if (key.starts_with(prefix)) return row;
    }
  }
  return kOtherKeys;
}

// Display name, control key, and the library and URI path given, if any.
struct DefaultEntry {
  const char* display_name;
  const char* control_key;
  const char* library;
  const char* path;
};

// What a control key stands for where no entry bears it.
constexpr char kHeidenhainKeyPrefix[] = "HEID";
constexpr char kHeidenhainIsoKey[] = "HEIDENHAINISO";
constexpr char kHeidenhainKey[] = "HEIDENHAINNEW";
constexpr char kAptKey[] = "MILLTURNAPT";

constexpr char kMazakIsoLibrary[] = "ncfilter_mazakiso";
constexpr char kMazakIsoPath[] = "/namespace/nc/format/iso/mazakiso";

constexpr DefaultEntry kDefaultEntries[] = {
    {"ISO Milling", "MILLFANUCISO", "", ""},
    {"ISO Turning", "TURNFANUCAISO", "", ""},
    {"Fanuc Milling", kControlKeyMillFanuc, "", ""},
    {"Fanuc Turning (G-Code A)", kControlKeyTurnFanucA, "", ""},
    {"Haas Milling", "MILLHAAS", "", ""},
    {"Haas Turning", "TURNHAAS", "", ""},
    {"Mazak ISO Milling", "MILLMAZAKISO", kMazakIsoLibrary, kMazakIsoPath},
    {"Mazak ISO Turning", "TURNMAZAKISO", kMazakIsoLibrary, kMazakIsoPath},
    {"Siemens 840D Mill (Adv)", "MILLS840DNEW", "", ""},
    {"Siemens 840D Turn (Adv)", "TURNS840DNEW", "", ""},
    {"Heidenhain", kHeidenhainKey, "ncfilter_heidenhain", "/namespace/nc/format/iso/heidenhain"},
    {"Heidenhain ISO", kHeidenhainIsoKey, "", ""},
};

// The first "Milling" replaced by the word of the message files, or else
// the first "Turning"; without a word the name stays as it is.
std::string LocalisedName(std::string_view name) {
  struct Word {
    std::string_view english;
    int id;
  };
  for (Word word : {Word{"Milling", kMillingWordMessageId}, Word{"Turning", kTurningWordMessageId}}) {
    size_t at = name.find(word.english);
    if (at == std::string_view::npos) continue;
    const char* local = MessageText(word.id);
    std::string text(name);
    if (local && *local) text.replace(at, word.english.size(), local);
    return text;
  }
  return std::string(name);
}

std::string Bounded(std::string_view text, size_t max) { return std::string(text.substr(0, max)); }

}  // namespace

std::string NcFormatUri(std::string_view path) { return kNcFormatNamespaceHost + std::string(path); }

bool IsTurningControl(std::string_view control_key) {
  std::string_view prefix = kTurningKeyPrefix;
  return control_key.size() >= prefix.size() && ini::SameName(control_key.substr(0, prefix.size()), prefix);
}

bool IsHeidenhainControl(std::string_view control_key) {
  std::string_view prefix = kHeidenhainKeyPrefix;
  return control_key.size() >= prefix.size() && ini::SameName(control_key.substr(0, prefix.size()), prefix);
}

NcFilter DeriveNcFilter(std::string_view control_key, std::string_view uri, std::string_view library) {
  const DerivationRow& row = RowOf(control_key);
  NcFilter filter;
  filter.control_key = Bounded(control_key, NcFilter::kControlKeyMax);
  filter.library = Bounded(library.empty() ? std::string_view(row.library) : library, NcFilter::kLibraryMax);
  filter.uri = Bounded(uri.empty() ? NcFormatUri(row.path) : std::string(uri), NcFilter::kUriMax);
  filter.turning = IsTurningControl(control_key);
  return filter;
}

bool GNcFilterTable::Add(std::string_view display_name, std::string_view control_key, std::string_view uri,
                         std::string_view library) {
  if (Count() >= kEntriesMax) return false;
  NcFilter filter = DeriveNcFilter(control_key, uri, library);
  filter.display_name = Bounded(LocalisedName(display_name), NcFilter::kDisplayNameMax);
  entries_.push_back(std::move(filter));
  return true;
}

int GNcFilterTable::Fill() {
  if (!entries_.empty()) return Count();
  for (const DefaultEntry& entry : kDefaultEntries) {
    Add(entry.display_name, entry.control_key, *entry.path ? NcFormatUri(entry.path) : std::string(), entry.library);
  }
  return Count();
}

int GNcFilterTable::Find(std::string_view uri, std::string_view control_key) const {
  auto first = [this](auto matches) {
    for (int i = 0; i < Count(); ++i) {
      if (matches(entries_[i])) return i;
    }
    return -1;
  };
  int found =
      first([&](const NcFilter& f) { return ini::SameName(f.uri, uri) && ini::SameName(f.control_key, control_key); });
  if (found < 0) found = first([&](const NcFilter& f) { return ini::SameName(f.control_key, control_key); });
  if (found < 0) {
    std::string_view stands_for;
    if (IsHeidenhainControl(control_key) && !ini::SameName(control_key, kHeidenhainIsoKey)) {
      stands_for = kHeidenhainKey;
    } else if (ini::SameName(control_key, kControlKeyApt)) {
      stands_for = kAptKey;
    }
    if (!stands_for.empty()) found = first([&](const NcFilter& f) { return ini::SameName(f.control_key, stands_for); });
  }
  return found < 0 && Count() > 0 ? 0 : found;
}

}  // namespace prefig
