// What the numeric and ASCII edit fields let the user type.
#include <gtest/gtest.h>

#include "controls/edit_ascii.h"
#include "controls/edit_field.h"
#include "controls/file_name_field.h"

namespace prefig {
namespace {

using Mode = WEditField::Mode;

std::string Typed(WEditField& field, const char* current, const char* proposed) {
  return field.Filter(current, proposed);
}

TEST(EditField, WholeNumbersStayWithinTheirBounds) {
  WEditField field(nullptr, 0, Mode::kUnsigned);
  field.SetBounds(5, 250);
  EXPECT_EQ(Typed(field, "", "1"), "1");  // below the minimum while typing
  EXPECT_EQ(Typed(field, "25", "250"), "250");
  EXPECT_EQ(Typed(field, "25", "251"), "25");
  EXPECT_EQ(Typed(field, "2", "2a-3"), "23");
  EXPECT_EQ(Typed(field, "", "99999999999999999999999"), "");  // overflow keeps the old text
  field.SetMode(Mode::kSigned);
  field.SetBounds(-10, 10);
  EXPECT_EQ(Typed(field, "", "-"), "-");
  EXPECT_EQ(Typed(field, "-1", "-11"), "-1");
  EXPECT_EQ(Typed(field, "1", "1-"), "1");  // a sign only in front
}

TEST(EditField, DecimalsTakeOneSeparatorOfEitherKind) {
  WEditField field(nullptr, 0, Mode::kUnsignedDecimal);
  field.SetDecimalBounds(0, 100);
  EXPECT_EQ(Typed(field, "", "1,5"), "1,5");
  EXPECT_EQ(Typed(field, "1.5", "1.5.2"), "1.52");
  EXPECT_EQ(Typed(field, "-", "-1"), "1");  // unsigned: no sign
  EXPECT_EQ(Typed(field, "99.5", "199.5"), "99.5");
  field.SetMode(Mode::kSignedDecimal);
  field.SetDecimalBounds(-1.5, 1.5);
  EXPECT_EQ(Typed(field, "-1.", "-1.4"), "-1.4");
  EXPECT_EQ(Typed(field, "-1.", "-1.6"), "-1.");
}

TEST(EditField, TextModesDropOrChangeCharacters) {
  WEditField field(nullptr, 0, Mode::kUpperAlnum);
  EXPECT_EQ(Typed(field, "", "g-01 x"), "G01X");
  field.SetMode(Mode::kNoComma);
  EXPECT_EQ(Typed(field, "", "a,b, c"), "ab c");
  field.SetMode(Mode::kNumberText);
  EXPECT_EQ(Typed(field, "", " X+1.5,  Y-2 ;#"), "X+1.5, Y-2 ");
  field.SetMode(Mode::kUpperAlnum);
  field.UserEdit("t1");
  EXPECT_EQ(field.Text(), "T1");
}

TEST(EditAscii, MenuEntriesInsertTheNameAndAShortOnesSpace) {
  ASSERT_EQ(WEditAscii::AsciiEntries().size(), 34u);
  EXPECT_EQ(WEditAscii::AsciiMenuText(10), "ASCII 10\tLF / x0A");
  EXPECT_EQ(WEditAscii::AsciiMenuText(33), "ASCII 127\tDEL / x7F");
  WEditAscii field(nullptr, 0);
  field.SetText("AB");
  field.SetSelection(1, 1);
  field.InsertAscii(10);
  EXPECT_EQ(field.Text(), "A\\LF B");
  field.SetSelection(0, 6);
  field.InsertAscii(0);
  EXPECT_EQ(field.Text(), "\\NUL");
}

TEST(EditAscii, OnlyRegularExpressionsAreChecked) {
  WEditAscii field(nullptr, 0);
  field.SetText("T(");
  EXPECT_EQ(field.CurrentMark(), WEditAscii::Mark::kFirstMode);
  field.SetTriggerMode(1);
  EXPECT_EQ(field.CurrentMark(), WEditAscii::Mark::kSecondMode);
  field.SetTriggerMode(WEditAscii::kRegularExpressionMode);
  EXPECT_EQ(field.CurrentMark(), WEditAscii::Mark::kInvalidExpression);
  field.UserEdit("T<[0-9]+>");
  EXPECT_EQ(field.CurrentMark(), WEditAscii::Mark::kValidExpression);
}

// One unit per character.
int Length(std::string_view text) { return static_cast<int>(text.size()); }

TEST(ShortenPath, FoldersGoFirstThenTheRootThenTheName) {
  const char* path = "C:\\alpha\\beta\\gamma\\file.nc";
  EXPECT_EQ(ShortenPath(path, 28, Length), " C:\\alpha\\beta\\gamma\\file.nc");
  EXPECT_EQ(ShortenPath(path, 27, Length), " C:\\...\\beta\\gamma\\file.nc");
  EXPECT_EQ(ShortenPath(path, 20, Length), " C:\\...\\file.nc");
  EXPECT_EQ(ShortenPath(path, 14, Length), " ...\\file.nc");
  EXPECT_EQ(ShortenPath(path, 8, Length), " file.nc");
  EXPECT_EQ(ShortenPath(path, 7, Length), " fil...");
  EXPECT_EQ(ShortenPath(path, 1, Length), " f...");  // fewer than 2 characters: stop
}

TEST(ShortenPath, NetworkAndUnixRoots) {
  EXPECT_EQ(ShortenPath("\\\\server\\share\\x\\prog.nc", 22, Length), " \\\\server\\...\\prog.nc");
  EXPECT_EQ(ShortenPath("/home/anna/nc/parts/prog.nc", 19, Length), " /.../parts/prog.nc");
  EXPECT_EQ(ShortenPath("", 0, Length), " ");
}

}  // namespace
}  // namespace prefig
