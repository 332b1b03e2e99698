#pragma once
// Section GENERAL of a machine type file: identity, list position, the
// general page's settings and what the editor remembers per type.
#include "schema/setting.h"

namespace prefig::schema {

// The language of the file's texts; a file in another language than the
// current one has its description translated when it is loaded.
inline constexpr Setting kTypeLanguage{
    .scope = kType, .section = "GENERAL", .key = "LANGUAGE", .kind = kText, .length = 31, .from = kCurrentLanguage};
// The format version of the file.
inline constexpr Setting kVersion{.scope = kType,
                                  .section = "GENERAL",
                                  .key = "VERSION",
                                  .kind = kInteger,
                                  .min = 0,
                                  .max = 2147483647,
                                  .loader = "0"};
// 0 ISO milling, 1 Heidenhain, 2 APT, 3 text: selects several defaults.
inline constexpr Setting kBasicType{
    .scope = kType, .section = "GENERAL", .key = "BASICTYPE", .kind = kInteger, .min = 0, .max = 3, .loader = "0"};

// The type's identifier, unique within the list.
inline constexpr Setting kTypeName{.scope = kType, .section = "GENERAL", .key = "TYPENAME", .kind = kText, .length = 9};
// The name shown to the user.
inline constexpr Setting kDescription{
    .scope = kType, .section = "GENERAL", .key = "DESCRIPTION", .kind = kText, .length = 129};
// Position in the list, 1, 2, ...
inline constexpr Setting kLoadOrder{.scope = kType,
                                    .section = "GENERAL",
                                    .key = "LOADORDER",
                                    .kind = kInteger,
                                    .min = 0,
                                    .max = 2147483647,
                                    .loader = "0"};
inline constexpr Setting kPrintCol{
    .scope = kType, .section = "GENERAL", .key = "PRINTCOL", .kind = kInteger, .min = 1, .max = 4, .loader = "2"};
// Column of the column indicator, 0 for none.
inline constexpr Setting kColIndicator{.scope = kType,
                                       .section = "GENERAL",
                                       .key = "COLINDICATOR",
                                       .kind = kInteger,
                                       .min = 0,
                                       .max = 1000,
                                       .loader = "0"};
inline constexpr Setting kLoadInsertWs{
    .scope = kType, .section = "GENERAL", .key = "LOADINSERTWS", .kind = kYesNo, .loader = "No"};

// Kept by the editor, shown by no page. Whether the NC-Assistant panel is
// hidden for programs of this type: shown until the user hides it.
inline constexpr Setting kHideAssist{
    .scope = kType, .section = "GENERAL", .key = "HIDEASSIST", .kind = kYesNo, .loader = "No"};
inline constexpr Setting kLastLoadPath{.scope = kType,
                                       .section = "GENERAL",
                                       .key = "LASTLOADPATH",
                                       .kind = kText,
                                       .length = 1023,
                                       .loader = "Samples",
                                       .from = kProgramDirectory};
inline constexpr Setting kLastSavePath{.scope = kType,
                                       .section = "GENERAL",
                                       .key = "LASTSAVEPATH",
                                       .kind = kText,
                                       .length = 1023,
                                       .loader = "Samples",
                                       .from = kProgramDirectory};
// The extensions last chosen in the editor's file dialogs; empty until the
// user first picks one (the dialogs then start with the type's own).
inline constexpr Setting kLastLoadExt{
    .scope = kType, .section = "GENERAL", .key = "LASTLOADEXT", .kind = kText, .length = 32};
inline constexpr Setting kLastSaveExt{
    .scope = kType, .section = "GENERAL", .key = "LASTSAVEEXT", .kind = kText, .length = 32};

// Read by the loader, written by it and by the add dialog, never saved.
inline constexpr const Setting* kTypeHeader[] = {&kTypeLanguage, &kVersion, &kBasicType};
// Saved first when the type changed: the identity that the machine type
// list edits, then the general machine settings page.
inline constexpr const Setting* kTypeIdentity[] = {&kTypeName, &kDescription, &kLoadOrder};
inline constexpr const Setting* kMachineGeneralPage[] = {&kPrintCol, &kColIndicator, &kLoadInsertWs};
// Saved every time.
inline constexpr const Setting* kTypeEditorState[] = {&kHideAssist, &kLastLoadPath, &kLastSavePath, &kLastLoadExt,
                                                      &kLastSaveExt};

}  // namespace prefig::schema
