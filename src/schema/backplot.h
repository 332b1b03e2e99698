#pragma once
// The backplot settings of a machine type (section INSPECT of its file):
// the NC filter, lathe and arc options, 5-axis plotting, letter mapping, and
// the keys that the backplot keeps there without a page.
#include "schema/nc_filter_names.h"
#include "schema/setting.h"

namespace prefig::schema {

// The NC filter: library, namespace URI and control key. A file that lacks
// the URI or the control key gets all three from the loader's NC filter
// upgrade; the page stores the chosen filter table entry.
inline constexpr Setting kFilterUri{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "FILTERURI",
                                    .kind = kText,
                                    .length = 1024,
                                    .from = kNamespaceUri,
                                    .page_by_type = {kNamespacePathIsoAdvanced, kNamespacePathHeidenhain,
                                                     kNamespacePathAptGeneric, kNamespacePathIsoAdvanced}};
inline constexpr Setting kFilterDll{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "FILTERDLL",
                                    .kind = kText,
                                    .length = 1024,
                                    .loader_by_type = {kFilterLibraryFanuc, "", kFilterLibraryApt, kFilterLibraryFanuc},
                                    .page = kSetByPage};
inline constexpr Setting kFilterType{
    .scope = kType,
    .section = "INSPECT",
    .key = "FILTERTYPE",
    .kind = kText,
    .length = 63,
    .loader_by_type = {"", kControlKeyHeidenhain, "", ""},
    .page_by_type = {kControlKeyMillFanuc, kControlKeyHeidenhain, kControlKeyApt, kControlKeyMillFanuc}};
// Yes exactly when FILTERTYPE begins with TURN; written by the loader.
inline constexpr Setting kTurnPrg{
    .scope = kType, .section = "INSPECT", .key = "TURNPRG", .kind = kYesNo, .loader = "No", .page = kSetByPage};
// One 5-axis machine definition in the "$"-separated form.
inline constexpr Setting kCfg5Axis{.scope = kType,
                                   .section = "INSPECT",
                                   .key = "CFG5AXIS",
                                   .kind = kText,
                                   .length = 4095,
                                   .loader =
                                       "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$"
                                       "-155.0000000$180.0000000$0.0000000$1$1$2$0.0000000$0.0000000$"
                                       "1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$"
                                       "99999.0000000$0.0000000$0.0000000$1.0000000$0",
                                   .page = kLeftUnchanged};
// Index of the orientation list.
inline constexpr Setting kLatheFlip{
    .scope = kType, .section = "INSPECT", .key = "LATHEFLIP", .kind = kInteger, .min = 0, .max = 8, .loader = "0"};
inline constexpr Setting kDiaPrg{
    .scope = kType, .section = "INSPECT", .key = "DIAPRG", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kDiaArc{
    .scope = kType, .section = "INSPECT", .key = "DIAARC", .kind = kYesNo, .loader = "No", .page = "Yes"};
inline constexpr Setting kShowCycles{
    .scope = kType, .section = "INSPECT", .key = "SHOWCYCLES", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kNullArcs{
    .scope = kType, .section = "INSPECT", .key = "NULLARCS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreToolLoad{
    .scope = kType, .section = "INSPECT", .key = "IGNORETOOLLOAD", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIgnoreTool0{
    .scope = kType, .section = "INSPECT", .key = "IGNORETOOL0", .kind = kYesNo, .loader = "Yes", .page = "No"};
inline constexpr Setting kIgnoreBlockSkip{
    .scope = kType, .section = "INSPECT", .key = "IGNOREBLOCKSKIP", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUseMili{
    .scope = kType, .section = "INSPECT", .key = "USEMILI", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUseShortAngle{
    .scope = kType, .section = "INSPECT", .key = "USESHORTANGLE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kNoRadiusComp{
    .scope = kType, .section = "INSPECT", .key = "NORADIUSCOMP", .kind = kYesNo, .loader = "Yes", .page = "No"};
inline constexpr Setting kUseUvw{
    .scope = kType, .section = "INSPECT", .key = "USEUVW", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kIs5Axis{
    .scope = kType, .section = "INSPECT", .key = "IS5AXIS", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kOnlyUseDecimals{
    .scope = kType, .section = "INSPECT", .key = "ONLYUSEDECIMALS", .kind = kYesNo, .loader = "No"};
// A comma list of letter mappings.
inline constexpr Setting kMapLetters{
    .scope = kType, .section = "INSPECT", .key = "MAPLETTERS", .kind = kText, .length = 1023, .page = kLeftUnchanged};

// Kept by the backplot without a page; ranges and defaults are ours.
// X positive to the right on lathes.
inline constexpr Setting kAutoX{.scope = kType, .section = "INSPECT", .key = "AUTOX", .kind = kYesNo, .loader = "Yes"};
// Drawing speed against quality, 0 fastest ... 10 finest.
inline constexpr Setting kSpeedQuality{
    .scope = kType, .section = "INSPECT", .key = "SPEEDQUALITY", .kind = kInteger, .min = 0, .max = 10, .loader = "5"};
// Size of the dots at block ends, in pixels.
inline constexpr Setting kPointSize{
    .scope = kType, .section = "INSPECT", .key = "POINTSIZE", .kind = kInteger, .min = 1, .max = 20, .loader = "3"};
// Width of the toolpath lines, in pixels.
inline constexpr Setting kPathWidth{
    .scope = kType, .section = "INSPECT", .key = "PATHWIDTH", .kind = kInteger, .min = 1, .max = 10, .loader = "1"};
// 0 draft, 1 normal, 2 fine.
inline constexpr Setting kBitmapQuality{
    .scope = kType, .section = "INSPECT", .key = "BITMAPQUALITY", .kind = kInteger, .min = 0, .max = 2, .loader = "1"};

// The simulation state saved with the type: work coordinate system zero
// points (the first without a number, then 1 to 7), the coordinate system
// in use, tool length and modes.
inline constexpr double kCoordinateLimit = 1e9;
inline constexpr Setting kStateWcsX{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATEWCSX",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateWcsY{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATEWCSY",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateWcsZ{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATEWCSZ",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateWcsXn{.scope = kType,
                                     .section = "INSPECT",
                                     .key = "STATEWCSX%d",
                                     .count = 7,
                                     .first = 1,
                                     .kind = kDouble,
                                     .min = -kCoordinateLimit,
                                     .max = kCoordinateLimit,
                                     .loader = "0.000000"};
inline constexpr Setting kStateWcsYn{.scope = kType,
                                     .section = "INSPECT",
                                     .key = "STATEWCSY%d",
                                     .count = 7,
                                     .first = 1,
                                     .kind = kDouble,
                                     .min = -kCoordinateLimit,
                                     .max = kCoordinateLimit,
                                     .loader = "0.000000"};
inline constexpr Setting kStateWcsZn{.scope = kType,
                                     .section = "INSPECT",
                                     .key = "STATEWCSZ%d",
                                     .count = 7,
                                     .first = 1,
                                     .kind = kDouble,
                                     .min = -kCoordinateLimit,
                                     .max = kCoordinateLimit,
                                     .loader = "0.000000"};
inline constexpr Setting kStateSysX{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATESYSX",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateSysY{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATESYSY",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateSysZ{.scope = kType,
                                    .section = "INSPECT",
                                    .key = "STATESYSZ",
                                    .kind = kDouble,
                                    .min = -kCoordinateLimit,
                                    .max = kCoordinateLimit,
                                    .loader = "0.000000"};
inline constexpr Setting kStateSysUse{
    .scope = kType, .section = "INSPECT", .key = "STATESYSUSE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kStateToolLen{.scope = kType,
                                       .section = "INSPECT",
                                       .key = "STATETOOLLEN",
                                       .kind = kDouble,
                                       .min = -kCoordinateLimit,
                                       .max = kCoordinateLimit,
                                       .loader = "0.000000"};
// 0 tool tip, 1 tool centre, 2 gauge line.
inline constexpr Setting kStateToolMode{
    .scope = kType, .section = "INSPECT", .key = "STATETOOLMODE", .kind = kInteger, .min = 0, .max = 2, .loader = "0"};
// 0 backplot, 1 solid, 2 both.
inline constexpr Setting kStateSimMode{
    .scope = kType, .section = "INSPECT", .key = "STATESIMMODE", .kind = kInteger, .min = 0, .max = 2, .loader = "0"};
// Simulation feed in per cent of the programmed feed.
inline constexpr Setting kStateSimFeed{.scope = kType,
                                       .section = "INSPECT",
                                       .key = "STATESIMFEED",
                                       .kind = kInteger,
                                       .min = 1,
                                       .max = 1000,
                                       .loader = "100"};

// Saved in the order of the page.
inline constexpr const Setting* kBackplotPage[] = {
    &kFilterUri,     &kFilterDll,    &kFilterType, &kTurnPrg,        &kCfg5Axis,        &kLatheFlip,       &kDiaPrg,
    &kDiaArc,        &kShowCycles,   &kNullArcs,   &kIgnoreToolLoad, &kIgnoreTool0,     &kIgnoreBlockSkip, &kUseMili,
    &kUseShortAngle, &kNoRadiusComp, &kUseUvw,     &kIs5Axis,        &kOnlyUseDecimals, &kMapLetters};
inline constexpr const Setting* kBackplotKept[] = {
    &kAutoX,       &kSpeedQuality, &kPointSize,     &kPathWidth,    &kBitmapQuality, &kStateWcsX, &kStateWcsY,
    &kStateWcsZ,   &kStateWcsXn,   &kStateWcsYn,    &kStateWcsZn,   &kStateSysX,     &kStateSysY, &kStateSysZ,
    &kStateSysUse, &kStateToolLen, &kStateToolMode, &kStateSimMode, &kStateSimFeed};

}  // namespace prefig::schema
