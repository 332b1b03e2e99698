#pragma once
// The Load/save page of a machine type (section LOADSAVE).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr Setting kDiffLoadSave{
    .scope = kType, .section = "LOADSAVE", .key = "DIFFLOADSAVE", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kRegDefaultExt{
    .scope = kType, .section = "LOADSAVE", .key = "REGDEFAULTEXT", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kRegOtherExt{
    .scope = kType, .section = "LOADSAVE", .key = "REGOTHEREXT", .kind = kYesNo, .loader = "Yes"};
// Index of the autosave interval entry.
inline constexpr Setting kAutosaveTime{.scope = kType,
                                       .section = "LOADSAVE",
                                       .key = "AUTOSAVETIME",
                                       .kind = kInteger,
                                       .min = 0,
                                       .max = 10000,
                                       .loader = "0"};
// Index of the line-feed type entry.
inline constexpr Setting kLinefeedType{
    .scope = kType, .section = "LOADSAVE", .key = "LINEFEEDTYPE", .kind = kInteger, .min = 0, .max = 6, .loader = "0"};
inline constexpr Setting kLoadPath{
    .scope = kType, .section = "LOADSAVE", .key = "LOADPATH", .kind = kText, .length = 1024};
inline constexpr Setting kSavePath{
    .scope = kType, .section = "LOADSAVE", .key = "SAVEPATH", .kind = kText, .length = 1024};
inline constexpr Setting kSaveExt{.scope = kType,
                                  .section = "LOADSAVE",
                                  .key = "SAVEEXT",
                                  .kind = kText,
                                  .length = 32,
                                  .loader_by_type = {"NC", "H", "APT", "TXT"}};
inline constexpr Setting kLoadExt{.scope = kType,
                                  .section = "LOADSAVE",
                                  .key = "LOADEXT",
                                  .kind = kCommaList,
                                  .length = 32,
                                  .items = 16,
                                  .loader_by_type = {"NCL, ISO", "HH, HNC", "A", "TEXT"}};
inline constexpr Setting kUniPrompt{
    .scope = kType, .section = "LOADSAVE", .key = "UNIPROMPT", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kUniNever{
    .scope = kType, .section = "LOADSAVE", .key = "UNINEVER", .kind = kYesNo, .loader = "No", .no_while = &kUniPrompt};
inline constexpr Setting kUniMsg{
    .scope = kType, .section = "LOADSAVE", .key = "UNIMSG", .kind = kYesNo, .loader = "Yes"};
inline constexpr Setting kUniAlways{
    .scope = kType, .section = "LOADSAVE", .key = "UNIALWAYS", .kind = kYesNo, .loader = "No", .no_while = &kUniPrompt};

inline constexpr const Setting* kLoadSavePage[] = {
    &kDiffLoadSave, &kRegDefaultExt, &kRegOtherExt, &kAutosaveTime, &kLinefeedType, &kLoadPath, &kSavePath,
    &kSaveExt,      &kLoadExt,       &kUniPrompt,   &kUniNever,     &kUniMsg,       &kUniAlways};

}  // namespace prefig::schema
