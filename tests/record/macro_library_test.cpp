// The macro library of a machine type: loading with its parameter
// references, the stored form written back, groups, favourites, views, and
// files that hold more or less than they should.
#include "record/macro_library.h"

#include <gtest/gtest.h>

#include "context/message_ids.h"
#include "ini/ini_file.h"
#include "module/module_state.h"
#include "record/machine_type.h"
#include "schema/macro_library.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using namespace schema;
using test::ReadFile;
using test::WriteFile;

// The banner line that the store writes above a section it appends.
std::string Banner(const std::string& section) {
  std::string line = "## " + section + " ";
  return line + std::string(79 - line.size(), '#') + "\r\n";
}

std::string Appended(const std::string& section) { return "\r\n" + Banner(section) + "\r\n[" + section + "]\r\n"; }

const std::string kProbe = Appended("INIFILEVERSION") + "VERSION\t\t= 200\r\n";

class MacroLibraryTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string path = dir.File("Type.mac");
  GIniFile ini;
  GMacroLibrary library;
  MacroLoadContext context{.translate = {}, .default_group_name = "General"};

  GMacroLibrary& Load(const std::string& text) {
    WriteFile(path, text);
    ini.Open(path);
    library.Load(ini, context);
    return library;
  }
  std::string Parameters(const Macro& macro) {
    std::string out;
    for (size_t i = 0; i < macro.parameters.size(); ++i) {
      const MacroFields& f = macro.parameters[i].fields;
      out +=
          std::to_string(i + 1) + ":" + f.Text(kParameterDescription) + (f.Bool(kParameterIsFunction) ? "@" : "") + " ";
    }
    return out;
  }
};

TEST_F(MacroLibraryTest, OnlyReferencedParametersStayNumberedFromOneAndTheLinesFollow) {
  Load(
      "[MACROINF]\r\nCOUNT=1\r\n[MACRO000]\r\nNAME=Drill\r\nTEXT=G81 Z$2 R@5\xFFG80 (depth $2)\xFF#101=$9\r\n"
      "PARAMCOUNT=5\r\n000DESC=One\r\n001DESC=Depth\r\n002DESC=Three\r\n003DESC=Four\r\n004DESC=Retract\r\n"
      "004DEFAULT=2.5\r\n");
  ASSERT_EQ(library.Macros().size(), 1u);
  const Macro& drill = library.Macros()[0];
  EXPECT_EQ(Parameters(drill), "1:Depth 2:Retract@ ");
  EXPECT_EQ(drill.parameters[1].fields.Text(kParameterDefault), "2.5");
  EXPECT_EQ(drill.lines, (std::vector<std::string>{"G81 Z$1 R@2", "G80 (depth $1)", "#101=$9"}))
      << "a reference to a parameter the macro lacks stays as written";

  Load(
      "[MACROINF]\r\nCOUNT=1\r\n[MACRO000]\r\nNAME=Both\r\nTEXT=$1 @1 $3\r\nPARAMCOUNT=3\r\n"
      "000DESC=A\r\n001DESC=B\r\n001ISFUNC=Yes\r\n002DESC=C\r\n002ISFUNC=Yes\r\n");
  EXPECT_EQ(Parameters(library.Macros()[0]), "1:A@ 2:C@ ") << "ISFUNC is kept where the file sets it";
  EXPECT_EQ(library.Macros()[0].lines, std::vector<std::string>{"$1 @1 $2"});
}

TEST_F(MacroLibraryTest, MissingSectionsAreSkippedWithoutBeingCreated) {
  Load("[MACROINF]\r\nCOUNT=1024\r\nCURRENT=5\r\n[MACRO007]\r\nNAME=Seven\r\n");
  ASSERT_EQ(library.Macros().size(), 1u);
  EXPECT_EQ(library.Current(), 1) << "CURRENT is clamped to the number loaded";
  ini.Flush();
  EXPECT_EQ(ReadFile(path).find("[MACRO000]"), std::string::npos);
}

TEST_F(MacroLibraryTest, TextIsSplitAtEveryJointIntoAtMost2048Lines) {
  EXPECT_EQ(SplitMacroText(""), std::vector<std::string>{""});
  EXPECT_EQ(SplitMacroText("a\xFF\xFF"
                           "b\xFF"),
            (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(JoinMacroLines({"a", "", "b", ""}),
            "a\xFF\xFF"
            "b\xFF");
  EXPECT_EQ(SplitMacroText(std::string(3000, '\xFF')).size(), 2048u) << "lines past 2048 are not kept";
}

TEST_F(MacroLibraryTest, AChangedLibraryIsWrittenWholeInTheOrderOfItsKeys) {
  Load("[MACROINF]\r\nCOUNT=2\r\nCURRENT=0\r\n[MACRO000]\r\nNAME=Old\r\n[MACRO001]\r\nNAME=Gone\r\n");
  Macro& macro = library.Macros()[0];
  macro.fields.Set(kMacroName, std::string("Pocket"));
  macro.fields.Set(kMacroGroup, 1);
  macro.lines = {"G0 X$1", " (end)"};
  macro.parameters.resize(1);
  macro.parameters[0].fields.Set(kParameterDescription, std::string("Width"));
  macro.parameters[0].fields.Set(kParameterDecimals, 3);
  library.Macros().resize(1);
  library.Groups() = {"General", "Pockets"};
  library.SetCurrent(0);
  library.SetChanged();
  library.Save(ini);
  ini.Flush();

  // The sections of the macros and the groups are written anew at the end;
  // the favourites, which loading completed, did not change.
  const std::string expected = "[MACROINF]\r\nCOUNT= 1\r\nCURRENT=0\r\n" + kProbe + Appended("FAVORITE") +
                               "COUNT\t\t= 0\r\n" + Appended("MACRO000") +
                               "NAME\t\t= Pocket\r\n"
                               "PICTURE\t\t= \r\n"
                               "ATTACHMENT\t= \r\n"
                               "HIDEFORMULAS\t= No\r\n"
                               "GROUPID\t\t= 1\r\n"
                               "TEXT\t\t= G0 X$1\xFF (end)\r\n"
                               "PARAMCOUNT\t= 1\r\n"
                               "000DESC\t\t= Width\r\n"
                               "000REQUIRED\t= No\r\n"
                               "000ISFUNC\t= No\r\n"
                               "000USESIGN\t= No\r\n"
                               "000UPPERCASE\t= Yes\r\n"
                               "000ALLOWNEG\t= Yes\r\n"
                               "000NOEMPTYLINE\t= No\r\n"
                               "000ALLOWALPHA\t= No\r\n"
                               "000REMEBER\t= Yes\r\n"
                               "000DEFAULT\t= \r\n"
                               "000PREFIX\t= \r\n"
                               "000SUFFIX\t= \r\n"
                               "000MIN\t\t= \r\n"
                               "000MAX\t\t= \r\n"
                               "000DECIMALS\t= 3\r\n"
                               "000DIGITS\t= 0\r\n"
                               "000LASTVAL\t= \r\n"
                               "000INPUTORDER\t= 0\r\n"
                               "000PARAMPICTURE\t= \r\n"
                               "000COMBOBOXENABLED= No\r\n"
                               "000COMBOBOXCFG\t= \r\n" +
                               Appended("MACROGRP") +
                               "COUNT\t\t= 2\r\n"
                               "GRP000\t\t= General\r\n"
                               "GRP001\t\t= Pockets\r\n";
  EXPECT_EQ(ReadFile(path), expected);

  GIniFile again;
  again.Open(path);
  GMacroLibrary reloaded;
  reloaded.Load(again, context);
  ASSERT_EQ(reloaded.Macros().size(), 1u);
  EXPECT_EQ(reloaded.Macros()[0].lines, macro.lines);
  EXPECT_EQ(reloaded.Macros()[0].Group(), 1);
  EXPECT_EQ(reloaded.Groups(), (std::vector<std::string>{"General", "Pockets"}));
}

TEST_F(MacroLibraryTest, ReadingInOnePassAnswersAsReadingKeyByKeyForOddFiles) {
  const std::vector<std::string> texts = {
      "[MACROINF]\r\nCOUNT=3\r\n[macro000]\r\nname=lower\r\nText=$1\r\nparamcount=1\r\n000desc=d\r\n"
      "[MACRO000]\r\nNAME=second header\r\n[MACRO001]\r\nNAME=A\r\nNAME=B\r\nTEXT=$2 @1\r\nPARAMCOUNT=2\r\n"
      "001DESC=first\r\n001desc=second\r\n1DESC=x\r\n0001DESC=y\r\n060DESC=z\r\n",
      "NAME=before any section\r\n[MACROINF]\r\nCOUNT=2\r\n[MACRO0001]\r\nNAME=wrong number\r\n[MACRO001\r\n"
      "NAME=broken header\r\n[MACRO000]\r\n  NAME  =  \"  quoted  \"  \r\nGROUPID=99\r\nPARAMCOUNT=61\r\n"
      "TEXT=@60 $59\r\n058DECIMALS=-3\r\n058DIGITS=10\r\n059REQUIRED=maybe\r\n059ISFUNC=1\r\n059LASTVAL=\r\n",
  };
  for (const std::string& text : texts) {
    SCOPED_TRACE(text);
    std::string results[2], files[2];
    for (bool one_pass : {false, true}) {
      std::string file = dir.File(one_pass ? "one.mac" : "plain.mac");
      WriteFile(file, text);
      GIniFile odd;
      odd.Open(file);
      GMacroLibrary loaded;
      loaded.Load(odd, MacroLoadContext{.translate = {}, .default_group_name = "G", .one_pass = one_pass});
      odd.Flush();
      for (const Macro& macro : loaded.Macros()) {
        results[one_pass] += macro.Name() + "/" + std::to_string(macro.Group()) + "/" + JoinMacroLines(macro.lines) +
                             "/" + Parameters(macro) + "\n";
        for (const MacroParameter& p : macro.parameters) {
          results[one_pass] += std::to_string(p.fields.Int(kParameterDecimals)) +
                               std::to_string(p.fields.Int(kParameterDigits)) + p.fields.Text(kParameterLastValue);
        }
      }
      files[one_pass] = ReadFile(file);
    }
    EXPECT_FALSE(results[0].empty());
    EXPECT_EQ(results[1], results[0]);
    EXPECT_EQ(files[1], files[0]);
  }
}

TEST_F(MacroLibraryTest, EnteredValuesGoWhereTheFileHoldsTheParameter) {
  // The first section has no name, and the first parameter of the second is
  // dropped: the loaded macro 0, parameter 1 is MACRO001, 001 in the file.
  const std::string before =
      "[MACROINF]\r\nCOUNT=2\r\nCURRENT=0\r\n[MACRO000]\r\nNAME=\r\n"
      "[MACRO001]\r\nNAME=Tap\r\nTEXT=M29 S$2\r\nPARAMCOUNT=2\r\n000DESC=Unused\r\n"
      "000LASTVAL=keep\r\n001DESC=Speed\r\n001LASTVAL=100\r\n";
  Load(before);
  ini.Flush();
  std::string loaded = ReadFile(path);
  library.SetLastValue(0, 1, "250");
  library.SetLastValue(0, 2, "no such parameter");
  library.SetLastValue(5, 1, "no such macro");
  library.Save(ini);
  ini.Flush();
  std::string expected = loaded;
  expected.replace(expected.find("001LASTVAL=100"), 14, "001LASTVAL= 250");
  EXPECT_EQ(ReadFile(path), expected);
  EXPECT_FALSE(library.Macros()[0].values_changed);
}

TEST_F(MacroLibraryTest, NamesAndPromptsAreTranslatedAndWrittenBack) {
  context.translate = [](std::string_view text) { return text == "Bohren" ? "Drill" : text == "Tiefe" ? "Depth" : ""; };
  Load(
      "[MACROINF]\r\nCOUNT=1\r\n[MACRO000]\r\nNAME=Bohren\r\nTEXT=$1$2\r\nPARAMCOUNT=2\r\n000DESC=Tiefe\r\n"
      "001DESC=Vorschub\r\n");
  EXPECT_EQ(Parameters(library.Macros()[0]), "1:Depth 2:Vorschub ");
  ini.Flush();
  EXPECT_NE(ReadFile(path).find("NAME= Drill\r\n"), std::string::npos);
}

TEST_F(MacroLibraryTest, GroupsFavouritesAndTheDatabaseMarker) {
  Load(
      "[MACROINF]\r\nCOUNT=2\r\n[MACRO000]\r\nNAME=A\r\nTEXT=X$DB\r\n[MACRO001]\r\nNAME=B\r\nPARAMCOUNT=1\r\n"
      "000DEFAULT=$DB.ID\r\nTEXT=$1\r\n");
  EXPECT_TRUE(library.Macros()[0].uses_database);
  EXPECT_TRUE(library.Macros()[1].uses_database);
  EXPECT_EQ(library.Groups(), std::vector<std::string>{"General"});

  Load(
      "[MACROINF]\r\nCOUNT=2\r\n[MACRO000]\r\nNAME=A\r\n[MACRO001]\r\nNAME=B\r\n"
      "[MACROGRP]\r\nCOUNT=2\r\nGRP000=Drilling\r\nGRP001=Milling\r\n"
      "[FAVORITE]\r\nCOUNT=4\r\nFAVGROUP0=1\r\nFAVMAC0=1\r\nFAVGROUP1=0\r\nFAVMAC1=2\r\nFAVMAC2=-1\r\n"
      "FAVGROUP3=0\r\nFAVMAC3=0\r\n");
  EXPECT_EQ(library.Groups(), (std::vector<std::string>{"Drilling", "Milling"}));
  EXPECT_EQ(library.Favourites(), (std::vector<MacroFavourite>{{1, 1}, {0, 0}}))
      << "favourites of macros that are not there are dropped";
  library.Save(ini);
  ini.Flush();
  std::string text = ReadFile(path);
  EXPECT_EQ(text.substr(text.find("[FAVORITE]")),
            "[FAVORITE]\r\nCOUNT\t\t= 2\r\nFAVGROUP0\t= 1\r\nFAVMAC0\t\t= 1\r\nFAVGROUP1\t= 0\r\nFAVMAC1\t\t= 0\r\n");

  library.Save(ini);
  ini.Flush();
  EXPECT_EQ(ReadFile(path), text) << "unchanged favourites stay where they are";
}

TEST_F(MacroLibraryTest, SortedViews) {
  Load(
      "[MACROINF]\r\nCOUNT=4\r\n[MACRO000]\r\nNAME=drill\r\nGROUPID=1\r\n[MACRO001]\r\nNAME=Bore\r\nGROUPID=1\r\n"
      "[MACRO002]\r\nNAME=Chamfer\r\nGROUPID=0\r\n[MACRO003]\r\nNAME=Align\r\nGROUPID=1\r\n");
  EXPECT_EQ(library.ByName(), (std::vector<int>{3, 1, 2, 0}));
  EXPECT_EQ(library.ByGroup(), (std::vector<int>{2, 3, 1, 0}));
  EXPECT_EQ(library.ByGroupAndPosition(), (std::vector<int>{2, 0, 1, 3}));
}

TEST_F(MacroLibraryTest, AMachineTypeLoadsItsMacrosInItsLanguageWithTheDefaultGroupOfTheMessages) {
  std::vector<const char*> table(kMessageIdLimit, nullptr);
  table[kMarkerMessageId] = "***";
  table[kDefaultMacroGroupMessageId] = "Allgemein";
  Module() = ModuleState{};
  InitModule(table.data());
  WriteFile(path,
            "[GENERAL]\r\nTYPENAME=T\r\nDESCRIPTION=D\r\nLANGUAGE=de-DE\r\nVERSION=80402\r\n"
            "[MACROINF]\r\nCOUNT=1\r\n[MACRO000]\r\nNAME=Bohren\r\nTEXT=$1\r\nPARAMCOUNT=1\r\n000DESC=Tiefe\r\n");
  TypeContext type_context;
  type_context.load.language = "en-US";
  std::vector<std::string> asked;
  type_context.translate = [&](std::string_view text, std::string_view language) {
    asked.push_back(std::string(text) + "/" + std::string(language));
    return std::string();
  };
  GMachineType type(path);
  ASSERT_TRUE(type.Load(type_context));
  Module() = ModuleState{};
  EXPECT_EQ(asked, (std::vector<std::string>{"D/de-DE", "Bohren/de-DE", "Tiefe/de-DE"}));
  EXPECT_EQ(type.Macros().Groups(), std::vector<std::string>{"Allgemein"});
  EXPECT_EQ(type.Macros().Macros()[0].Name(), "Bohren");
}

}  // namespace
}  // namespace prefig
