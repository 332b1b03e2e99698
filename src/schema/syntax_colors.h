#pragma once
// The syntax colours of a machine type (section GLOBALCOLORLIST; the save
// deletes the section and writes it anew in table order). Colours are
// 0x00BBGGRR.
#include "schema/setting.h"

namespace prefig::schema {

// Written 1 or 0, read as yes/no. The page's Default keeps the stored values.
inline constexpr Setting kUse{.scope = kType,
                              .section = "GLOBALCOLORLIST",
                              .key = "USE",
                              .kind = kYesNo,
                              .yes_no = kOneZero,
                              .loader = "1",
                              .page = kLeftUnchanged};
inline constexpr Setting kInBlock{.scope = kType,
                                  .section = "GLOBALCOLORLIST",
                                  .key = "INBLOCK",
                                  .kind = kYesNo,
                                  .yes_no = kOneZero,
                                  .loader = "1",
                                  .page = kLeftUnchanged};
inline constexpr Setting kUseModalColors{.scope = kType,
                                         .section = "GLOBALCOLORLIST",
                                         .key = "USEMODALCOLORS",
                                         .kind = kYesNo,
                                         .yes_no = kOneZero,
                                         .loader_by_type = {"1", "1", "1", "0"},
                                         .page = kLeftUnchanged};
// The number of user entries.
inline constexpr Setting kColourCount{.scope = kType,
                                      .section = "GLOBALCOLORLIST",
                                      .key = "COUNT",
                                      .kind = kInteger,
                                      .min = 0,
                                      .max = 256,
                                      .loader = "0",
                                      .held_by = kColourList};
// The fourteen fixed colours (entries 0 to 13 of the colour table). The
// page's Default resets 0 to 12 to these and leaves 13 as it is.
inline constexpr const char* kFixColourDefaults[] = {"0x000000", "0xFFFFFF", "0x00FFFF", "0xC00000", "0x800000",
                                                     "0x0000C0", "0x00C000", "0xC00000", "0xC00000", "0xE0E0E0",
                                                     "0xFF00FF", "0x0000FF", "0xCCCCCC", "0xD9D9D9"};
inline constexpr Setting kFixColor{.scope = kType,
                                   .section = "GLOBALCOLORLIST",
                                   .key = "FIXCOLOR%d",
                                   .count = 14,
                                   .kind = kColour,
                                   .max = 0xFFFFFF,
                                   .member_defaults = kFixColourDefaults};
// A user entry: "%d:%d:%s", its item value (colour and flags), its row on
// the page and its text.
inline constexpr Setting kUserColour{.scope = kType,
                                     .section = "GLOBALCOLORLIST",
                                     .key = "USRCOLOR%d",
                                     .count = 256,
                                     .kind = kText,
                                     .length = 255,
                                     .held_by = kColourList};
// Files older than version 51000 keep their colours in section COLORS,
// whose entries are taken over once and the section deleted.
inline constexpr Setting kOldColourCount{.scope = kType,
                                         .section = "COLORS",
                                         .key = "COUNT",
                                         .kind = kInteger,
                                         .min = 30,
                                         .max = 256,
                                         .loader = "30",
                                         .held_by = kColourList};

inline constexpr const Setting* kSyntaxColoursPage[] = {&kUse,         &kInBlock,  &kUseModalColors,
                                                        &kColourCount, &kFixColor, &kUserColour};
inline constexpr const Setting* kOldSyntaxColours[] = {&kOldColourCount};

}  // namespace prefig::schema
