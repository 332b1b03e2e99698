#include "record/nc_sample_programs.h"

#include "record/machine_type.h"

namespace prefig {
namespace {

constexpr int kSampleHeidenhainType = 1;
constexpr int kSampleTextType = 3;

constexpr std::string_view kMillingSample =
    "%\n"
    "O1001 (FLANGE - OP10)\n"
    "N10 G21 G17 G40 G90\n"
    "N20 T1 M06 (FACE MILL D50)\n"
    "N30 G54 G00 X-30. Y0. S3200 M03\n"
    "N40 G43 H01 Z25. M08\n"
    "/N50 M00\n"
    "N60 G01 Z0. F800.\n"
    "N70 G02 X20. Y20. I10. J0.\n"
    "#101=#5221+2.5\n"
    "N80 G00 Z100. M09\n"
    "N90 M30\n"
    "%\n";

constexpr std::string_view kTurningSample =
    "%\n"
    "O1000 (SHAFT - TURRET 1)\n"
    "N10 G21 G18 G99\n"
    "N20 T0101 (OD ROUGH)\n"
    "N30 G96 S200 M03\n"
    "N40 G00 X52. Z2. M08\n"
    "N50 M300 (WAIT FOR TURRET 2)\n"
    "N60 G71 U2. R0.5\n"
    "N70 G71 P80 Q110 U0.4 W0.1 F0.25\n"
    "N80 M301\n"
    "N90 G28 U0. W0. M30\n"
    "O2000 (SHAFT - TURRET 2)\n"
    "N10 T0202 (DRILL D10)\n"
    "N20 M300\n"
    "N30 G74 R1. Z-20. Q5000 F0.1\n"
    "N40 M301\n"
    "N50 M30\n"
    "%\n";

constexpr std::string_view kHeidenhainSample =
    "0 BEGIN PGM FLANGE MM\n"
    "1 BLK FORM 0.1 Z X+0 Y+0 Z-25\n"
    "2 BLK FORM 0.2 X+120 Y+80 Z+0\n"
    "3 TOOL CALL 1 Z S3200 F800\n"
    "4 L Z+50 R0 FMAX M3\n"
    "5 ; DRILL THE FOUR HOLES\n"
    "6 CYCL DEF 200 DRILLING\n"
    "  Q200=2 ;SET-UP CLEARANCE\n"
    "7 L X+20 Y+20 R0 FMAX M99\n"
    "8 CC X+60 Y+40\n"
    "9 C X+80 Y+40 DR+ RL F400\n"
    "10 CALL LBL 1 REP 2\n"
    "11 END PGM FLANGE MM\n";

constexpr std::string_view kTextSample =
    "; Setup sheet for O1001\n"
    "Part: FLANGE   Material: AL 6061\n"
    "Stock 120 x 80 x 25 mm\n"
    "Depth = SQRT(#1*#1+4) ; both sides\n"
    "IF #3 > 0 THEN ROUND(#3) ELSE 0\n"
    "Tools:\n"
    "  T1  Face mill D50\n"
    "  T2  Drill D8.5\n";

}  // namespace

std::string_view NcSampleProgram(NcSample sample) {
  switch (sample) {
    case NcSample::kMilling: return kMillingSample;
    case NcSample::kTurning: return kTurningSample;
    case NcSample::kHeidenhain: return kHeidenhainSample;
    case NcSample::kText: return kTextSample;
  }
  return kMillingSample;
}

NcSample NcSampleFor(const GMachineType* type) {
  if (type == nullptr) return NcSample::kMilling;
  if (type->BasicType() == kSampleHeidenhainType) return NcSample::kHeidenhain;
  if (type->BasicType() == kSampleTextType) return NcSample::kText;
  return type->IsTurning() ? NcSample::kTurning : NcSample::kMilling;
}

}  // namespace prefig
