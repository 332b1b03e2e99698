#pragma once
// The DNC protocol list as mirrored in the main INI file (section
// PROTOCOLS; members numbered by the library's place among the files found,
// three upper-case hexadecimal digits).
#include "schema/setting.h"

namespace prefig::schema {

inline constexpr int kProtocolsMax = 32;

inline constexpr Setting kProtocolCount{.section = "PROTOCOLS",
                                        .key = "COUNT",
                                        .kind = kInteger,
                                        .min = 0,
                                        .max = kProtocolsMax,
                                        .loader = "0",
                                        .held_by = kProtocolList};
inline constexpr Setting kProtocolDll{.section = "PROTOCOLS",
                                      .key = "PROTOCOL%03XDLL",
                                      .count = kProtocolsMax,
                                      .kind = kText,
                                      .length = 1023,
                                      .held_by = kProtocolList};
inline constexpr Setting kProtocolDesc{.section = "PROTOCOLS",
                                       .key = "PROTOCOL%03XDESC",
                                       .count = kProtocolsMax,
                                       .kind = kText,
                                       .length = 127,
                                       .held_by = kProtocolList};
inline constexpr Setting kProtocolName{.section = "PROTOCOLS",
                                       .key = "PROTOCOL%03XNAME",
                                       .count = kProtocolsMax,
                                       .kind = kText,
                                       .length = 31,
                                       .held_by = kProtocolList};
// The library file's time stamp: the halves of its modification time in
// nanoseconds combined by exclusive or, top bit cleared.
inline constexpr Setting kProtocolTime{.section = "PROTOCOLS",
                                       .key = "PROTOCOL%03XTIME",
                                       .count = kProtocolsMax,
                                       .kind = kInteger,
                                       .min = 0,
                                       .max = 2147483647,
                                       .loader = "0",
                                       .held_by = kProtocolList};
inline constexpr Setting kProtocolVer{.section = "PROTOCOLS",
                                      .key = "PROTOCOL%03XVER",
                                      .count = kProtocolsMax,
                                      .kind = kInteger,
                                      .min = 0,
                                      .max = 999999,
                                      .loader = "0",
                                      .held_by = kProtocolList};

// The order in which a rebuilt list writes each protocol, COUNT last.
inline constexpr const Setting* kProtocolKeys[] = {&kProtocolDll,  &kProtocolDesc, &kProtocolName,
                                                   &kProtocolTime, &kProtocolVer,  &kProtocolCount};

}  // namespace prefig::schema
