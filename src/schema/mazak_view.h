#pragma once
// The Mazatrol view page (main INI file, sections SYSTEM and MAZAKVIEW).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kMazakDecimals{
    .section = "SYSTEM", .key = "MAZAKDECIMALS", .kind = kInteger, .min = 0, .max = 4, .loader = "3"};
// The viewer's language number: the list index, 100 for the last entry.
inline constexpr Setting kMazakLang{
    .section = "SYSTEM", .key = "MAZAKLANG", .kind = kInteger, .min = 0, .max = 100, .loader = "0"};
inline constexpr Setting kMazakShowTpc{.section = "SYSTEM", .key = "MAZAKSHOWTPC", .kind = kYesNo, .loader = "Yes"};
// The page's Default takes kMazakJapaneseFace as face name when the
// record's language is Japanese.
inline constexpr Setting kMazakViewFont{
    .section = "MAZAKVIEW", .key = "FONT*", .kind = kFont, .loader = "-16,0,0,0,700,0,0,0,0,3,2,1,49,Courier New"};

inline constexpr char kMazakJapaneseFace[] = "MS UI Gothic";

inline constexpr const Setting* kMazakViewPage[] = {&kMazakDecimals, &kMazakLang, &kMazakShowTpc, &kMazakViewFont};

}  // namespace prefig::schema
