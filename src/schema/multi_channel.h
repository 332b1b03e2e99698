#pragma once
// The multi-channel page of a machine type (section MULTICHANNEL). Pattern
// texts carry "1:" (plain) or "2:" (regular expression) in front. While
// ENABLE is No the loader reads none of the other keys: they stay empty and
// 0, and the saver leaves them in the file as they are.
#include "schema/setting.h"

namespace prefig::schema {

// The page has no defaults of its own: its Default leaves every control.
inline constexpr Setting kMultiChannelEnable{
    .scope = kType, .section = "MULTICHANNEL", .key = "ENABLE", .kind = kYesNo, .loader = "No", .page = kLeftUnchanged};
inline constexpr Setting kAutoStart{.scope = kType,
                                    .section = "MULTICHANNEL",
                                    .key = "AUTOSTART",
                                    .kind = kYesNo,
                                    .loader = "No",
                                    .only_when = &kMultiChannelEnable,
                                    .page = kLeftUnchanged};
// 0 user-defined, 1 to 12 a predefined method; anything else is taken as
// user-defined (-1 when the page had nothing selected).
inline constexpr Setting kMultiChannelMode{.scope = kType,
                                           .section = "MULTICHANNEL",
                                           .key = "MODE",
                                           .kind = kInteger,
                                           .min = -1,
                                           .max = 100,
                                           .loader = "100",
                                           .only_when = &kMultiChannelEnable,
                                           .page = kLeftUnchanged};
inline constexpr Setting kSyncUsingChNo{.scope = kType,
                                        .section = "MULTICHANNEL",
                                        .key = "SYNCUSINGCHNO",
                                        .kind = kYesNo,
                                        .loader = "No",
                                        .only_when = &kMultiChannelEnable,
                                        .page = kLeftUnchanged};
inline constexpr Setting kChannelOrder{.scope = kType,
                                       .section = "MULTICHANNEL",
                                       .key = "ORDER",
                                       .kind = kText,
                                       .length = 1023,
                                       .loader = "1,2,3,4",
                                       .only_when = &kMultiChannelEnable,
                                       .page = kLeftUnchanged};
inline constexpr Setting kChannelStart{.scope = kType,
                                       .section = "MULTICHANNEL",
                                       .key = "PRGTRIG",
                                       .kind = kText,
                                       .length = 1023,
                                       .only_when = &kMultiChannelEnable,
                                       .page = kLeftUnchanged};
inline constexpr Setting kSyncCommand{.scope = kType,
                                      .section = "MULTICHANNEL",
                                      .key = "SYNCTRIG",
                                      .kind = kText,
                                      .length = 1023,
                                      .only_when = &kMultiChannelEnable,
                                      .page = kLeftUnchanged};
inline constexpr Setting kSyncCommandNumber{.scope = kType,
                                            .section = "MULTICHANNEL",
                                            .key = "SYNCTRIGID",
                                            .kind = kText,
                                            .length = 1023,
                                            .only_when = &kMultiChannelEnable,
                                            .page = kLeftUnchanged};
inline constexpr Setting kChannelEnd{.scope = kType,
                                     .section = "MULTICHANNEL",
                                     .key = "ENDTRIG",
                                     .kind = kText,
                                     .length = 1023,
                                     .only_when = &kMultiChannelEnable,
                                     .page = kLeftUnchanged};
// The page's test line; held with the other values, so that only OK
// writes it and Cancel leaves the file as it was.
inline constexpr Setting kTestValue{.scope = kType,
                                    .section = "MULTICHANNEL",
                                    .key = "TESTVALUE",
                                    .kind = kText,
                                    .length = 1023,
                                    .loader = "O1000 P100",
                                    .page = kLeftUnchanged};

inline constexpr const Setting* kMultiChannelPage[] = {
    &kMultiChannelMode, &kSyncUsingChNo, &kMultiChannelEnable, &kAutoStart,  &kChannelOrder,
    &kChannelStart,     &kSyncCommand,   &kSyncCommandNumber,  &kChannelEnd, &kTestValue};

}  // namespace prefig::schema
