#include "record/five_axis_kinematics.h"

#include <algorithm>
#include <optional>

#include "module/module_state.h"

namespace prefig {
namespace {

constexpr FiveAxisTypeInfo kTypes[kFiveAxisTypeCount] = {
    {FiveAxisLetterRule::kTiltThenC, 0, 0, false},  // 0: head-head
    {FiveAxisLetterRule::kTiltThenC, 0, 0, true},   // 1: head-head, offset pivot
    {FiveAxisLetterRule::kTwoTilts, 0, 0, false},   // 2: head-head, two tilts
    {FiveAxisLetterRule::kTiltThenC, 0, 0, false},  // 3: 45-degree head
    {FiveAxisLetterRule::kTiltThenC, 0, 1, false},  // 4: head-table
    {FiveAxisLetterRule::kTwoTilts, 0, 1, true},    // 5: head-table, two tilts
    {FiveAxisLetterRule::kTiltThenC, 0, 1, false},  // 6: 45-degree head, table
    {FiveAxisLetterRule::kTiltThenC, 1, 1, true},   // 7: trunnion
    {FiveAxisLetterRule::kTiltThenC, 1, 1, false},  // 8: 45-degree table
    {FiveAxisLetterRule::kAny, 1, 1, true},         // 9: single tilting table
    {FiveAxisLetterRule::kAny, 0, 0, false},        // 10: free
};

constexpr int kHeadTextMessage = 1643;  // + table flag
const char* const kSideFallback[2] = {"Head", "Table"};

struct Along {
  int letter;
  int sign;
};

// A vector lies along an axis with sign s when its components add up to s
// and that component is s; when several do, the last of x, y, z counts.
std::optional<Along> AlongAxis(const FiveAxisVector& v) {
  double sum = v[0] + v[1] + v[2];
  std::optional<Along> found;
  for (int k = 0; k < 3; ++k) {
    for (int s : {1, -1}) {
      if (sum == s && v[k] == s) found = Along{k, s};
    }
  }
  return found;
}
bool AlongXY(const std::optional<Along>& a) { return a && a->letter != kLetterC; }
bool AlongZ(const std::optional<Along>& a) { return a && a->letter == kLetterC; }

// (s, 0, z) is letter A, (0, s, z) letter B.
std::optional<Along> Tilted(const FiveAxisVector& v, double z) {
  if (v[2] != z) return std::nullopt;
  for (int s : {1, -1}) {
    if (v[0] == s && v[1] == 0) return Along{kLetterA, s};
    if (v[0] == 0 && v[1] == s) return Along{kLetterB, s};
  }
  return std::nullopt;
}

bool LateralZero(const FiveAxisVector& v) { return v[0] == 0 && v[1] == 0; }
bool Zero(const FiveAxisVector& v) { return LateralZero(v) && v[2] == 0; }

int SignedBox(const Along& a) { return BoxIndex(a.letter, a.sign < 0 ? 1 : 0); }

FiveAxisShape Shape(int type, const Along& a1, const Along& a2, double l1, double l2 = -1) {
  return {type, SignedBox(a1), SignedBox(a2), l1, l2};
}

// The rules in their order; type 10 when none applies.
FiveAxisShape DeriveByRules(const FiveAxisRecord& r) {
  const FiveAxisRotary &x1 = r.axis1, &x2 = r.axis2;
  FiveAxisShape free;
  if (r.tool != FiveAxisVector{0, 0, 1}) return free;
  auto a1 = AlongAxis(x1.direction), a2 = AlongAxis(x2.direction);
  auto tilt45 = [&](int type) {
    auto t = Tilted(x1.direction, 1);
    if (t && LateralZero(x1.offset) && Zero(x2.offset) && AlongZ(a2)) return Shape(type, *t, *a2, x1.offset[2]);
    return free;
  };
  bool two_tilts = AlongXY(a1) && AlongXY(a2) && a1->letter != a2->letter;

  if (x1.on_table && x2.on_table) {
    if (AlongXY(a1) && AlongZ(a2)) {
      int type = x1.used && x2.used ? 7 : kSingleTiltType;
      double l1 = x1.offset[a1->letter == kLetterA ? 1 : 0];
      return Shape(type, *a1, *a2, l1, x1.offset[2]);
    }
    auto t = Tilted(x1.direction, -1);
    if (t && LateralZero(x1.offset) && Zero(x2.offset) && AlongZ(a2)) return Shape(8, *t, *a2, -x1.offset[2]);
    return free;
  }
  if (x1.on_table) return free;
  if (x2.on_table) {
    if (AlongXY(a1) && AlongZ(a2) && Zero(x2.offset) && LateralZero(x1.offset)) {
      return Shape(4, *a1, *a2, x1.offset[2]);
    }
    if (two_tilts && LateralZero(x1.offset) && LateralZero(x2.offset)) {
      return Shape(5, *a1, *a2, x1.offset[2], x2.offset[2]);
    }
    return tilt45(6);
  }
  if (AlongXY(a1) && AlongZ(a2) && Zero(x2.offset)) {
    if (LateralZero(x1.offset)) return Shape(0, *a1, *a2, x1.offset[2]);
    bool a = a1->letter == kLetterA;
    if (x1.offset[a ? 1 : 0] == 0) return Shape(1, *a1, *a2, x1.offset[2], x1.offset[a ? 0 : 1]);
  }
  if (two_tilts && Zero(x2.offset) && LateralZero(x1.offset)) return Shape(2, *a1, *a2, x1.offset[2]);
  return tilt45(3);
}

bool SameKinematics(const FiveAxisRecord& a, const FiveAxisRecord& b) {
  auto same = [](const FiveAxisRotary& x, const FiveAxisRotary& y) {
    return x.used == y.used && x.on_table == y.on_table && x.letter == y.letter && x.direction == y.direction &&
           x.offset == y.offset;
  };
  return same(a.axis1, b.axis1) && same(a.axis2, b.axis2) && a.tool == b.tool;
}

FiveAxisVector AlongLetter(int letter, int sign) {
  FiveAxisVector v{};
  if (letter != kLetterC) v[letter] = sign;
  return v;
}

// A: (first, second, z); B: (second, first, z).
FiveAxisVector Lateral(int letter, double first, double second, double z) {
  return letter == kLetterA ? FiveAxisVector{first, second, z} : FiveAxisVector{second, first, z};
}

}  // namespace

int ClampFiveAxisType(int type) { return std::clamp(type, 0, kFreeType); }

const FiveAxisTypeInfo& FiveAxisType(int type) { return kTypes[ClampFiveAxisType(type)]; }

std::string FiveAxisBoxText(int type, int index) {
  index = std::clamp(index, 0, kFiveAxisBoxEntries - 1);
  std::string text(1, static_cast<char>('A' + BoxLetter(index)));
  if (ClampFiveAxisType(type) != kFreeType) return text + (BoxSecond(index) ? "-" : "+");
  const char* side = MessageText(kHeadTextMessage + BoxSecond(index));
  return text + "/" + (side ? side : kSideFallback[BoxSecond(index)]);
}

FiveAxisShape DeriveFiveAxisShape(const FiveAxisRecord& record) {
  FiveAxisShape shape = DeriveByRules(record);
  if (shape.type != kFreeType) {
    FiveAxisRecord rebuilt = record;
    ApplyFiveAxisShape(shape, rebuilt);
    if (SameKinematics(rebuilt, record)) return shape;
    shape = FiveAxisShape{};
  }
  shape.box1 = BoxIndex(record.axis1.letter, record.axis1.on_table);
  shape.box2 = BoxIndex(record.axis2.letter, record.axis2.on_table);
  return shape;
}

int FiveAxisLetterFault(int type, int box1, int box2) {
  int letter1 = BoxLetter(box1), letter2 = BoxLetter(box2);
  switch (FiveAxisType(type).letters) {
    case FiveAxisLetterRule::kTiltThenC:
      if (letter1 == kLetterC) return 1;
      return letter2 == kLetterC ? 0 : 2;
    case FiveAxisLetterRule::kTwoTilts:
      if (letter1 == kLetterC) return 1;
      return letter2 == kLetterC || letter2 == letter1 ? 2 : 0;
    case FiveAxisLetterRule::kAny: break;
  }
  return 0;
}

void ApplyFiveAxisShape(const FiveAxisShape& shape, FiveAxisRecord& record) {
  int type = ClampFiveAxisType(shape.type);
  if (type == kFreeType) return;
  const FiveAxisTypeInfo& info = kTypes[type];
  int letter1 = BoxLetter(shape.box1), letter2 = BoxLetter(shape.box2);
  int s1 = BoxSign(shape.box1), s2 = BoxSign(shape.box2);
  double l1 = shape.l1, l2 = shape.l2;
  FiveAxisRotary &x1 = record.axis1, &x2 = record.axis2;
  x1.used = 1;
  x2.used = type == kSingleTiltType ? 0 : 1;
  x1.on_table = info.table1;
  x2.on_table = info.table2;
  x1.letter = letter1;
  x2.letter = letter2;
  record.tool = {0, 0, 1};
  x1.direction = AlongLetter(letter1, s1);
  x1.offset = {0, 0, l1};
  x2.direction = {0, 0, static_cast<double>(s2)};
  x2.offset = {};
  switch (type) {
    case 1: x1.offset = Lateral(letter1, l2, 0, l1); break;
    case 2: x2.direction = AlongLetter(letter2, s2); break;
    case 3:
    case 6: x1.direction = Lateral(letter1, s1, 0, 1); break;
    case 5:
      x2.direction = AlongLetter(letter2, s2);
      x2.offset = {0, 0, l2};
      break;
    case 7:
    case kSingleTiltType: x1.offset = Lateral(letter1, 0, l1, l2); break;
    case 8:
      x1.direction = Lateral(letter1, s1, 0, -1);
      x1.offset = {0, 0, 0.0 - l1};  // not -l1: no "-0" for a zero length
      break;
    default: break;
  }
}

}  // namespace prefig
