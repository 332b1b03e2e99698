#pragma once
// The External commands page: two user commands (main INI file, section
// EXTCMD, members 00 and 01). Saved command by command.
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr int kExternalCommands = 2;

inline constexpr Setting kExtTitle{
    .section = "EXTCMD", .key = "TITLE%02d", .count = kExternalCommands, .kind = kText, .length = 63};
inline constexpr Setting kExtWaitOutput{
    .section = "EXTCMD", .key = "WAITOUTPUT%02d", .count = kExternalCommands, .kind = kYesNo, .loader = "Yes"};
// $PATH is the file's folder without a trailing separator, so the defaults
// join it to the file name with the native separator.
inline constexpr Setting kExtOutput{.section = "EXTCMD",
                                    .key = "OUTPUT%02d",
                                    .count = kExternalCommands,
                                    .kind = kText,
                                    .length = 4095,
                                    .loader = "$PATH/$FILENOEXT.OUT"};
inline constexpr Setting kExtExe{
    .section = "EXTCMD", .key = "EXE%02d", .count = kExternalCommands, .kind = kText, .length = 4095};
inline constexpr Setting kExtParam{.section = "EXTCMD",
                                   .key = "PARAM%02d",
                                   .count = kExternalCommands,
                                   .kind = kText,
                                   .length = 4095,
                                   .loader = "\"$PATH/$FILE\" \"$OUTFILE\""};

// Saved member by member: TITLE00 ... PARAM00, then TITLE01 ... PARAM01.
inline constexpr const Setting* kExternalCommandsPage[] = {&kExtTitle, &kExtWaitOutput, &kExtOutput, &kExtExe,
                                                           &kExtParam};

}  // namespace prefig::schema
