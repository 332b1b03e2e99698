#include "record/five_axis_kinematics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace prefig {
namespace {

constexpr int kAPlus = 0, kAMinus = 1, kBPlus = 2, kBMinus = 3, kCPlus = 4, kCMinus = 5;

// A record written out by hand, not by ApplyFiveAxisShape.
FiveAxisRecord Machine(int table1, int table2, FiveAxisVector d1, FiveAxisVector o1, FiveAxisVector d2,
                       FiveAxisVector o2 = {0, 0, 0}, int letter1 = -1, int letter2 = -1) {
  FiveAxisRecord r;
  auto letter = [](const FiveAxisVector& d, int given) {
    if (given >= 0) return given;
    return d[0] != 0 ? kLetterA : d[1] != 0 ? kLetterB : kLetterC;
  };
  r.axis1 = {1, table1, letter(d1, letter1), d1, o1, 0, 0};
  r.axis2 = {1, table2, letter(d2, letter2), d2, o2, 0, 0};
  return r;
}

void ExpectShape(const FiveAxisRecord& r, int type, int box1, int box2, double l1, double l2 = -1) {
  FiveAxisShape s = DeriveFiveAxisShape(r);
  EXPECT_EQ(s.type, type);
  EXPECT_EQ(s.box1, box1);
  EXPECT_EQ(s.box2, box2);
  if (type != kFreeType) {
    EXPECT_EQ(s.l1, l1);
    EXPECT_EQ(s.l2, l2);
  }
}

// Records written by hand, where the round trip below only sees what
// ApplyFiveAxisShape writes.
TEST(FiveAxisKinematics, EachTypeIsFoundFromItsVectors) {
  ExpectShape(DefaultFiveAxisRecord(), 8, kBPlus, kCPlus, 155);
  ExpectShape(Machine(0, 0, {-1, 0, 0}, {12.5, 0, 250}, {0, 0, 1}), 1, kAMinus, kCPlus, 250, 12.5);
  ExpectShape(Machine(0, 0, {0, 1, 1}, {0, 0, 180}, {0, 0, 1}), 3, kBPlus, kCPlus, 180);
  ExpectShape(Machine(0, 1, {1, 0, 0}, {0, 0, 200}, {0, -1, 0}, {0, 0, 120}), 5, kAPlus, kBMinus, 200, 120);
  ExpectShape(Machine(1, 1, {0, 1, 0}, {25, 0, 100}, {0, 0, 1}), 7, kBPlus, kCPlus, 25, 100);
  FiveAxisRecord single = Machine(1, 1, {1, 0, 0}, {0, 0, 125}, {0, 0, 1});
  single.axis2.used = 0;
  ExpectShape(single, 9, kAPlus, kCPlus, 0, 125);
}

TEST(FiveAxisKinematics, WhatNoTypeWritesBackIsType10) {
  // Type 10's boxes show letter and table side of the record.
  FiveAxisRecord tool = Machine(0, 0, {1, 0, 0}, {0, 0, 300}, {0, 0, 1});
  tool.tool = {0, 0, -1};
  ExpectShape(tool, kFreeType, kAPlus, kCPlus, 0);
  ExpectShape(Machine(1, 0, {1, 0, 0}, {0, 0, 300}, {0, 0, 1}), kFreeType, 1, kCPlus, 0);
  // Head-head with an offset second axis.
  ExpectShape(Machine(0, 0, {1, 0, 0}, {0, 0, 300}, {0, 0, 1}, {0, 0, 5}), kFreeType, kAPlus, kCPlus, 0);
  // Components that add up to 1 with x = 1 are no axis along x that type 7
  // could write back; nor is a trunnion whose C axis is offset.
  ExpectShape(Machine(1, 1, {1, 0.5, -0.5}, {0, 20, 150}, {0, 0, 1}, {0, 0, 0}, kLetterA), kFreeType, 1, 5, 0);
  ExpectShape(Machine(1, 1, {1, 0, 0}, {0, 20, 150}, {0, 0, 1}, {7, 0, 0}), kFreeType, 1, 5, 0);
  // A letter that does not match the direction.
  ExpectShape(Machine(0, 0, {1, 0, 0}, {0, 0, 300}, {0, 0, 1}, {0, 0, 0}, kLetterB), kFreeType, kBPlus, kCPlus, 0);
  // Not quite 45 degrees.
  ExpectShape(Machine(0, 0, {0, 1, 0.9}, {0, 0, 180}, {0, 0, 1}, {0, 0, 0}, kLetterB), kFreeType, kBPlus, kCPlus, 0);
}

TEST(FiveAxisKinematics, LettersPerType) {
  EXPECT_EQ(FiveAxisLetterFault(2, kAPlus, kAPlus), 2);
  EXPECT_EQ(FiveAxisLetterFault(2, kAPlus, kBMinus), 0);
  EXPECT_EQ(FiveAxisLetterFault(5, kCPlus, kAPlus), 1);
  EXPECT_EQ(FiveAxisLetterFault(0, kCMinus, kCPlus), 1);
  EXPECT_EQ(FiveAxisLetterFault(8, kAPlus, kBPlus), 2);
  EXPECT_EQ(FiveAxisLetterFault(kFreeType, kAPlus, kAPlus), 0);
}

TEST(FiveAxisKinematics, EveryTypeReadsBackAsBuilt) {
  const std::vector<double> lengths = {0, 155, -155, 0.0001, 12.3456, -0.5, 99999.9999, 1e6, -250.125};
  for (int type = 0; type < kFreeType; ++type) {
    for (int box1 = 0; box1 < kFiveAxisBoxEntries; ++box1) {
      for (int box2 = 0; box2 < kFiveAxisBoxEntries; ++box2) {
        if (FiveAxisLetterFault(type, box1, box2) != 0) continue;
        if (type == kSingleTiltType && (BoxLetter(box1) == kLetterC || BoxLetter(box2) != kLetterC)) continue;
        for (double l1 : lengths) {
          for (double l2 : lengths) {
            FiveAxisRecord r;
            ApplyFiveAxisShape({type, box1, box2, l1, l2}, r);
            FiveAxisShape s = DeriveFiveAxisShape(r);
            SCOPED_TRACE(::testing::Message()
                         << "type " << type << " boxes " << box1 << "," << box2 << " L " << l1 << "," << l2);
            if (type == 1 && l2 == 0) {
              // Without its lateral offset type 1 is the same machine as type 0.
              EXPECT_EQ(s.type, 0);
              FiveAxisRecord as0;
              ApplyFiveAxisShape(s, as0);
              EXPECT_EQ(as0, r);
              continue;
            }
            EXPECT_EQ(s.type, type);
            EXPECT_EQ(s.box1, box1);
            EXPECT_EQ(s.box2, box2);
            EXPECT_EQ(s.l1, l1);
            if (FiveAxisType(type).uses_l2) {
              EXPECT_EQ(s.l2, l2);
            }
          }
        }
      }
    }
  }
}

TEST(FiveAxisKinematics, TypeRulesWriteTheVectors) {
  FiveAxisRecord r;
  r.reserved = 5;
  ApplyFiveAxisShape({1, kBMinus, kCMinus, 250, 35}, r);
  EXPECT_EQ(r.axis1, (FiveAxisRotary{1, 0, kLetterB, {0, -1, 0}, {0, 35, 250}, 0, 0}));
  EXPECT_EQ(r.axis2, (FiveAxisRotary{1, 0, kLetterC, {0, 0, -1}, {0, 0, 0}, 0, 0}));
  EXPECT_EQ(r.reserved, 5);
  ApplyFiveAxisShape({8, kAPlus, kCPlus, 0, -1}, r);
  EXPECT_FALSE(std::signbit(r.axis1.offset[2]));
  FiveAxisRecord before = r;
  ApplyFiveAxisShape({kFreeType, kAPlus, kAPlus, 1, 1}, r);
  EXPECT_EQ(r, before);
}

}  // namespace
}  // namespace prefig
