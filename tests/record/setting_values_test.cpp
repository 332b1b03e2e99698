// SettingValues: settings read through their declarations with the store's
// rules, and written back in table order.
#include "record/setting_values.h"

#include <gtest/gtest.h>

#include "ini/ini_file.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

const std::string kVersionBlock =
    "\r\n## INIFILEVERSION #############################################################\r\n\r\n"
    "[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";

class SettingValuesTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("main.ini");
  GIniFile ini;
  LoadContext context{.language = "en-US", .program_directory = "/opt/prefig", .data_directory = "/home/u/data"};

  void OpenWith(const std::string& content) {
    WriteFile(path, content);
    ini.Open(path);
  }
};

TEST_F(SettingValuesTest, AnEmptyFileIsCompletedMemberByMemberWithQuotedDefaultsReadBackExactly) {
  ini.Open(path);
  SettingValues values(kMain);
  values.Load(ini, *FindTable("external commands"), context);
  EXPECT_EQ(ReadFile(path),
            kVersionBlock +
                "\r\n## EXTCMD #####################################################################\r\n"
                "\r\n[EXTCMD]\r\n"
                "TITLE00\t\t= \r\n"
                "WAITOUTPUT00\t= Yes\r\n"
                "OUTPUT00\t= $PATH/$FILENOEXT.OUT\r\n"
                "EXE00\t\t= \r\n"
                "PARAM00\t\t= \"\"$PATH/$FILE\" \"$OUTFILE\"\"\r\n"
                "TITLE01\t\t= \r\n"
                "WAITOUTPUT01\t= Yes\r\n"
                "OUTPUT01\t= $PATH/$FILENOEXT.OUT\r\n"
                "EXE01\t\t= \r\n"
                "PARAM01\t\t= \"\"$PATH/$FILE\" \"$OUTFILE\"\"\r\n");
  SettingValues again(kMain);
  again.Load(ini, *FindTable("external commands"), context);
  EXPECT_EQ(again.Text(kExtParam, 0), "\"$PATH/$FILE\" \"$OUTFILE\"");
}

TEST_F(SettingValuesTest, NumbersAreClampedOrReplacedAndWrittenBackInTheirOwnForm) {
  OpenWith(
      "[SYSTEM]\r\nTABCHARS=99\r\nNLINSIZE=abc\r\nSHUTDOWNTIMEOUT=300\r\n"
      "[INSPECT]\r\nDEFAULTWINSIZE=0,29\r\n"
      "[PRINTERSETUP]\r\nLEFTMARGIN=3,25\r\nRIGHTMARGIN=x\r\n");
  SettingValues values(kMain);
  for (const Setting* s :
       {&kTabChars, &kNlInSize, &kShutdownTimeout, &kDefaultWinSize, &kLeftMargin, &kRightMargin, &kShowMacroFormula}) {
    values.Load(ini, *s, context);
  }
  EXPECT_EQ(values.Int(kTabChars), 50);
  EXPECT_EQ(values.Int(kNlInSize), 2);
  EXPECT_EQ(values.Int(kShutdownTimeout), 300);
  EXPECT_DOUBLE_EQ(values.Double(kDefaultWinSize), 0.29);
  EXPECT_DOUBLE_EQ(values.Double(kLeftMargin), 3.25);
  EXPECT_DOUBLE_EQ(values.Double(kRightMargin), 2.0);
  EXPECT_FALSE(values.Bool(kShowMacroFormula));
  EXPECT_EQ(ReadFile(path),
            "[SYSTEM]\r\nTABCHARS= 50\r\nNLINSIZE= 2\r\nSHUTDOWNTIMEOUT=300\r\nSHOWMACROFORMULA= 0\r\n"
            "[INSPECT]\r\nDEFAULTWINSIZE=0,29\r\n"
            "[PRINTERSETUP]\r\nLEFTMARGIN=3,25\r\nRIGHTMARGIN= 2.00\r\n" +
                kVersionBlock);
}

TEST_F(SettingValuesTest, ColoursAreUnsigned32BitDecimals) {
  OpenWith("[INSPECTCOLOR]\r\nCOL002=4294967295\r\nCOL024=-5\r\nCOL029=white\r\n");
  SettingValues values(kMain);
  for (const Setting* s : {&kColBackgroundUpperLeft, &kColToolpathRapid, &kColToolpathLinear}) {
    values.Load(ini, *s, context);
  }
  EXPECT_EQ(values.Colour(kColBackgroundUpperLeft), 0xFFFFFFFFu);
  EXPECT_EQ(ReadFile(path),
            "[INSPECTCOLOR]\r\nCOL002=4294967295\r\nCOL024= 0\r\nCOL029= 3773162981\r\n" + kVersionBlock);
}

TEST_F(SettingValuesTest, AFontIsFourteenKeysWithBytesAndFaceNameKeptInBounds) {
  OpenWith("[EDITOR]\r\nFONTWEIGHT=400\r\nFONTQUALITY=300\r\nFONTFACENAME=" + std::string(40, 'F') + "\r\n");
  SettingValues values(kMain);
  values.Load(ini, kEditorFont, context);
  const FontDescription& font = values.Font(kEditorFont);
  EXPECT_EQ(font.quality, 255);
  EXPECT_EQ(font.face_name, std::string(31, 'F'));
  EXPECT_EQ(ReadFile(path),
            "[EDITOR]\r\nFONTWEIGHT=400\r\nFONTQUALITY= 255\r\nFONTFACENAME=" + std::string(40, 'F') +
                "\r\nFONTHEIGHT\t= -16\r\nFONTWIDTH\t= 0\r\nFONTESCAPEMENT\t= 0\r\n"
                "FONTORIENTATION\t= 0\r\nFONTITALIC\t= 0\r\nFONTUNDERLINE\t= 0\r\nFONTSTRIKEOUT\t= 0\r\n"
                "FONTCHARSET\t= 0\r\nFONTOUTPREC\t= 3\r\nFONTCLIPPREC\t= 2\r\nFONTPITCHFAMILY\t= 49\r\n" +
                kVersionBlock);
}

TEST_F(SettingValuesTest, PasswordIsStoredAsHexAndReadBackAsText) {
  OpenWith("[SYSTEM]\r\nPASSWORD=414243zz44\r\n");
  SettingValues values(kMain);
  values.Load(ini, kPassword, context);
  EXPECT_EQ(values.Text(kPassword), "ABC");
  values.SetText(kPassword, "SECRET");
  values.Save(ini, kPassword);
  EXPECT_EQ(ini.GetString("SYSTEM", "PASSWORD"), "534543524554");
}

TEST_F(SettingValuesTest, DefaultsFollowBasicTypeLocaleAndPlace) {
  LoadContext heidenhain = context;
  heidenhain.basic_type = 1;
  heidenhain.imperial = true;
  // One setting each for basic type, locale, member and the places.
  EXPECT_EQ(DefaultText(kCommentStart, heidenhain), ";");
  EXPECT_EQ(DefaultText(kPathUnits, heidenhain), "4");
  EXPECT_EQ(DefaultText(kFixColor, context, 2), "0x00FFFF");
  EXPECT_EQ(DefaultText(kTemplate, context), "/home/u/data/ToolList.txt");
  EXPECT_EQ(DefaultText(kLastLoadPath, context), "/opt/prefig/Samples");
  EXPECT_EQ(PageDefaultText(kToolChange, heidenhain), "TOOL CALL");
  EXPECT_EQ(PageDefaultText(kMapLetters, context), std::nullopt);
}

TEST_F(SettingValuesTest, ReadingRulesBetweenSettings) {
  OpenWith(
      "[MACHINETYPE]\r\nTOOLCHANGE=TOOL CALL\r\nDECIMAL=\r\nCOMMENTEND=\r\n"
      "[LOADSAVE]\r\nUNIPROMPT=Yes\r\nUNIALWAYS=Yes\r\nLOADEXT= nc, .iso ,,TAP,\r\n");
  SettingValues values(kType);
  for (const Setting* s : {&kToolChange, &kToolPrefix, &kDecimal, &kCommentEnd, &kUniAlways, &kLoadExt}) {
    values.Load(ini, *s, context);
  }
  EXPECT_EQ(values.Text(kToolPrefix), "TOOL CALL");
  EXPECT_EQ(values.Char(kDecimal), '.');
  EXPECT_EQ(values.Char(kCommentEnd), '\0');
  EXPECT_FALSE(values.Bool(kUniAlways));
  EXPECT_EQ(values.List(kLoadExt), (std::vector<std::string>{"nc", ".iso", "TAP"}));
  EXPECT_EQ(ini.GetString("TOOLLIST", "PREFIX"), "TOOL CALL");
  EXPECT_EQ(ini.GetString("MACHINETYPE", "DECIMAL"), "");
}

TEST_F(SettingValuesTest, KeysThatAreReadOnlyWhileEnabledAreNeitherReadNorOverwritten) {
  const std::string stored = "[MULTICHANNEL]\r\nMODE=5\r\nENABLE=No\r\nPRGTRIG=2:^O\r\n";
  OpenWith(stored);
  SettingValues values(kType);
  values.Load(ini, *FindTable("multi-channel"), context);
  EXPECT_EQ(values.Int(kMultiChannelMode), 0);
  EXPECT_EQ(values.Text(kChannelStart), "");
  EXPECT_FALSE(values.IsHeld(kChannelStart));
  values.Save(ini, *FindTable("multi-channel"));
  EXPECT_EQ(ReadFile(path), stored + "TESTVALUE\t= O1000 P100\r\n" + kVersionBlock);

  ini.WriteBool("MULTICHANNEL", "ENABLE", true);
  SettingValues enabled(kType);
  enabled.Load(ini, *FindTable("multi-channel"), context);
  EXPECT_EQ(enabled.Int(kMultiChannelMode), 5);
  EXPECT_EQ(enabled.Text(kChannelStart), "2:^O");
  EXPECT_EQ(enabled.Text(kChannelOrder), "1,2,3,4");
}

TEST_F(SettingValuesTest, SettersKeepTheDeclaredLimitsAndMarkTheValueForSaving) {
  SettingValues values(kType);
  EXPECT_FALSE(values.IsHeld(kTypeName));
  values.SetText(kTypeName, "ABCDEFGHIJKL");
  EXPECT_EQ(values.Text(kTypeName), "ABCDEFGHI");
  values.SetList(kLoadExt, std::vector<std::string>(20, std::string(40, 'X')));
  EXPECT_EQ(values.List(kLoadExt).size(), 16u);
  EXPECT_EQ(values.List(kLoadExt)[0].size(), 32u);
  EXPECT_TRUE(values.IsHeld(kTypeName));
  EXPECT_THROW(values.SetInt(kTypeName, 3), std::logic_error);
}

}  // namespace
}  // namespace prefig
