#pragma once

namespace prefig::host {

// The NC program that the editor shows when it starts.
inline constexpr const char* kSampleProgram =
    "%\n"
    "O1001 (FLANGE - OP10)\n"
    "(MATERIAL: AL 6061   STOCK: 120 X 80 X 25)\n"
    "N10 G21 G17 G40 G49 G80 G90\n"
    "N20 T1 M06 (FACE MILL D50)\n"
    "N30 G54 G00 X-30. Y0. S3200 M03\n"
    "N40 G43 H01 Z25. M08\n"
    "N50 G01 Z0. F800.\n"
    "N60\tX150.\n"
    "N70\tY45.\n"
    "N80\tX-30.\n"
    "N90 G00 Z25.\n"
    "N100 T2 M06 (DRILL D8.5)\n"
    "N110 G54 G00 X20. Y20. S2400 M03\n"
    "N120 G43 H02 Z25. M08\n"
    "N130 G81 G98 X20. Y20. Z-28. R2. F240.\n"
    "N140\tX100.\n"
    "N150\tY60.\n"
    "N160\tX20.\n"
    "N170 G80 G00 Z100. M09\n"
    "N180 G91 G28 Z0. M05\n"
    "N190 M30\n"
    "%\n";

}  // namespace prefig::host
