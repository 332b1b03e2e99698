// One machine type file: the loader's rules and the machine type saver.
#include "record/machine_type.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ini/ini_text.h"
#include "schema/registry.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class MachineTypeTest : public ::testing::Test {
 protected:
  TempDir dir;
  std::string path = dir.File("Type.mac");
  TypeContext context;
  std::vector<std::string> translated;  // texts the translation was asked for

  MachineTypeTest() {
    context.load = LoadContext{.language = "en-US", .program_directory = dir.path(), .data_directory = "/data"};
    context.normalise_language = [](std::string_view code) { return code == "de" ? "de-DE" : std::string(code); };
    context.translate = [this](std::string_view text, std::string_view language) {
      translated.push_back(std::string(text) + " from " + std::string(language));
      return "English " + std::string(text);
    };
  }

  std::unique_ptr<GMachineType> LoadFile(const std::string& content) {
    WriteFile(path, content);
    auto type = std::make_unique<GMachineType>(path);
    type->Load(context);
    return type;
  }
};

const std::string kCurrentHeader =
    "[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Mill\r\nLANGUAGE=en-US\r\nVERSION=80402\r\n";

TEST_F(MachineTypeTest, AVersionBeforeThePlanarChangeLosesItsDefinitionsAndIsTranslatedOnce) {
  auto type = LoadFile(
      "[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Fraese\r\nLANGUAGE=en-US\r\nVERSION=51000\r\n"
      "[PLANARDEF]\r\nA=1\r\n");
  ASSERT_TRUE(type->IsValid());
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.SectionExists("PLANARDEF"));
  EXPECT_EQ(ini.GetString("GENERAL", "VERSION"), "80402");
  EXPECT_EQ(ini.GetString("GENERAL", "DESCRIPTION"), "English Fraese");
  EXPECT_EQ(translated, std::vector<std::string>{"Fraese from en-US"});

  GMachineType again(path);
  again.Load(context);
  EXPECT_EQ(translated.size(), 1u);

  // From the planar change on, the definitions stay.
  LoadFile("[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Mill\r\nVERSION=60000\r\n[PLANARDEF]\r\nA=1\r\n");
  GIniFile later;
  later.Open(path);
  EXPECT_TRUE(later.KeyExists("PLANARDEF", "A"));
  EXPECT_EQ(later.GetString("GENERAL", "VERSION"), "80402");
}

TEST_F(MachineTypeTest, AnotherLanguageIsTranslatedUnlessTranslationIsDisabled) {
  auto german = LoadFile("[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Fraese\r\nLANGUAGE=de\r\nVERSION=80402\r\n");
  EXPECT_EQ(translated, std::vector<std::string>{"Fraese from de-DE"});
  EXPECT_EQ(german->Values().Text(kTypeLanguage), "en-US");

  translated.clear();
  auto kept = LoadFile(
      "[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Fraese\r\nLANGUAGE=de-DE\r\nVERSION=80402\r\n"
      "[MACROINF]\r\nDISABLETRANSLATE=Yes\r\n");
  EXPECT_EQ(kept->Description(), "Fraese");
  EXPECT_TRUE(translated.empty());
}

TEST_F(MachineTypeTest, ATypeNeedsAnIdentifierOrABasicTypeAndADescription) {
  auto from_basic = LoadFile("[GENERAL]\r\nBASICTYPE=2\r\nDESCRIPTION=APT\r\n");
  EXPECT_TRUE(from_basic->IsValid());
  EXPECT_EQ(from_basic->Name(), "2");

  auto nameless = LoadFile("[GENERAL]\r\nTYPENAME=T1\r\n");
  EXPECT_FALSE(nameless->IsValid());
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.SectionExists("MACHINETYPE"));
}

TEST_F(MachineTypeTest, ANewFileReadOnceHoldsEveryKeyAndReadingAgainChangesNothing) {
  auto type = LoadFile("[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Mill\r\n");
  ASSERT_TRUE(type->IsValid());
  type->Save();
  std::string text = ReadFile(path);
  GIniFile ini;
  ini.Open(path);
  for (const Setting* s : SettingsOf(kType)) {
    if (s->only_when || s->held_by == kColourList || s == &kTool || s == &kTurnTool) continue;
    // Of the macro library only the keys of a library without macros.
    if (s->held_by == kMacroLibrary && (s->count > 1 || std::string_view(s->section) == kMacroSection)) continue;
    std::string key = s->kind == kFont ? FontKeyName(*s, kFontFieldNames[0]) : KeyName(*s, s->count - 1);
    EXPECT_TRUE(ini.KeyExists(s->section, key)) << s->section << "/" << key;
  }
  EXPECT_TRUE(ini.KeyExists("GLOBALCOLORLIST", "COUNT"));

  GMachineType again(path);
  ASSERT_TRUE(again.Load(context));
  EXPECT_FALSE(again.IsChanged());
  again.Save();
  EXPECT_EQ(ReadFile(path), text);
}

TEST_F(MachineTypeTest, ControlSyntaxAndFilterFollowTheBasicType) {
  auto heidenhain = LoadFile(
      "[GENERAL]\r\nTYPENAME=H\r\nDESCRIPTION=TNC\r\nBASICTYPE=1\r\n"
      "[MACHINETYPE]\r\nBLOCKSKIP=\r\nDECIMAL=\r\n");
  const SettingValues& v = heidenhain->Values();
  EXPECT_EQ(v.Text(kCommentStart), ";");
  EXPECT_EQ(v.Text(kBlockSkip), "/");  // empty in the file
  EXPECT_EQ(v.Text(kDecimal), ".");
  EXPECT_EQ(v.Text(kFilterType), "HEIDENHAIN");
  EXPECT_EQ(v.Text(kFilterDll), "ncfilter_h");
  EXPECT_TRUE(heidenhain->IsChanged());

  auto lathe = LoadFile("[GENERAL]\r\nTYPENAME=L\r\nDESCRIPTION=Lathe\r\n[PLANAR]\r\nISTURN=Yes\r\n");
  EXPECT_EQ(lathe->Values().Text(kFilterType), "TURNFANUCA");
  EXPECT_TRUE(lathe->IsTurning());

  auto stored =
      LoadFile(kCurrentHeader + "[INSPECT]\r\nFILTERURI=u\r\nFILTERTYPE=turnhaas\r\nFILTERDLL=lib\r\nTURNPRG=No\r\n");
  EXPECT_FALSE(stored->IsChanged());
  EXPECT_EQ(stored->Values().Text(kFilterDll), "lib");
  EXPECT_TRUE(stored->IsTurning());
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("INSPECT", "TURNPRG"), "Yes");
}

TEST_F(MachineTypeTest, AnOlderColourSectionIsTakenOverOnce) {
  auto type = LoadFile(
      "[GENERAL]\r\nTYPENAME=T1\r\nDESCRIPTION=Mill\r\nVERSION=50000\r\n"
      "[COLORS]\r\nCOUNT=31\r\nUSE=0\r\nFIXCOLOR3=255\r\nUSRCOLOR0=33554560:14:G\r\nUSRCOLOR1=broken\r\n"
      "USRCOLOR30=16711680:15:X\r\nUSRCOLOR31=1:16:beyond the count\r\n");
  EXPECT_TRUE(type->IsChanged());
  EXPECT_EQ(type->Values().Colour(kFixColor, 3), 255u);
  EXPECT_EQ(type->Colours().Entries(), (std::vector<UserColour>{{"G", 33554560, 14}, {"X", 16711680, 15}}));
  type->Save();
  GIniFile ini;
  ini.Open(path);
  EXPECT_FALSE(ini.SectionExists("COLORS"));
  EXPECT_EQ(ini.GetString("GLOBALCOLORLIST", "USRCOLOR1"), "16711680:15:X");
}

TEST_F(MachineTypeTest, OlderAndShortPathsAreCompleted) {
  WriteFile(dir.File("post.js"), "");
  auto type = LoadFile(kCurrentHeader +
                       "[TOOLLIST]\r\nTEMPLATE=C:\\VELMO\\Sys\\Toollist.txt\r\n"
                       "[PLANAR]\r\nDEFAULTPOSTPROCESSORFILENAME=post.js\r\n");
  EXPECT_EQ(type->Values().Text(kTemplate), "/data/ToolList.txt");
  EXPECT_EQ(type->Values().Text(kDefaultPostProcessor), dir.File("post.js"));
  auto own = LoadFile(kCurrentHeader + "[PLANAR]\r\nDEFAULTPOSTPROCESSORFILENAME=missing.js\r\n");
  EXPECT_EQ(own->Values().Text(kDefaultPostProcessor), "missing.js");
}

TEST_F(MachineTypeTest, TheSaverWritesTheAlwaysPartEveryTimeAndTheRestWhenChanged) {
  auto type = LoadFile(kCurrentHeader + "[INSPECT]\r\nFILTERURI=u\r\nFILTERTYPE=MILLFANUC\r\n");
  ASSERT_FALSE(type->IsChanged());
  type->Values().SetBool(kHideAssist, true);
  type->Values().SetText(kPreceedeStr, "O");
  type->Save();
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("GENERAL", "HIDEASSIST"), "Yes");
  EXPECT_EQ(ini.GetString("RENUM", "PRECEEDESTR"), "N");

  type->SetChanged();
  type->Colours().SetEntries({{"G", 0x2808040, 14}, {"M", 0x2008000, 15}});
  type->Save();
  EXPECT_FALSE(type->IsChanged());
  EXPECT_EQ(ini.GetString("RENUM", "PRECEEDESTR"), "O");
  std::string text = ReadFile(path);
  EXPECT_NE(
      text.find("[GLOBALCOLORLIST]\r\n"
                "USE\t\t= 1\r\nINBLOCK\t\t= 1\r\nUSEMODALCOLORS\t= 1\r\nCOUNT\t\t= 2\r\n"
                "FIXCOLOR0\t= 0\r\nFIXCOLOR1\t= 16777215\r\nFIXCOLOR2\t= 65535\r\nFIXCOLOR3\t= 12582912\r\n"
                "FIXCOLOR4\t= 8388608\r\nFIXCOLOR5\t= 192\r\nFIXCOLOR6\t= 49152\r\nFIXCOLOR7\t= 12582912\r\n"
                "FIXCOLOR8\t= 12582912\r\nFIXCOLOR9\t= 14737632\r\nFIXCOLOR10\t= 16711935\r\nFIXCOLOR11\t= 255\r\n"
                "FIXCOLOR12\t= 13421772\r\nFIXCOLOR13\t= 14277081\r\n"
                "USRCOLOR0\t= 41975872:14:G\r\nUSRCOLOR1\t= 33587200:15:M\r\n"),
      std::string::npos)
      << text;
}

// A save whose file became a folder says so, and keeps the type changed, so
// that the next save writes everything again; the macro library goes with it.
TEST_F(MachineTypeTest, ASaveThatCannotWriteTheFileSaysSoAndStaysChanged) {
  auto type = LoadFile(kCurrentHeader + "[MACROINF]\r\nCOUNT=0\r\n");
  type->SetChanged();
  type->Values().SetText(kDescription, "Blocked mill");
  const std::string text = ReadFile(path);
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);
  EXPECT_FALSE(type->Save());
  EXPECT_TRUE(type->IsChanged());
  std::filesystem::remove(path);
  WriteFile(path, text);
  EXPECT_TRUE(type->Save());
  EXPECT_FALSE(type->IsChanged());
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("GENERAL", "DESCRIPTION"), "Blocked mill");
}

TEST_F(MachineTypeTest, ToolListsKeepTheirRecordsAndDropWhatIsNotOne) {
  auto type =
      LoadFile(kCurrentHeader +
               "[INSPECT]\r\nFILTERURI=u\r\nFILTERTYPE=MILLFANUC\r\nTOOLCOUNT=3\r\n"
               "TOOL000=3|12|1|0|END MILL#10|roughing|10|0|0|25|30|60|10|255|HSK63|63|80|10|118|4|||||LIB7|0\r\n"
               "TOOL001=garbage\r\n"
               "TOOL002=3|14|2|0|DRILL|x|8.5|0|118|40|45|90|8.5|65280|ER32|32|60|8.5|118|2|||||LIB9|1\r\n");
  ASSERT_EQ(type->MillTools().Tools().size(), 2u);
  ToolRecord& first = type->MillTools().Tools()[0];
  EXPECT_EQ(first.name, "END MILL#10");
  first.comment = "rough|finish";
  type->MillTools().Tools().pop_back();
  type->Save();
  GIniFile ini;
  ini.Open(path);
  EXPECT_EQ(ini.GetString("INSPECT", "TOOLCOUNT"), "1");
  EXPECT_EQ(ini.GetString("INSPECT", "TOOL000"),
            "3|12|1|0|END MILL#10|rough#finish|10|0|0|25|30|60|10|255|HSK63|63|80|10|118|4|||||LIB7|0");
  EXPECT_FALSE(ini.KeyExists("INSPECT", "TOOL001"));
}

}  // namespace
}  // namespace prefig
