// The text format: what is found, and exactly what each edit writes.
#include "store/ini_text.h"

#include <gtest/gtest.h>

#include "store/ini_edit.h"

namespace prefig::ini {
namespace {

const std::string kVersionBanner =
    "## INIFILEVERSION #############################################################";
const std::string kEditorBanner =
    "## EDITOR #####################################################################";

std::string Set(std::string text, std::string_view section, std::string_view key, std::string_view value) {
  ApplyEdit(text, nullptr, EditKind::kSet, section, key, value);
  return text;
}

std::string ValueOf(std::string_view text, std::string_view section, std::string_view key) {
  auto found = Locate(text, nullptr, section, key);
  return found ? std::string(ReadValue(text, *found)) : "<missing>";
}

TEST(IniText, BannersAreSeventyNineCharacters) {
  EXPECT_EQ(Banner("INIFILEVERSION"), kVersionBanner);
  EXPECT_EQ(Banner("editor"), kEditorBanner);
  EXPECT_EQ(kEditorBanner.size(), 79u);
}

TEST(IniText, SeparatorDependsOnKeyLength) {
  EXPECT_EQ(KeyLine("PADTABS", "No"), "PADTABS\t\t= No\r\n");             // 7
  EXPECT_EQ(KeyLine("TABCHARS", "4"), "TABCHARS\t= 4\r\n");               // 8
  EXPECT_EQ(KeyLine("FONTFACENAME", "Courier New"), "FONTFACENAME\t= Courier New\r\n");
  EXPECT_EQ(KeyLine("ABCDEFGHIJKLMNO", "1"), "ABCDEFGHIJKLMNO\t= 1\r\n");  // 15
  EXPECT_EQ(KeyLine("ABCDEFGHIJKLMNOP", "1"), "ABCDEFGHIJKLMNOP= 1\r\n");  // 16
  EXPECT_EQ(KeyLine(" lower ", "x"), "LOWER\t\t= x\r\n");
}

TEST(IniText, NewSectionsAreAppendedWithBanner) {
  std::string text = Set("", "INIFILEVERSION", "VERSION", "200");
  EXPECT_EQ(text, "\r\n" + kVersionBanner + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n");
  text = Set(text, "editor", "padtabs", "No");
  EXPECT_EQ(text, "\r\n" + kVersionBanner + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n" + "\r\n" + kEditorBanner +
                      "\r\n\r\n[EDITOR]\r\nPADTABS\t\t= No\r\n");
}

TEST(IniText, SectionAndKeyNamesIgnoreCaseAndMatchWholeWords) {
  std::string text = "[editor]\r\nTABCHARSX = 9\r\ntabchars\t=\t4\r\nTAB CHARS = 7\r\n";
  EXPECT_EQ(ValueOf(text, "EDITOR", "TABCHARS"), "4");
  EXPECT_EQ(ValueOf(text, "Editor", "TAB CHARS"), "7");
  EXPECT_EQ(ValueOf(text, "EDITOR", "TAB"), "<missing>");
  EXPECT_EQ(ValueOf(text, "EDIT", "TABCHARS"), "<missing>");
}

TEST(IniText, HeadersMustStartTheirLineAndHoldNoSpace) {
  std::string text = "x [A]\r\nK=1\r\n  [B]\r\nK=2\r\n[ C ]\r\nK=3\r\n";
  EXPECT_EQ(ValueOf(text, "A", "K"), "<missing>");
  EXPECT_EQ(ValueOf(text, "B", "K"), "2");
  EXPECT_EQ(ValueOf(text, "C", "K"), "<missing>");
}

TEST(IniText, BracketLineEndsASectionEvenWhenMalformed) {
  // "[ C ]" is no header, but it still ends section B.
  std::string text = "[B]\r\nK=2\r\n[ C ]\r\nL=3\r\n";
  EXPECT_EQ(ValueOf(text, "B", "L"), "<missing>");
}

TEST(IniText, FirstOfDuplicateHeadersAndKeysWins) {
  std::string text = "[A]\r\nK=1\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n";
  EXPECT_EQ(ValueOf(text, "A", "K"), "1");
  EXPECT_EQ(ValueOf(text, "A", "L"), "<missing>");
  EXPECT_EQ(Set(text, "A", "K", "5"), "[A]\r\nK= 5\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n");
}

TEST(IniText, RestOfHeaderLineIsIgnored) {
  std::string text = "[A] K=1 ; comment\r\nL=2\r\n";
  EXPECT_EQ(ValueOf(text, "A", "K"), "<missing>");
  EXPECT_EQ(ValueOf(text, "A", "L"), "2");
}

TEST(IniText, ValuesAreTrimmedAndUnquoted) {
  std::string text =
      "[S]\r\nA =   plain text  \t\r\nB = \"  padded \"\r\nC = \"\"quoted\"\"\r\nD = \"\r\nE = \"\"\r\nF =\r\nG = \"x\r\n";
  EXPECT_EQ(ValueOf(text, "S", "A"), "plain text");
  EXPECT_EQ(ValueOf(text, "S", "B"), "  padded ");
  EXPECT_EQ(ValueOf(text, "S", "C"), "\"quoted\"");
  EXPECT_EQ(ValueOf(text, "S", "D"), "");
  EXPECT_EQ(ValueOf(text, "S", "E"), "");
  EXPECT_EQ(ValueOf(text, "S", "F"), "");
  EXPECT_EQ(ValueOf(text, "S", "G"), "\"x");
}

TEST(IniText, ValueEndsAtCrOrLfOrEnd) {
  EXPECT_EQ(ValueOf("[S]\nK=lf only\nL=2", "S", "K"), "lf only");
  EXPECT_EQ(ValueOf("[S]\nK=lf only\nL=2", "S", "L"), "2");
}

TEST(IniText, ReplacingKeepsKeySpellingAndSpacing) {
  EXPECT_EQ(Set("[S]\r\nkey=4\r\n", "S", "KEY", "5"), "[S]\r\nkey= 5\r\n");
  EXPECT_EQ(Set("[S]\r\n  Key \t=   4   ; x\r\nN=1\r\n", "S", "KEY", "5"), "[S]\r\n  Key \t= 5\r\nN=1\r\n");
}

TEST(IniText, RewritingTheStoredValueChangesNothing) {
  std::string text = "[S]\r\nkey=4\r\n";
  EXPECT_FALSE(ApplyEdit(text, nullptr, EditKind::kSet, "S", "KEY", "4"));
  EXPECT_EQ(text, "[S]\r\nkey=4\r\n");
}

TEST(IniText, EmptyValueIsAValue) {
  std::string text = Set("[S]\r\nK = x\r\n", "S", "K", "");
  EXPECT_EQ(text, "[S]\r\nK = \r\n");
  EXPECT_EQ(ValueOf(text, "S", "K"), "");
  EXPECT_EQ(Set("[S]\r\n", "S", "NEW", ""), "[S]\r\nNEW\t\t= \r\n");
}

TEST(IniText, NewKeyInLastSectionGoesToTheEnd) {
  EXPECT_EQ(Set("[A]\r\nK=1\r\n\r\n", "A", "L", "2"), "[A]\r\nK=1\r\n\r\nL\t\t= 2\r\n");
}

TEST(IniText, NewKeyAfterUnterminatedLastLineStartsANewLine) {
  EXPECT_EQ(Set("[A]\r\nK=1", "A", "L", "2"), "[A]\r\nK=1\r\nL\t\t= 2\r\n");
  EXPECT_EQ(Set("[A]\r\nK=1", "B", "L", "2"),
            "[A]\r\nK=1\r\n\r\n## B " + std::string(74, '#') + "\r\n\r\n[B]\r\nL\t\t= 2\r\n");
}

TEST(IniText, NewKeyInMiddleSectionGoesAfterItsFirstBlock) {
  std::string text = "\r\n## A ###\r\n\r\n[A]\r\nK=1\r\n\r\n; notes\r\nM=3\r\n\r\n## B ###\r\n\r\n[B]\r\nX=9\r\n";
  EXPECT_EQ(Set(text, "A", "L", "2"),
            "\r\n## A ###\r\n\r\n[A]\r\nK=1\r\nL\t\t= 2\r\n\r\n; notes\r\nM=3\r\n\r\n## B ###\r\n\r\n[B]\r\nX=9\r\n");
}

TEST(IniText, NewKeyWithoutBlankLineGoesBeforeNextBannerAndBlanks) {
  // LF-only text has no CR LF CR LF: back over blank lines, banner, blank lines.
  std::string text = "[A]\nK=1\n\n## B ###\n\n[B]\nX=9\n";
  EXPECT_EQ(Set(text, "A", "L", "2"), "[A]\nK=1\nL\t\t= 2\r\n\n## B ###\n\n[B]\nX=9\n");
  EXPECT_EQ(Set("[A]\r\nK=1\r\n[B]\r\n", "A", "L", "2"), "[A]\r\nK=1\r\nL\t\t= 2\r\n[B]\r\n");
  EXPECT_EQ(Set("[A]\n[B]\n", "A", "L", "2"), "[A]\nL\t\t= 2\r\n[B]\n");
}

TEST(IniText, DeletingAKeyRemovesItsLine) {
  std::string text = "[S]\r\nA=1\r\n  B = 2\r\nC=3";
  ApplyEdit(text, nullptr, EditKind::kDeleteKey, "S", "B", {});
  EXPECT_EQ(text, "[S]\r\nA=1\r\n  C=3");
  ApplyEdit(text, nullptr, EditKind::kDeleteKey, "S", "C", {});
  EXPECT_EQ(text, "[S]\r\nA=1\r\n  ");
  EXPECT_FALSE(ApplyEdit(text, nullptr, EditKind::kDeleteKey, "S", "Z", {}));
  EXPECT_FALSE(ApplyEdit(text, nullptr, EditKind::kDeleteKey, "NONE", "A", {}));
}

TEST(IniText, DeletingAWrittenSectionTakesItsBannerAndKeepsTheNeighbours) {
  std::string text;
  for (const char* name : {"ONE", "TWO", "THREE"}) text = Set(text, name, "K", name);
  std::string expected;
  for (const char* name : {"ONE", "THREE"}) expected = Set(expected, name, "K", name);
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "two", {}, {});
  EXPECT_EQ(text, expected);
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "THREE", {}, {});
  EXPECT_EQ(text, Set("", "ONE", "K", "ONE"));
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "ONE", {}, {});
  EXPECT_EQ(text, "");
}

TEST(IniText, DeletingDownToOneByteLeavesAnEmptyText) {
  // A file of fewer than two bytes reads as empty; memory must agree.
  std::string text = "\n[A]\r\nK=1\r\n";
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "A", {}, {});
  EXPECT_EQ(text, "");
}

TEST(IniText, DeletingAHandWrittenSectionRemovesHeaderToNextHeader) {
  std::string text = "; top\r\n[A]\r\nK=1\r\n; about B\r\n[B]\r\nL=2\r\n";
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "A", {}, {});
  EXPECT_EQ(text, "; top\r\n[B]\r\nL=2\r\n");
}

TEST(IniText, TextEncoding) {
  EXPECT_EQ(EncodeText("plain"), "plain");
  EXPECT_EQ(EncodeText("  two leading, one trailing "), "\"  two leading, one trailing \"");
  EXPECT_EQ(EncodeText("\"already\""), "\"\"already\"\"");
  EXPECT_EQ(EncodeText("line\r\nbreak"), "linebreak");
  EXPECT_EQ(EncodeText(""), "");
  EXPECT_EQ(EncodeHex("A\xff"), "41FF");
  EXPECT_EQ(EncodeHex(std::string(300, 'A')).size(), 520u);
}

TEST(IniText, NumberEncoding) {
  EXPECT_EQ(EncodeDouble(1.5), "1.500000");
  EXPECT_EQ(EncodeDouble(-0.0000004), "-0.000000");
  EXPECT_EQ(DecodeInt("  -42xyz"), -42);
  EXPECT_EQ(DecodeInt("x0"), 0);
  EXPECT_EQ(DecodeInt("99999999999"), 2147483647);
  EXPECT_EQ(DecodeInt("-99999999999"), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(DecodeDouble(" 3,25"), 3.25);
  EXPECT_DOUBLE_EQ(DecodeDouble("-2.5e3"), -2.5);
  EXPECT_DOUBLE_EQ(DecodeDouble(".5"), 0.5);
  EXPECT_TRUE(IsUnusableNumber("abc", true));
  EXPECT_FALSE(IsUnusableNumber("x0", true));
  EXPECT_FALSE(IsUnusableNumber("7", false));
}

TEST(IniText, BoolDecoding) {
  for (const char* yes : {"YES", "yes", "Yes", "1", "yesterday"}) EXPECT_TRUE(DecodeBool(yes)) << yes;
  for (const char* no : {"true", "Y", "10", "No", "", "0"}) EXPECT_FALSE(DecodeBool(no)) << no;
}

TEST(IniText, CommaListsAreTrimmedWithoutEmptyItemsAndJoinedBySeparator) {
  EXPECT_EQ(NormaliseCommaList(" A ,, B ;", ","), "A,B ;");
  EXPECT_EQ(NormaliseCommaList(" A ,, B ", ", "), "A, B");
  EXPECT_EQ(NormaliseCommaList(",,\t,", ","), "");
  EXPECT_EQ(NormaliseCommaList("X=U, Y = V ,Z", ","), "X=U,Y = V,Z");
  EXPECT_EQ(NormaliseCommaList("\r\nA\t", ","), "A");
}

TEST(IniText, UnusableNamesAreRefused) {
  EXPECT_FALSE(IsUsableSectionName(""));
  EXPECT_FALSE(IsUsableSectionName("MY SECTION"));
  EXPECT_FALSE(IsUsableSectionName("A]B"));
  EXPECT_TRUE(IsUsableSectionName("MACRO001"));
  EXPECT_FALSE(IsUsableKeyName(""));
  EXPECT_FALSE(IsUsableKeyName("A=B"));
  EXPECT_FALSE(IsUsableKeyName("[K"));
  EXPECT_FALSE(IsUsableKeyName("K\n"));
  EXPECT_TRUE(IsUsableKeyName("TAB CHARS"));
}

}  // namespace
}  // namespace prefig::ini
