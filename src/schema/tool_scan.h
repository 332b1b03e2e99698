#pragma once
// The tool scan page of a machine type: the keyword of a tool definition
// line, the words for tool types and dimensions (section TOOLSCAN), and
// whether the backplot scans and inserts tool definitions (section INSPECT).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kAutoToolScan{
    .scope = kType, .section = "INSPECT", .key = "AUTOTOOLSCAN", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kToolLineTrigger{
    .scope = kType, .section = "TOOLSCAN", .key = "TOOLLINETRIGGER", .kind = kText, .length = 63, .loader = "TOOL"};
inline constexpr Setting kAutoWriteTools{
    .scope = kType, .section = "INSPECT", .key = "AUTOWRITETOOLS", .kind = kYesNo, .loader = "No"};
// A custom placement as a regular expression (placement 2).
inline constexpr Setting kAutoWriteToolRegex{
    .scope = kType, .section = "INSPECT", .key = "AUTOWRITETOOLREGEX", .kind = kText, .length = 1023};
// The item value of the chosen placement entry.
inline constexpr Setting kAutoWriteToolPlacement{.scope = kType,
                                                 .section = "INSPECT",
                                                 .key = "AUTOWRITETOOLPLACEMENT",
                                                 .kind = kInteger,
                                                 .min = 0,
                                                 .max = 10,
                                                 .loader = "0"};

// The words of the fifteen tool types.
inline constexpr Setting kToolTypeEndMillFlat{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPEENDMILLFLAT",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "END MILL FLAT"};
inline constexpr Setting kToolTypeEndMillSphere{.scope = kType,
                                                .section = "TOOLSCAN",
                                                .key = "TYPEENDMILLSPHERE",
                                                .kind = kText,
                                                .length = 63,
                                                .loader = "END MILL SPHERE"};
inline constexpr Setting kToolTypeEndMillBull{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPEENDMILLBULL",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "END MILL BULL"};
inline constexpr Setting kToolTypeTaperMill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPETAPERMILL", .kind = kText, .length = 63, .loader = "TAPER MILL"};
inline constexpr Setting kToolTypeDrill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPEDRILL", .kind = kText, .length = 63, .loader = "DRILL"};
inline constexpr Setting kToolTypeCenterDrill{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPECENTERDRILL",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "CENTER DRILL"};
inline constexpr Setting kToolTypeSpotDrill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPESPOTDRILL", .kind = kText, .length = 63, .loader = "SPOT DRILL"};
inline constexpr Setting kToolTypeReamer{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPEREAMER", .kind = kText, .length = 63, .loader = "REAMER"};
inline constexpr Setting kToolTypeBoringBar{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPEBORINGBAR", .kind = kText, .length = 63, .loader = "BORING BAR"};
inline constexpr Setting kToolTypeCounterBore{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPECOUNTERBORE",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "COUNTER BORE"};
inline constexpr Setting kToolTypeCounterSink{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPECOUNTERSINK",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "COUNTER SINK"};
inline constexpr Setting kToolTypeChamferMill{.scope = kType,
                                              .section = "TOOLSCAN",
                                              .key = "TYPECHAMFERMILL",
                                              .kind = kText,
                                              .length = 63,
                                              .loader = "CHAMFER MILL"};
inline constexpr Setting kToolTypeFaceMill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPEFACEMILL", .kind = kText, .length = 63, .loader = "FACE MILL"};
inline constexpr Setting kToolTypeSlotMill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPESLOTMILL", .kind = kText, .length = 63, .loader = "SLOT MILL"};
inline constexpr Setting kToolTypeRadMill{
    .scope = kType, .section = "TOOLSCAN", .key = "TYPERADMILL", .kind = kText, .length = 63, .loader = "RAD MILL"};

// The words of the tool dimensions; the first two are the unit words.
inline constexpr Setting kDimensionMetric{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONMETRIC", .kind = kText, .length = 63, .loader = "UM"};
inline constexpr Setting kDimensionImperial{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONIMPERIAL", .kind = kText, .length = 63, .loader = "UI"};
inline constexpr Setting kDimensionDiameter{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONDIAMETER", .kind = kText, .length = 63, .loader = "D"};
inline constexpr Setting kDimensionCornerRadius{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONCORNERRADIUS", .kind = kText, .length = 63, .loader = "CR"};
inline constexpr Setting kDimensionTaperAngle{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONTAPERANGLE", .kind = kText, .length = 63, .loader = "A"};
inline constexpr Setting kDimensionFluteLength{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONFLUTELENGTH", .kind = kText, .length = 63, .loader = "FL"};
inline constexpr Setting kDimensionShoulderLength{.scope = kType,
                                                  .section = "TOOLSCAN",
                                                  .key = "DIMENSIONSHOULDERLENGTH",
                                                  .kind = kText,
                                                  .length = 63,
                                                  .loader = "SL"};
inline constexpr Setting kDimensionBodyLength{
    .scope = kType, .section = "TOOLSCAN", .key = "DIMENSIONBODYLENGTH", .kind = kText, .length = 63, .loader = "BL"};
inline constexpr Setting kDimensionArborDiameter{.scope = kType,
                                                 .section = "TOOLSCAN",
                                                 .key = "DIMENSIONARBORDIAMETER",
                                                 .kind = kText,
                                                 .length = 63,
                                                 .loader = "AD"};

// Saved in this order.
inline constexpr const Setting* kToolScanPage[] = {
    &kAutoToolScan,           &kToolLineTrigger,      &kAutoWriteTools,          &kAutoWriteToolRegex,
    &kAutoWriteToolPlacement, &kToolTypeEndMillFlat,  &kToolTypeEndMillSphere,   &kToolTypeEndMillBull,
    &kToolTypeTaperMill,      &kToolTypeDrill,        &kToolTypeCenterDrill,     &kToolTypeSpotDrill,
    &kToolTypeReamer,         &kToolTypeBoringBar,    &kToolTypeCounterBore,     &kToolTypeCounterSink,
    &kToolTypeChamferMill,    &kToolTypeFaceMill,     &kToolTypeSlotMill,        &kToolTypeRadMill,
    &kDimensionMetric,        &kDimensionImperial,    &kDimensionDiameter,       &kDimensionCornerRadius,
    &kDimensionTaperAngle,    &kDimensionFluteLength, &kDimensionShoulderLength, &kDimensionBodyLength,
    &kDimensionArborDiameter};

}  // namespace prefig::schema
