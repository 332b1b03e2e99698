#pragma once
// Section MACROINF of a machine type file, as far as the loader reads it;
// the macro library reads and writes the rest.
#include "schema/setting.h"

namespace prefig::schema {

// Yes: the file's texts are never translated.
inline constexpr Setting kDisableTranslate{
    .scope = kType, .section = "MACROINF", .key = "DISABLETRANSLATE", .kind = kYesNo, .loader = "No"};

inline constexpr const Setting* kMacroInfo[] = {&kDisableTranslate};

}  // namespace prefig::schema
