#pragma once
// Settings of the whole configuration that the backplot page of a machine
// type edits (main INI file, section INSPECT).
#include "schema/setting.h"

namespace prefig::schema {

// Index of the keyboard/mouse mapping list (two entries).
inline constexpr Setting kMapping{
    .section = "INSPECT", .key = "MAPPING", .kind = kInteger, .min = 0, .max = 1, .loader = "0"};
// Index of the hidden print quality list (three entries).
inline constexpr Setting kPrintQuality{
    .section = "INSPECT", .key = "PRINTQUALITY", .kind = kInteger, .min = 0, .max = 2, .loader = "1"};
// The hidden solid-animation list has no entries, so the page has nothing to
// write but its selection's item value; 0 (no options) is what an empty
// selection stands for, and the loader defaults to it.
inline constexpr Setting kSolidAnimationOpts{.section = "INSPECT",
                                             .key = "SOLIDANIMATIONOPTS",
                                             .kind = kInteger,
                                             .min = 0,
                                             .max = 2147483647,
                                             .loader = "0",
                                             .page = kLeftUnchanged};

inline constexpr const Setting* kBackplotViewPage[] = {&kSolidAnimationOpts, &kMapping, &kPrintQuality};

}  // namespace prefig::schema
