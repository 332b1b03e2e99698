#pragma once
// The backplot colours of the whole configuration (main INI file, section
// INSPECTCOLOR): one colour per table entry, "COL%03d" with the entry's key
// number, 0xAABBGGRR with the opacity in the top byte.
#include <array>

#include "schema/setting.h"

namespace prefig::schema {

// Listed on the page.
inline constexpr Setting kColBackgroundUpperLeft{
    .section = "INSPECTCOLOR", .key = "COL002", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFFD83F3F"};
inline constexpr Setting kColToolpathRapid{
    .section = "INSPECTCOLOR", .key = "COL024", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xC000F0F0"};
inline constexpr Setting kColToolpathLinear{
    .section = "INSPECTCOLOR", .key = "COL029", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xE0E5E5E5"};
inline constexpr Setting kColToolpathHelix{
    .section = "INSPECTCOLOR", .key = "COL030", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xE0FF0000"};
inline constexpr Setting kColToolpathCircular{
    .section = "INSPECTCOLOR", .key = "COL031", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xE0FF0000"};
inline constexpr Setting kColHighlighted{
    .section = "INSPECTCOLOR", .key = "COL032", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xC000FFFF"};
inline constexpr Setting kColBoundingFrame{
    .section = "INSPECTCOLOR", .key = "COL053", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0x7FFFFFFF"};
inline constexpr Setting kColToolFlute{
    .section = "INSPECTCOLOR", .key = "COL059", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFFC81818"};
inline constexpr Setting kColToolShoulder{
    .section = "INSPECTCOLOR", .key = "COL060", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF189518"};
inline constexpr Setting kColToolShaft{
    .section = "INSPECTCOLOR", .key = "COL061", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF009090"};
inline constexpr Setting kColToolHolder{
    .section = "INSPECTCOLOR", .key = "COL062", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF7F3F3F"};

// Not listed on the page; our choice of key numbers and defaults. The three
// other background corners default to what the page derives from the
// upper-left default (lightness and saturation raised by 20/12 % and 40/25 %,
// lowered to 90/93 %); the other derived entries default to their source's
// default, with the opacities the page gives them. The page's Default resets
// the listed entries and what it derives from them, and leaves the rest.
inline constexpr Setting kColMainBackground{.section = "INSPECTCOLOR",
                                            .key = "COL000",
                                            .kind = kColour,
                                            .max = 0xFFFFFFFF,
                                            .loader = "0xFF3F3F3F",
                                            .page = kLeftUnchanged};
inline constexpr Setting kColBackgroundLowerLeft{
    .section = "INSPECTCOLOR", .key = "COL001", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFFE36262"};
inline constexpr Setting kColBackgroundLowerRight{
    .section = "INSPECTCOLOR", .key = "COL003", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFFED8686"};
inline constexpr Setting kColBackgroundUpperRight{
    .section = "INSPECTCOLOR", .key = "COL004", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFFCB3030"};
inline constexpr Setting kColToolpathCutting{
    .section = "INSPECTCOLOR", .key = "COL025", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xE0E5E5E5"};
inline constexpr Setting kColToolPosition{.section = "INSPECTCOLOR",
                                          .key = "COL026",
                                          .kind = kColour,
                                          .max = 0xFFFFFFFF,
                                          .loader = "0xFF00FFFF",
                                          .page = kLeftUnchanged};
inline constexpr Setting kColToolDirection{
    .section = "INSPECTCOLOR", .key = "COL027", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF00FFFF"};
inline constexpr Setting kColHighlightedLinear{
    .section = "INSPECTCOLOR", .key = "COL033", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xC000FFFF"};
inline constexpr Setting kColHighlightedCircular{
    .section = "INSPECTCOLOR", .key = "COL034", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xC000FFFF"};
inline constexpr Setting kColHighlightedHelical{
    .section = "INSPECTCOLOR", .key = "COL035", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xC000FFFF"};
inline constexpr Setting kColBoundingSide{
    .section = "INSPECTCOLOR", .key = "COL054", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0x26FFFFFF"};
inline constexpr Setting kColBoundingCorner{
    .section = "INSPECTCOLOR", .key = "COL055", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xBFFFFFFF"};
inline constexpr Setting kColRapidCollision{.section = "INSPECTCOLOR",
                                            .key = "COL064",
                                            .kind = kColour,
                                            .max = 0xFFFFFFFF,
                                            .loader = "0xFF0000FF",
                                            .page = kLeftUnchanged};
inline constexpr Setting kColLeadCollision{
    .section = "INSPECTCOLOR", .key = "COL065", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF0000FF"};
inline constexpr Setting kColShoulderCollision{.section = "INSPECTCOLOR",
                                               .key = "COL066",
                                               .kind = kColour,
                                               .max = 0xFFFFFFFF,
                                               .loader = "0xFF0080FF",
                                               .page = kLeftUnchanged};
inline constexpr Setting kColShaftCollision{
    .section = "INSPECTCOLOR", .key = "COL067", .kind = kColour, .max = 0xFFFFFFFF, .loader = "0xFF0080FF"};

inline constexpr Setting kNoGradient{.section = "INSPECTCOLOR", .key = "NOGRADIENT", .kind = kYesNo, .loader = "No"};

// The record's backplot colour table: internal name, its setting, whether
// the opacity may be edited, and the message id of the name the page shows
// (0: not listed). The page lists the entries with a message id in this order.
struct BackplotColour {
  const char* name;
  const Setting* setting;
  bool opacity_editable;
  int message_id;
};

inline constexpr std::array<BackplotColour, 27> kBackplotColours = {{
    {"main background", &kColMainBackground, false, 0},
    {"background upper left", &kColBackgroundUpperLeft, false, 2263},
    {"background lower left", &kColBackgroundLowerLeft, false, 0},
    {"background lower right", &kColBackgroundLowerRight, false, 0},
    {"background upper right", &kColBackgroundUpperRight, false, 0},
    {"toolpath rapid", &kColToolpathRapid, true, 2264},
    {"toolpath cutting", &kColToolpathCutting, true, 0},
    {"toolpath linear move", &kColToolpathLinear, true, 2265},
    {"toolpath circular move", &kColToolpathCircular, true, 2266},
    {"toolpath helix move", &kColToolpathHelix, true, 2267},
    {"highlighted toolpath entity", &kColHighlighted, true, 2268},
    {"highlighted toolpath entity linear", &kColHighlightedLinear, true, 0},
    {"highlighted toolpath entity circular", &kColHighlightedCircular, true, 0},
    {"highlighted toolpath entity helical", &kColHighlightedHelical, true, 0},
    {"current tool position", &kColToolPosition, true, 0},
    {"current tool direction", &kColToolDirection, true, 0},
    {"bounding box frame", &kColBoundingFrame, true, 2269},
    {"bounding box side", &kColBoundingSide, true, 0},
    {"bounding box upper left front corner", &kColBoundingCorner, true, 0},
    {"tool flute", &kColToolFlute, true, 2270},
    {"tool shoulder", &kColToolShoulder, true, 2271},
    {"tool shaft", &kColToolShaft, true, 2272},
    {"tool holder", &kColToolHolder, true, 2273},
    {"solid verification rapid collision", &kColRapidCollision, true, 0},
    {"solid verification lead collision", &kColLeadCollision, true, 0},
    {"solid verification shoulder collision", &kColShoulderCollision, true, 0},
    {"solid verification shaft collision", &kColShaftCollision, true, 0},
}};

// Saved in table order, then NOGRADIENT.
inline constexpr auto kBackplotColoursPage = [] {
  std::array<const Setting*, kBackplotColours.size() + 1> table{};
  for (size_t i = 0; i < kBackplotColours.size(); ++i) table[i] = kBackplotColours[i].setting;
  table.back() = &kNoGradient;
  return table;
}();

}  // namespace prefig::schema
