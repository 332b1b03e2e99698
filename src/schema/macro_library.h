#pragma once
// The macro library of a machine type: sections MACROINF (its size and the
// current macro), MACROGRP (the group names), FAVORITE (the favourites) and
// one section MACRO%03d per macro. The library reads and writes these keys
// itself. In the macro sections `section` is a printf format of the macro's
// number, and the parameter keys are printf formats of the parameter's
// number (000DESC ... 059DESC).
#include "schema/count_limit.h"
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr int kMacroCountMax = CountLimit(1024, 16);
inline constexpr int kMacroGroupMax = CountLimit(64, 8);
inline constexpr int kMacroParameterMax = 60;
inline constexpr char kMacroSection[] = "MACRO%03d";

inline constexpr Setting kMacroCount{.scope = kType,
                                     .section = "MACROINF",
                                     .key = "COUNT",
                                     .kind = kInteger,
                                     .min = 0,
                                     .max = kMacroCountMax,
                                     .loader = "0",
                                     .held_by = kMacroLibrary};
// Read with the number of macros loaded as its upper limit.
inline constexpr Setting kMacroCurrent{.scope = kType,
                                       .section = "MACROINF",
                                       .key = "CURRENT",
                                       .kind = kInteger,
                                       .min = 0,
                                       .max = kMacroCountMax,
                                       .loader = "0",
                                       .held_by = kMacroLibrary};

inline constexpr Setting kMacroGroupCount{.scope = kType,
                                          .section = "MACROGRP",
                                          .key = "COUNT",
                                          .kind = kInteger,
                                          .min = 0,
                                          .max = kMacroGroupMax,
                                          .loader = "0",
                                          .held_by = kMacroLibrary};
inline constexpr Setting kMacroGroupName{.scope = kType,
                                         .section = "MACROGRP",
                                         .key = "GRP%03d",
                                         .count = kMacroGroupMax,
                                         .kind = kText,
                                         .length = 63,
                                         .held_by = kMacroLibrary};

// Favourite n: the group it was chosen in and the macro's number in the
// library; -1 for none.
inline constexpr Setting kFavouriteCount{.scope = kType,
                                         .section = "FAVORITE",
                                         .key = "COUNT",
                                         .kind = kInteger,
                                         .min = 0,
                                         .max = kMacroCountMax,
                                         .loader = "0",
                                         .held_by = kMacroLibrary};
inline constexpr Setting kFavouriteGroup{.scope = kType,
                                         .section = "FAVORITE",
                                         .key = "FAVGROUP%d",
                                         .count = kMacroCountMax,
                                         .kind = kInteger,
                                         .min = -1,
                                         .max = kMacroGroupMax,
                                         .loader = "-1",
                                         .held_by = kMacroLibrary};
inline constexpr Setting kFavouriteMacro{.scope = kType,
                                         .section = "FAVORITE",
                                         .key = "FAVMAC%d",
                                         .count = kMacroCountMax,
                                         .kind = kInteger,
                                         .min = -1,
                                         .max = kMacroCountMax - 1,
                                         .loader = "-1",
                                         .held_by = kMacroLibrary};

// One macro. A macro without a name is not loaded.
inline constexpr Setting kMacroName{
    .scope = kType, .section = kMacroSection, .key = "NAME", .kind = kText, .length = 63, .held_by = kMacroLibrary};
inline constexpr Setting kMacroPicture{.scope = kType,
                                       .section = kMacroSection,
                                       .key = "PICTURE",
                                       .kind = kText,
                                       .length = 4095,
                                       .held_by = kMacroLibrary};
inline constexpr Setting kMacroAttachment{.scope = kType,
                                          .section = kMacroSection,
                                          .key = "ATTACHMENT",
                                          .kind = kText,
                                          .length = 4095,
                                          .held_by = kMacroLibrary};
inline constexpr Setting kMacroHideFormulas{.scope = kType,
                                            .section = kMacroSection,
                                            .key = "HIDEFORMULAS",
                                            .kind = kYesNo,
                                            .loader = "No",
                                            .held_by = kMacroLibrary};
inline constexpr Setting kMacroGroup{.scope = kType,
                                     .section = kMacroSection,
                                     .key = "GROUPID",
                                     .kind = kInteger,
                                     .min = 0,
                                     .max = kMacroGroupMax,
                                     .loader = "0",
                                     .held_by = kMacroLibrary};
// The lines, joined by the byte 0xFF.
inline constexpr Setting kMacroText{
    .scope = kType, .section = kMacroSection, .key = "TEXT", .kind = kText, .length = 32767, .held_by = kMacroLibrary};
inline constexpr Setting kMacroParameterCount{.scope = kType,
                                              .section = kMacroSection,
                                              .key = "PARAMCOUNT",
                                              .kind = kInteger,
                                              .min = 0,
                                              .max = kMacroParameterMax,
                                              .loader = "0",
                                              .held_by = kMacroLibrary};

// One parameter of a macro.
inline constexpr Setting kParameterDescription{.scope = kType,
                                               .section = kMacroSection,
                                               .key = "%03dDESC",
                                               .count = kMacroParameterMax,
                                               .kind = kText,
                                               .length = 255,
                                               .held_by = kMacroLibrary};
inline constexpr Setting kParameterRequired{.scope = kType,
                                            .section = kMacroSection,
                                            .key = "%03dREQUIRED",
                                            .count = kMacroParameterMax,
                                            .kind = kYesNo,
                                            .loader = "No",
                                            .held_by = kMacroLibrary};
inline constexpr Setting kParameterIsFunction{.scope = kType,
                                              .section = kMacroSection,
                                              .key = "%03dISFUNC",
                                              .count = kMacroParameterMax,
                                              .kind = kYesNo,
                                              .loader = "No",
                                              .held_by = kMacroLibrary};
inline constexpr Setting kParameterUseSign{.scope = kType,
                                           .section = kMacroSection,
                                           .key = "%03dUSESIGN",
                                           .count = kMacroParameterMax,
                                           .kind = kYesNo,
                                           .loader = "No",
                                           .held_by = kMacroLibrary};
inline constexpr Setting kParameterUpperCase{.scope = kType,
                                             .section = kMacroSection,
                                             .key = "%03dUPPERCASE",
                                             .count = kMacroParameterMax,
                                             .kind = kYesNo,
                                             .loader = "Yes",
                                             .held_by = kMacroLibrary};
inline constexpr Setting kParameterAllowNegative{.scope = kType,
                                                 .section = kMacroSection,
                                                 .key = "%03dALLOWNEG",
                                                 .count = kMacroParameterMax,
                                                 .kind = kYesNo,
                                                 .loader = "Yes",
                                                 .held_by = kMacroLibrary};
inline constexpr Setting kParameterNoEmptyLine{.scope = kType,
                                               .section = kMacroSection,
                                               .key = "%03dNOEMPTYLINE",
                                               .count = kMacroParameterMax,
                                               .kind = kYesNo,
                                               .loader = "No",
                                               .held_by = kMacroLibrary};
inline constexpr Setting kParameterAllowAlpha{.scope = kType,
                                              .section = kMacroSection,
                                              .key = "%03dALLOWALPHA",
                                              .count = kMacroParameterMax,
                                              .kind = kYesNo,
                                              .loader = "No",
                                              .held_by = kMacroLibrary};
// Spelled so in every file.
inline constexpr Setting kParameterRemember{.scope = kType,
                                            .section = kMacroSection,
                                            .key = "%03dREMEBER",
                                            .count = kMacroParameterMax,
                                            .kind = kYesNo,
                                            .loader = "Yes",
                                            .held_by = kMacroLibrary};
inline constexpr Setting kParameterDefault{.scope = kType,
                                           .section = kMacroSection,
                                           .key = "%03dDEFAULT",
                                           .count = kMacroParameterMax,
                                           .kind = kText,
                                           .length = 255,
                                           .held_by = kMacroLibrary};
inline constexpr Setting kParameterPrefix{.scope = kType,
                                          .section = kMacroSection,
                                          .key = "%03dPREFIX",
                                          .count = kMacroParameterMax,
                                          .kind = kText,
                                          .length = 255,
                                          .held_by = kMacroLibrary};
inline constexpr Setting kParameterSuffix{.scope = kType,
                                          .section = kMacroSection,
                                          .key = "%03dSUFFIX",
                                          .count = kMacroParameterMax,
                                          .kind = kText,
                                          .length = 255,
                                          .held_by = kMacroLibrary};
inline constexpr Setting kParameterMin{.scope = kType,
                                       .section = kMacroSection,
                                       .key = "%03dMIN",
                                       .count = kMacroParameterMax,
                                       .kind = kText,
                                       .length = 31,
                                       .held_by = kMacroLibrary};
inline constexpr Setting kParameterMax{.scope = kType,
                                       .section = kMacroSection,
                                       .key = "%03dMAX",
                                       .count = kMacroParameterMax,
                                       .kind = kText,
                                       .length = 31,
                                       .held_by = kMacroLibrary};
inline constexpr Setting kParameterDecimals{.scope = kType,
                                            .section = kMacroSection,
                                            .key = "%03dDECIMALS",
                                            .count = kMacroParameterMax,
                                            .kind = kInteger,
                                            .min = -2,
                                            .max = 5,
                                            .loader = "-2",
                                            .held_by = kMacroLibrary};
inline constexpr Setting kParameterDigits{.scope = kType,
                                          .section = kMacroSection,
                                          .key = "%03dDIGITS",
                                          .count = kMacroParameterMax,
                                          .kind = kInteger,
                                          .min = 0,
                                          .max = 9,
                                          .loader = "0",
                                          .held_by = kMacroLibrary};
// The value entered last.
inline constexpr Setting kParameterLastValue{.scope = kType,
                                             .section = kMacroSection,
                                             .key = "%03dLASTVAL",
                                             .count = kMacroParameterMax,
                                             .kind = kText,
                                             .length = 255,
                                             .held_by = kMacroLibrary};
inline constexpr Setting kParameterInputOrder{.scope = kType,
                                              .section = kMacroSection,
                                              .key = "%03dINPUTORDER",
                                              .count = kMacroParameterMax,
                                              .kind = kInteger,
                                              .min = 0,
                                              .max = kMacroParameterMax - 1,
                                              .loader = "0",
                                              .held_by = kMacroLibrary};
inline constexpr Setting kParameterPicture{.scope = kType,
                                           .section = kMacroSection,
                                           .key = "%03dPARAMPICTURE",
                                           .count = kMacroParameterMax,
                                           .kind = kText,
                                           .length = 4095,
                                           .held_by = kMacroLibrary};
inline constexpr Setting kParameterComboEnabled{.scope = kType,
                                                .section = kMacroSection,
                                                .key = "%03dCOMBOBOXENABLED",
                                                .count = kMacroParameterMax,
                                                .kind = kYesNo,
                                                .loader = "No",
                                                .held_by = kMacroLibrary};
inline constexpr Setting kParameterComboConfig{.scope = kType,
                                               .section = kMacroSection,
                                               .key = "%03dCOMBOBOXCFG",
                                               .count = kMacroParameterMax,
                                               .kind = kText,
                                               .length = 4095,
                                               .held_by = kMacroLibrary};

// The keys of a macro section in the order they are read and written. A
// macro holds the first kMacroFieldCount as fields, TEXT as its lines and
// PARAMCOUNT as the number of its parameters.
inline constexpr const Setting* kMacroKeys[] = {&kMacroName,  &kMacroPicture, &kMacroAttachment,    &kMacroHideFormulas,
                                                &kMacroGroup, &kMacroText,    &kMacroParameterCount};
inline constexpr size_t kMacroFieldCount = 5;
// Every key of a parameter, in the order they are read and written.
inline constexpr const Setting* kParameterFields[] = {
    &kParameterDescription, &kParameterRequired,      &kParameterIsFunction,  &kParameterUseSign,
    &kParameterUpperCase,   &kParameterAllowNegative, &kParameterNoEmptyLine, &kParameterAllowAlpha,
    &kParameterRemember,    &kParameterDefault,       &kParameterPrefix,      &kParameterSuffix,
    &kParameterMin,         &kParameterMax,           &kParameterDecimals,    &kParameterDigits,
    &kParameterLastValue,   &kParameterInputOrder,    &kParameterPicture,     &kParameterComboEnabled,
    &kParameterComboConfig};

// In the order of the saver.
inline constexpr const Setting* kMacroLibraryKeys[] = {&kMacroCurrent,
                                                       &kMacroCount,
                                                       &kMacroName,
                                                       &kMacroPicture,
                                                       &kMacroAttachment,
                                                       &kMacroHideFormulas,
                                                       &kMacroGroup,
                                                       &kMacroText,
                                                       &kMacroParameterCount,
                                                       &kParameterDescription,
                                                       &kParameterRequired,
                                                       &kParameterIsFunction,
                                                       &kParameterUseSign,
                                                       &kParameterUpperCase,
                                                       &kParameterAllowNegative,
                                                       &kParameterNoEmptyLine,
                                                       &kParameterAllowAlpha,
                                                       &kParameterRemember,
                                                       &kParameterDefault,
                                                       &kParameterPrefix,
                                                       &kParameterSuffix,
                                                       &kParameterMin,
                                                       &kParameterMax,
                                                       &kParameterDecimals,
                                                       &kParameterDigits,
                                                       &kParameterLastValue,
                                                       &kParameterInputOrder,
                                                       &kParameterPicture,
                                                       &kParameterComboEnabled,
                                                       &kParameterComboConfig,
                                                       &kMacroGroupCount,
                                                       &kMacroGroupName,
                                                       &kFavouriteCount,
                                                       &kFavouriteGroup,
                                                       &kFavouriteMacro};

}  // namespace prefig::schema
