#pragma once
// The CAD/CAM post settings of a machine type (section PLANAR) and the keys
// that the drawing function keeps there without a page.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kIsTurn{.scope = kType, .section = "PLANAR", .key = "ISTURN", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTurnDiameterPrg{
    .scope = kType, .section = "PLANAR", .key = "TURNDIAMETERPRG", .kind = kYesNo, .loader = "Yes"};
// Decimals in element information.
inline constexpr Setting kPlanarDecimals{
    .scope = kType, .section = "PLANAR", .key = "DECIMALS", .kind = kInteger, .min = 0, .max = 8, .loader = "3"};
inline constexpr Setting kSplineSubstitutionTolerance{.scope = kType,
                                                      .section = "PLANAR",
                                                      .key = "SPLINESUBSTITUTIONTOLERANCE",
                                                      .kind = kDouble,
                                                      .min = 0.0001,
                                                      .max = 100,
                                                      .loader = "0.001000"};
inline constexpr Setting kAxisSubstitutionTolerance{.scope = kType,
                                                    .section = "PLANAR",
                                                    .key = "AXISSUBSTITUTIONTOLERANCE",
                                                    .kind = kDouble,
                                                    .min = 0.0001,
                                                    .max = 100,
                                                    .loader = "0.001000"};
inline constexpr Setting kAxisSubstitutionName{
    .scope = kType, .section = "PLANAR", .key = "AXISSUBSTITUTIONNAME", .kind = kText, .length = 1023, .loader = "B"};
inline constexpr Setting kGridOn{.scope = kType, .section = "PLANAR", .key = "GRIDON", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kGridSize{.scope = kType,
                                   .section = "PLANAR",
                                   .key = "GRIDSIZE",
                                   .kind = kDouble,
                                   .min = 1,
                                   .max = 10000000,
                                   .loader = "10.000000"};
inline constexpr Setting kShowSubGrid{
    .scope = kType, .section = "PLANAR", .key = "SHOWSUBGRID", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kAxisOn{.scope = kType, .section = "PLANAR", .key = "AXISON", .kind = kYesNo, .loader = "Yes"};
// The post processor script (*.js); a bare name of a file beside the
// program is loaded as its full path.
inline constexpr Setting kDefaultPostProcessor{
    .scope = kType, .section = "PLANAR", .key = "DEFAULTPOSTPROCESSORFILENAME", .kind = kText, .length = 1023};

// Kept by the drawing function without a page; defaults are ours: the
// conventions of an ISO milling control in the metric system.
inline constexpr Setting kTurnNegativeX{
    .scope = kType, .section = "PLANAR", .key = "TURNNEGATIVEX", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTurnNegativeZ{
    .scope = kType, .section = "PLANAR", .key = "TURNNEGATIVEZ", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTurnDiameterArc{
    .scope = kType, .section = "PLANAR", .key = "TURNDIAMETERARC", .kind = kYesNo, .loader = "No"};
// How arcs are written: 0 I/J/K centre, 1 absolute centre, 2 radius.
inline constexpr Setting kPlanarArcType{
    .scope = kType, .section = "PLANAR", .key = "ARCTYPE", .kind = kInteger, .min = 0, .max = 4, .loader = "0"};
inline constexpr Setting kModalXy{
    .scope = kType, .section = "PLANAR", .key = "MODALXY", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kModalZ{.scope = kType, .section = "PLANAR", .key = "MODALZ", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kAlwaysSign{
    .scope = kType, .section = "PLANAR", .key = "ALWAYSSIGN", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kTrailZeros{
    .scope = kType, .section = "PLANAR", .key = "TRAILZEROS", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUseG0X{.scope = kType, .section = "PLANAR", .key = "USEG0X", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kFMax9999{
    .scope = kType, .section = "PLANAR", .key = "FMAX9999", .kind = kYesNo, .loader = "No"};
// The control family of the post processor; read for every type (not only
// for Heidenhain ones), so that a new file holds it too.
inline constexpr Setting kPlanarMachineType{
    .scope = kType, .section = "PLANAR", .key = "MACHINETYPE", .kind = kInteger, .min = 0, .max = 16, .loader = "1"};
// 0 metric, 1 imperial.
inline constexpr Setting kMetricImperial{.scope = kType,
                                         .section = "PLANAR",
                                         .key = "METRICIMPERIAL",
                                         .kind = kInteger,
                                         .min = 0,
                                         .max = 1,
                                         .loader = "0",
                                         .loader_imperial = "1"};
// Lines the post processor writes before and after a drawn contour.
inline constexpr Setting kMacroHead{
    .scope = kType, .section = "PLANAR", .key = "MACROHEAD", .kind = kText, .length = 1023};
inline constexpr Setting kMacroTail{
    .scope = kType, .section = "PLANAR", .key = "MACROTAIL", .kind = kText, .length = 1023};
// 0 climb, 1 conventional.
inline constexpr Setting kDrawDir{
    .scope = kType, .section = "PLANAR", .key = "DRAWDIR", .kind = kInteger, .min = 0, .max = 1, .loader = "0"};
// Arcs above this angle (degrees) are split.
inline constexpr Setting kMaxArcAngle{.scope = kType,
                                      .section = "PLANAR",
                                      .key = "MAXARCANGLE",
                                      .kind = kDouble,
                                      .min = 1,
                                      .max = 360,
                                      .loader = "360.000000"};
inline constexpr Setting kRotaryAxis{
    .scope = kType, .section = "PLANAR", .key = "ROTARYAXIS", .kind = kText, .length = 15, .loader = "A"};
inline constexpr Setting kRotaryLinTol{.scope = kType,
                                       .section = "PLANAR",
                                       .key = "ROTARYLINTOL",
                                       .kind = kDouble,
                                       .min = 0.0001,
                                       .max = 100,
                                       .loader = "0.001000"};

inline constexpr const Setting* kPlanarPage[] = {&kIsTurn,
                                                 &kTurnDiameterPrg,
                                                 &kPlanarDecimals,
                                                 &kSplineSubstitutionTolerance,
                                                 &kAxisSubstitutionTolerance,
                                                 &kAxisSubstitutionName,
                                                 &kGridOn,
                                                 &kGridSize,
                                                 &kShowSubGrid,
                                                 &kAxisOn,
                                                 &kDefaultPostProcessor};
inline constexpr const Setting* kPlanarKept[] = {
    &kTurnNegativeX, &kTurnNegativeZ, &kTurnDiameterArc, &kPlanarArcType, &kModalXy,           &kModalZ,
    &kAlwaysSign,    &kTrailZeros,    &kUseG0X,          &kFMax9999,      &kPlanarMachineType, &kMetricImperial,
    &kMacroHead,     &kMacroTail,     &kDrawDir,         &kMaxArcAngle,   &kRotaryAxis,        &kRotaryLinTol};

}  // namespace prefig::schema
