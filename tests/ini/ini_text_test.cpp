// The text format: what is found, and exactly what each edit writes.
#include "ini/ini_text.h"

#include <gtest/gtest.h>

#include "ini/ini_edit.h"

namespace prefig::ini {
namespace {

const std::string kVersionBanner = "## INIFILEVERSION #############################################################";
const std::string kEditorBanner = "## EDITOR #####################################################################";

std::string Set(std::string text, std::string_view section, std::string_view key, std::string_view value) {
  ApplyEdit(text, nullptr, EditKind::kSet, section, key, value);
  return text;
}

std::string ValueOf(std::string_view text, std::string_view section, std::string_view key) {
  auto found = Locate(text, nullptr, section, key);
  return found ? std::string(ReadValue(text, *found)) : "<missing>";
}

TEST(IniText, SeparatorDependsOnKeyLength) {
  EXPECT_EQ(KeyLine("PADTABS", "No"), "PADTABS\t\t= No\r\n");              // 7
  EXPECT_EQ(KeyLine("TABCHARS", "4"), "TABCHARS\t= 4\r\n");                // 8
  EXPECT_EQ(KeyLine("ABCDEFGHIJKLMNO", "1"), "ABCDEFGHIJKLMNO\t= 1\r\n");  // 15
  EXPECT_EQ(KeyLine("ABCDEFGHIJKLMNOP", "1"), "ABCDEFGHIJKLMNOP= 1\r\n");  // 16
  EXPECT_EQ(KeyLine(" lower ", "x"), "LOWER\t\t= x\r\n");
}

TEST(IniText, NewSectionsAreAppendedWithBanner) {
  std::string text = Set("", "INIFILEVERSION", "VERSION", "200");
  EXPECT_EQ(text, "\r\n" + kVersionBanner + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n");
  text = Set(text, "editor", "padtabs", "No");
  EXPECT_EQ(text, "\r\n" + kVersionBanner + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n" + "\r\n" +
                      kEditorBanner + "\r\n\r\n[EDITOR]\r\nPADTABS\t\t= No\r\n");
}

// What a reader finds: {text, section, key, value or "<missing>"}.
TEST(IniText, LocatingSectionsKeysAndValues) {
  struct Case {
    const char *text, *section, *key, *value;
  } cases[] = {
      // Names ignore case and match whole words.
      {"[editor]\r\nTABCHARSX = 9\r\ntabchars\t=\t4\r\nTAB CHARS = 7\r\n", "EDITOR", "TABCHARS", "4"},
      {"[editor]\r\nTABCHARS = 7\r\n", "EDIT", "TABCHARS", "<missing>"},
      // Headers start their line (after blanks), their names run to the
      // first `]` and neither begin nor end with white space; the rest of a
      // header line is ignored; a bracket line ends a section even when it
      // is no header.
      {"x [A]\r\nK=1\r\n", "A", "K", "<missing>"},
      {"  [B]\r\nK=2\r\n", "B", "K", "2"},
      {"[ C ]\r\nK=3\r\n", "C", "K", "<missing>"},
      {"[ C ]\r\nK=3\r\n", " C ", "K", "<missing>"},
      {"[RENUM DEFAULT]\r\nK=4\r\n", "renum default", "K", "4"},
      {"[RENUM  DEFAULT]\r\nK=4\r\n", "RENUM DEFAULT", "K", "<missing>"},
      {"[A]\r\n[[sub]]\r\nK=5\r\n", "[sub", "K", "5"},
      {"[A]\r\n[[sub]]\r\nK=5\r\n", "[sub]", "K", "<missing>"},
      {"[B]\r\nK=2\r\n[ C ]\r\nL=3\r\n", "B", "L", "<missing>"},
      {"[A] K=1 ; comment\r\nL=2\r\n", "A", "L", "2"},
      // The first of duplicate headers and keys wins.
      {"[A]\r\nK=1\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n", "A", "K", "1"},
      {"[A]\r\nK=1\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n", "A", "L", "<missing>"},
      // Values are trimmed and unquoted, and end at CR, LF or the end.
      {"[S]\r\nA =   plain text  \t\r\n", "S", "A", "plain text"},
      {"[S]\r\nB = \"  padded \"\r\n", "S", "B", "  padded "},
      {"[S]\r\nC = \"\"quoted\"\"\r\n", "S", "C", "\"quoted\""},
      {"[S]\r\nD = \"\r\n", "S", "D", ""},
      {"[S]\r\nG = \"x\r\n", "S", "G", "\"x"},
      {"[S]\nK=lf only\nL=2", "S", "L", "2"},
  };
  for (const Case& c : cases) EXPECT_EQ(ValueOf(c.text, c.section, c.key), c.value) << c.text << c.key;
}

// Exactly what setting a key writes: {text before, section, key, value, text after}.
TEST(IniText, SettingAKeyWritesThisText) {
  const std::string b_banner = "\r\n## B " + std::string(74, '#') + "\r\n\r\n";
  struct Case {
    std::string before, section, key, value, after;
  } cases[] = {
      // A replaced value keeps the key's spelling and spacing.
      {"[S]\r\nkey=4\r\n", "S", "KEY", "5", "[S]\r\nkey= 5\r\n"},
      {"[S]\r\n  Key \t=   4   ; x\r\nN=1\r\n", "S", "KEY", "5", "[S]\r\n  Key \t= 5\r\nN=1\r\n"},
      {"[A]\r\nK=1\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n", "A", "K", "5", "[A]\r\nK= 5\r\nK=2\r\n[B]\r\n[a]\r\nL=3\r\n"},
      // An empty value is a value.
      {"[S]\r\nK = x\r\n", "S", "K", "", "[S]\r\nK = \r\n"},
      {"[S]\r\n", "S", "NEW", "", "[S]\r\nNEW\t\t= \r\n"},
      // A new key in the last section goes to the end, on a line of its own.
      {"[A]\r\nK=1", "A", "L", "2", "[A]\r\nK=1\r\nL\t\t= 2\r\n"},
      // A new section's own line break ends a last line that has none.
      {"[A]\r\nK=1", "B", "L", "2", "[A]\r\nK=1" + b_banner + "[B]\r\nL\t\t= 2\r\n"},
      // In a middle section: after its first block.
      {"\r\n## A ###\r\n\r\n[A]\r\nK=1\r\n\r\n; notes\r\nM=3\r\n\r\n## B ###\r\n\r\n[B]\r\nX=9\r\n", "A", "L", "2",
       "\r\n## A ###\r\n\r\n[A]\r\nK=1\r\nL\t\t= 2\r\n\r\n; notes\r\nM=3\r\n\r\n## B ###\r\n\r\n[B]\r\nX=9\r\n"},
      // Without CR LF CR LF: back over blank lines, the next section's own
      // banner, blank lines.
      {"[A]\nK=1\n" + b_banner.substr(1) + "[B]\nX=9\n", "A", "L", "2",
       "[A]\nK=1\nL\t\t= 2\r\n" + b_banner.substr(1) + "[B]\nX=9\n"},
      {"[A]\nK=1\n## B " + std::string(74, '#') + "\n\n[B]\nX=9\n", "A", "L", "2",
       "[A]\nK=1\nL\t\t= 2\r\n## B " + std::string(74, '#') + "\n\n[B]\nX=9\n"},
      // Any other comment line belongs to the section before it.
      {"[a]\nk=1\n#####\n[b]\nx=2\n", "a", "NEWK", "v", "[a]\nk=1\n#####\nNEWK\t\t= v\r\n[b]\nx=2\n"},
      {"[A]\nK=1\n\n## B ###\n\n[B]\nX=9\n", "A", "L", "2", "[A]\nK=1\n\n## B ###\nL\t\t= 2\r\n\n[B]\nX=9\n"},
      {"[A]\nK=1\n\n" + b_banner.substr(2) + "[C]\nX=9\n", "A", "L", "2",
       "[A]\nK=1\n\n" + b_banner.substr(2, 81) + "L\t\t= 2\r\n\r\n[C]\nX=9\n"},
      {"[A]\n[B]\n", "A", "L", "2", "[A]\nL\t\t= 2\r\n[B]\n"},
  };
  for (const Case& c : cases) EXPECT_EQ(Set(c.before, c.section, c.key, c.value), c.after) << c.before;
}

// Windows editors begin a UTF-8 file with a byte order mark; it does not
// hide the first header. Anywhere else it is text like any other.
TEST(IniText, AByteOrderMarkBeforeTheFirstHeaderIsSkipped) {
  std::string text = "\xEF\xBB\xBF[A]\r\nK=1\r\n[B]\r\n\xEF\xBB\xBF[C]\r\nK=3\r\n";
  auto a = FindSection(text, "A");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->bracket, 3u);
  EXPECT_EQ(ReadValue(text, *FindKey(text, *a, "K")), "1");
  EXPECT_FALSE(FindSection(text, "C"));
  IniIndex index;
  EXPECT_TRUE(Locate(text, &index, "a", "k"));
  EXPECT_FALSE(index.FindSection(text, "C"));
  ApplyEdit(text, nullptr, EditKind::kSet, "A", "K", "2");
  EXPECT_EQ(text, "\xEF\xBB\xBF[A]\r\nK= 2\r\n[B]\r\n\xEF\xBB\xBF[C]\r\nK=3\r\n");
}

TEST(IniText, RewritingTheStoredValueChangesNothing) {
  std::string text = "[S]\r\nkey=4\r\n";
  EXPECT_FALSE(ApplyEdit(text, nullptr, EditKind::kSet, "S", "KEY", "4"));
  EXPECT_EQ(text, "[S]\r\nkey=4\r\n");
}

// Its indentation too: left behind, it would indent the next line.
TEST(IniText, DeletingAKeyRemovesItsLine) {
  std::string text = "[S]\r\nA=1\r\n  B = 2\r\nC=3";
  ApplyEdit(text, nullptr, EditKind::kDeleteKey, "S", "B", {});
  EXPECT_EQ(text, "[S]\r\nA=1\r\nC=3");
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
}

TEST(IniText, DeletingAHandWrittenSectionRemovesHeaderToNextHeader) {
  std::string text = "; top\r\n[A]\r\nK=1\r\n; about B\r\n[B]\r\nL=2\r\n";
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "A", {}, {});
  EXPECT_EQ(text, "; top\r\n[B]\r\nL=2\r\n");
  // A file of fewer than two bytes reads as empty; memory must agree.
  text = "\n[A]\r\nK=1\r\n";
  ApplyEdit(text, nullptr, EditKind::kDeleteSection, "A", {}, {});
  EXPECT_EQ(text, "");
}

TEST(IniText, TextEncoding) {
  EXPECT_EQ(EncodeText("plain"), "plain");
  EXPECT_EQ(EncodeText("  two leading, one trailing "), "\"  two leading, one trailing \"");
  EXPECT_EQ(EncodeText("\"already\""), "\"\"already\"\"");
  EXPECT_EQ(EncodeText("line\r\nbreak"), "linebreak");
  EXPECT_EQ(EncodeHex(std::string(300, 'A')).size(), 520u);
}

TEST(IniText, NumberEncoding) {
  EXPECT_EQ(EncodeDouble(-0.0000004), "-0.000000");
  EXPECT_EQ(DecodeInt("  -42xyz"), -42);
  EXPECT_EQ(DecodeInt("99999999999"), 2147483647);
  EXPECT_EQ(DecodeInt("-99999999999"), -2147483647 - 1);
  EXPECT_DOUBLE_EQ(DecodeDouble("-2.5e3"), -2.5);
  EXPECT_DOUBLE_EQ(DecodeDouble(".5"), 0.5);
}

TEST(IniText, CommaListsAreTrimmedWithoutEmptyItemsAndJoinedBySeparator) {
  EXPECT_EQ(NormaliseCommaList(" A ,, B ", ", "), "A, B");
  EXPECT_EQ(NormaliseCommaList(",,\t,", ","), "");
  EXPECT_EQ(NormaliseCommaList("X=U, Y = V ,Z", ","), "X=U,Y = V,Z");
}

}  // namespace
}  // namespace prefig::ini
