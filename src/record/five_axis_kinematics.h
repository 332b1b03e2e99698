#pragma once
#include <string>

#include "record/five_axis_record.h"

namespace prefig {

// The kinematic types of the 5-axis dialog. Types 0 to 9 compute the axis
// vectors from two axis choices and the lengths L1 and L2; type 10 takes the
// vectors as entered.
inline constexpr int kFiveAxisTypeCount = 11;
inline constexpr int kSingleTiltType = 9;  // axis 2 not used
inline constexpr int kFreeType = 10;

enum class FiveAxisLetterRule {
  kTiltThenC,  // axis 1 A or B, axis 2 C
  kTwoTilts,   // both A or B, different
  kAny,        // not checked
};

struct FiveAxisTypeInfo {
  FiveAxisLetterRule letters;
  int table1, table2;  // the table flags the type gives its axes
  bool uses_l2;
};
int ClampFiveAxisType(int type);
const FiveAxisTypeInfo& FiveAxisType(int type);
inline constexpr int kFiveAxisTypeNameMessage = 1645;  // + type

// The axis boxes have six entries: index = letter * 2 + second, where second
// is 1 for "-" (types 0 to 9) or 1 for the table side (type 10).
inline constexpr int kFiveAxisBoxEntries = 6;
inline int BoxIndex(int letter, int second) { return letter * 2 + second; }
inline int BoxLetter(int index) { return index / 2; }
inline int BoxSecond(int index) { return index % 2; }
inline int BoxSign(int index) { return BoxSecond(index) ? -1 : 1; }
// "B+", "C-", ... or, for type 10, "A/" and the head or table text.
std::string FiveAxisBoxText(int type, int index);

// What the dialog shows for a record: its type, the axis boxes, L1 and L2
// (-1 where the type has no L2).
struct FiveAxisShape {
  int type = kFreeType;
  int box1 = 0, box2 = 0;
  double l1 = 0, l2 = -1;
};
// The type rules in reverse. A record that one of the types 0 to 9 would
// not write back exactly is type 10, so showing it never changes it.
FiveAxisShape DeriveFiveAxisShape(const FiveAxisRecord& record);

// 0 when the letters of the two axis boxes suit the type, else the axis (1
// or 2) whose letter does not.
int FiveAxisLetterFault(int type, int box1, int box2);

// Types 0 to 9: writes the used and table flags, letters, directions, offsets
// and tool direction that the type makes of the shape. Type 10 changes nothing.
void ApplyFiveAxisShape(const FiveAxisShape& shape, FiveAxisRecord& record);

}  // namespace prefig
