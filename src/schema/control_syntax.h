#pragma once
// The machine settings page of a machine type: the control's syntax
// characters, NC words and units (section MACHINETYPE). Defaults that
// differ by basic type are given for 0, 1 (Heidenhain), 2, 3.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kBlockSkip{.scope = kType,
                                    .section = "MACHINETYPE",
                                    .key = "BLOCKSKIP",
                                    .kind = kText,
                                    .length = 63,
                                    .loader = "/",
                                    .if_empty = "/",
                                    .page_by_type = {"/", ";", "/", "/"}};
inline constexpr Setting kCommentStart{.scope = kType,
                                       .section = "MACHINETYPE",
                                       .key = "COMMENTSTART",
                                       .kind = kChar,
                                       .length = 1,
                                       .loader_by_type = {"(", ";", "(", "("},
                                       .if_empty = "(",
                                       .page = "("};
inline constexpr Setting kCommentEnd{.scope = kType,
                                     .section = "MACHINETYPE",
                                     .key = "COMMENTEND",
                                     .kind = kChar,
                                     .length = 1,
                                     .loader_by_type = {")", "", ")", ")"},
                                     .page = ")"};
inline constexpr Setting kDecimal{.scope = kType,
                                  .section = "MACHINETYPE",
                                  .key = "DECIMAL",
                                  .kind = kChar,
                                  .length = 1,
                                  .loader = ".",
                                  .if_empty = "."};
inline constexpr Setting kDecimalGrayKey{
    .scope = kType, .section = "MACHINETYPE", .key = "DECIMALGRAYKEY", .kind = kYesNo, .loader = "Yes"};
// Index of the arc type list; the backplot page edits it.
inline constexpr Setting kArcType{
    .scope = kType, .section = "MACHINETYPE", .key = "ARCTPYE", .kind = kInteger, .min = 0, .max = 4, .loader = "0"};
// Unit list indices: mm, mm/100, mm/1000, m, inches, inches/1000.
inline constexpr Setting kPathUnits{.scope = kType,
                                    .section = "MACHINETYPE",
                                    .key = "PATHUNITS",
                                    .kind = kInteger,
                                    .min = 0,
                                    .max = 5,
                                    .loader = "0",
                                    .loader_imperial = "4",
                                    .page = "0"};
// mm/min, m/min, mm/s, m/s, feet/min, inch/min, feet/s, inch/s.
inline constexpr Setting kFeedUnits{.scope = kType,
                                    .section = "MACHINETYPE",
                                    .key = "FEEDUNITS",
                                    .kind = kInteger,
                                    .min = 0,
                                    .max = 7,
                                    .loader = "0",
                                    .loader_imperial = "4",
                                    .page = "0"};
// mm, inches.
inline constexpr Setting kTurnPathUnits{.scope = kType,
                                        .section = "MACHINETYPE",
                                        .key = "TURNPATHUNITS",
                                        .kind = kInteger,
                                        .min = 0,
                                        .max = 1,
                                        .loader = "0",
                                        .loader_imperial = "1",
                                        .page = "0"};
// Per minute, per revolution.
inline constexpr Setting kTurnFeedUnits{.scope = kType,
                                        .section = "MACHINETYPE",
                                        .key = "TURNFEEDUNITS",
                                        .kind = kInteger,
                                        .min = 0,
                                        .max = 1,
                                        .loader = "0"};
inline constexpr Setting kRapidRate{.scope = kType,
                                    .section = "MACHINETYPE",
                                    .key = "RAPIDRATE",
                                    .kind = kText,
                                    .length = 31,
                                    .loader = "10000",
                                    .page = "1000"};
inline constexpr Setting kDecimalCount{.scope = kType,
                                       .section = "MACHINETYPE",
                                       .key = "DECIMALCOUNT",
                                       .kind = kInteger,
                                       .min = 0,
                                       .max = 10,
                                       .loader = "3",
                                       .loader_imperial = "4",
                                       .page = "3"};
// Not on the page.
inline constexpr Setting kToolChangeTime{
    .scope = kType, .section = "MACHINETYPE", .key = "TOOLCHANGETIME", .kind = kText, .length = 31, .loader = "10"};
inline constexpr Setting kFeed{.scope = kType,
                               .section = "MACHINETYPE",
                               .key = "FEED",
                               .kind = kText,
                               .length = 63,
                               .loader = "F",
                               .page_by_type = {"F", "R", "F", "F"}};
inline constexpr Setting kSpeed{.scope = kType,
                                .section = "MACHINETYPE",
                                .key = "SPEED",
                                .kind = kText,
                                .length = 63,
                                .loader = "S",
                                .page_by_type = {"S", "F", "S", "S"}};
inline constexpr Setting kToolChange{.scope = kType,
                                     .section = "MACHINETYPE",
                                     .key = "TOOLCHANGE",
                                     .kind = kText,
                                     .length = 63,
                                     .loader = "T",
                                     .page_by_type = {"T", "TOOL CALL", "T", "T"}};
inline constexpr Setting kToolLoad{.scope = kType,
                                   .section = "MACHINETYPE",
                                   .key = "TOOLLOAD",
                                   .kind = kText,
                                   .length = 63,
                                   .loader = "M6",
                                   .page_by_type = {"M6", "", "M6", "M6"}};
inline constexpr Setting kBlockSkipAfter{.scope = kType,
                                         .section = "MACHINETYPE",
                                         .key = "BLOCKSKIPAFTER",
                                         .kind = kYesNo,
                                         .loader = "Yes",
                                         .page_by_type = {"Yes", "No", "No", "No"}};
// Not on the page.
inline constexpr Setting kIgnoreToolReg{
    .scope = kType, .section = "MACHINETYPE", .key = "IGNORETOOLREG", .kind = kYesNo, .loader = "Yes"};
// Multi-line comments.
inline constexpr Setting kMlcEnabled{
    .scope = kType, .section = "MACHINETYPE", .key = "MLCENABLED", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kMlcStart{
    .scope = kType, .section = "MACHINETYPE", .key = "MLCSTART", .kind = kText, .length = 63, .loader = "/*"};
inline constexpr Setting kMlcEnd{
    .scope = kType, .section = "MACHINETYPE", .key = "MLCEND", .kind = kText, .length = 63, .loader = "*/"};
// The NC filter table entry that the type used last; read for every type.
inline constexpr Setting kFilterDllIndex{.scope = kType,
                                         .section = "MACHINETYPE",
                                         .key = "FILTERDLLINDEX",
                                         .kind = kInteger,
                                         .min = 0,
                                         .max = 63,
                                         .loader = "0"};

inline constexpr const Setting* kControlSyntaxPage[] = {
    &kBlockSkip,      &kCommentStart, &kCommentEnd,    &kDecimal,       &kDecimalGrayKey, &kArcType,
    &kPathUnits,      &kFeedUnits,    &kTurnPathUnits, &kTurnFeedUnits, &kRapidRate,      &kDecimalCount,
    &kToolChangeTime, &kFeed,         &kSpeed,         &kToolChange,    &kToolLoad,       &kBlockSkipAfter,
    &kIgnoreToolReg,  &kMlcEnabled,   &kMlcStart,      &kMlcEnd,        &kFilterDllIndex};

}  // namespace prefig::schema
