#pragma once
// The feature selection page: module switches (checked = switched off) and
// the configuration password (main INI file, section SYSTEM).
#include "schema/setting.h"

namespace prefig::schema {

// Trimmed and upper case; written as "%02X" per character.
inline constexpr Setting kPassword{
    .section = "SYSTEM", .key = "PASSWORD", .kind = kHexText, .length = 256, .page = kLeftUnchanged};
inline constexpr Setting kDisableQuiver{.section = "SYSTEM", .key = "DISABLEQUIVER", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableDncAdm{.section = "SYSTEM", .key = "DISABLEDNCADM", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableBackplot{
    .section = "SYSTEM", .key = "DISABLEBACKPLOT", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableSolid{.section = "SYSTEM", .key = "DISABLESOLID", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableFileComp{
    .section = "SYSTEM", .key = "DISABLEFILECOMP", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableMathFunc{
    .section = "SYSTEM", .key = "DISABLEMATHFUNC", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableDnc{.section = "SYSTEM", .key = "DISABLEDNC", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableDrafter{.section = "SYSTEM", .key = "DISABLEDRAFTER", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kDisableMazakView{
    .section = "SYSTEM", .key = "DISABLEMAZAKVIEW", .kind = kYesNo, .loader = "No"};
// The optimizer's switch is hidden on the page but loaded and saved.
inline constexpr Setting kDisableGTang{.section = "SYSTEM", .key = "DISABLEGTANG", .kind = kYesNo, .loader = "No"};

inline constexpr const Setting* kFeaturesPage[] = {
    &kPassword,        &kDisableQuiver, &kDisableDncAdm,  &kDisableBackplot,  &kDisableSolid, &kDisableFileComp,
    &kDisableMathFunc, &kDisableDnc,    &kDisableDrafter, &kDisableMazakView, &kDisableGTang};

}  // namespace prefig::schema
