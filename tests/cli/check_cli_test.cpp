// prefig check: each check tripped by a small change to a configuration made
// from the templates, and not tripped by the templates themselves.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

class CheckCli : public ::testing::Test {
 protected:
  test::IsolatedHome home;
  test::TempDir root;
  CheckCli() {
    home.env().Set("LC_ALL", "C");
    EXPECT_EQ(Prefig({"init", "--root", root.path()}).exit_code, 0);
  }
  std::string Type(const char* file) const { return root.File(std::string("TYPES/") + file); }
  void Set(const std::string& file, const char* section, const char* key, const char* value) {
    ASSERT_EQ(Prefig({"ini", "set-raw", file, section, key, value}).exit_code, 0);
  }
  test::ProgramResult Check(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"check", "--root", root.path()};
    args.insert(args.end(), more.begin(), more.end());
    return Prefig(args);
  }
  // The findings of one check, one a line.
  static std::string Findings(const std::string& out, const std::string& check) {
    std::string found;
    for (size_t pos = 0; pos < out.size();) {
      size_t end = out.find('\n', pos);
      std::string line = out.substr(pos, end - pos);
      if (line.ends_with("[" + check + "]")) found += line + "\n";
      pos = end + 1;
    }
    return found;
  }
};

TEST_F(CheckCli, TheTemplatesHaveNoErrors) {
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 0) << result.out << result.err;
  EXPECT_EQ(result.out.find(": error: "), std::string::npos) << result.out;
  EXPECT_EQ(Findings(result.out, "unknown-key"), "");
  EXPECT_EQ(Findings(result.out, "range"), "");
}

TEST_F(CheckCli, CollidingCommentStartRefusedPatternAndSharedExtensionEachWithFileAndLine) {
  std::string mill = Type("ISO Mill.MAC");
  Set(mill, "MACHINETYPE", "COMMENTSTART", "/");
  Set(mill, "MULTICHANNEL", "PRGTRIG", "2:(");
  Set(Type("Formulas.MAC"), "LOADSAVE", "LOADEXT", "FRM,CALC,nc1");
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 1) << result.err;
  EXPECT_EQ(Findings(result.out, "syntax-collision"),
            mill + ":79: error: the comment start \"/\" is the block-skip text [syntax-collision]\n");
  EXPECT_EQ(Findings(result.out, "channel-pattern"),
            mill + ":293: error: PRGTRIG \"2:(\": Unmatched ( or \\( [channel-pattern]\n");
  EXPECT_NE(result.out.find(Type("Formulas.MAC") + ":31: warning: the extension \"nc1\" is also the one of " + mill +
                            " [extension-claimed]\n"),
            std::string::npos)
      << result.out;

  // Only the chosen type, and none of the checks across types.
  test::ProgramResult one = Check({"--type", "Formulas"});
  EXPECT_EQ(one.exit_code, 0) << one.out;
  EXPECT_EQ(one.out.find("[extension-claimed]"), std::string::npos);
  EXPECT_EQ(Check({"--type", "nothing"}).exit_code, 1);
}

TEST_F(CheckCli, SyntaxCharactersThatCollide) {
  std::string lathe = Type("ISO Lathe.MAC");
  Set(lathe, "MACHINETYPE", "DECIMAL", "(");
  Set(lathe, "MACHINETYPE", "MLCENABLED", "Yes");
  Set(lathe, "MACHINETYPE", "MLCSTART", "(*");
  std::string found = Findings(Check().out, "syntax-collision");
  EXPECT_NE(found.find(lathe + ":79: error: the comment start \"(\" is the decimal character"), std::string::npos)
      << found;
  EXPECT_NE(found.find("error: the multi-line comment start \"(*\" begins with the comment start \"(\""),
            std::string::npos)
      << found;
  Set(lathe, "MACHINETYPE", "DECIMAL", ".");
  Set(lathe, "MACHINETYPE", "MLCSTART", "/*");
  EXPECT_EQ(Findings(Check().out, "syntax-collision"), "");
}

TEST_F(CheckCli, PatternsTheEngineRefusesAndTheirFix) {
  std::string heidenhain = Type("HEIDENHAIN.MAC");
  Set(heidenhain, "TOOLLIST", "PREFIX", "2:T[0-9");
  Set(heidenhain, "MULTICHANNEL", "SYNCTRIG", "2:M(200");
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(Findings(result.out, "tool-prefix").find("error: tool-list prefix \"2:T[0-9\": "), std::string::npos)
      << result.out;
  EXPECT_NE(Findings(result.out, "channel-pattern").find("error: SYNCTRIG \"2:M(200\": "), std::string::npos);
  Set(heidenhain, "TOOLLIST", "PREFIX", "2:T[0-9]");
  Set(heidenhain, "MULTICHANNEL", "SYNCTRIG", "1:M");
  EXPECT_EQ(Check().exit_code, 0);
}

TEST_F(CheckCli, ToolScanWordsThePageWouldRefuse) {
  std::string mill = Type("ISO Mill.MAC");
  Set(mill, "TOOLSCAN", "TOOLLINETRIGGER", "TOOL1");
  Set(mill, "TOOLSCAN", "TYPEDRILL", "5\" DRILL");
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 1);
  std::string found = Findings(result.out, "tool-scan");
  EXPECT_NE(found.find(": error: TOOLLINETRIGGER \"TOOL1\": The tool line trigger may contain letters only."),
            std::string::npos)
      << result.out;
  EXPECT_NE(found.find(": error: TYPEDRILL \"5\" DRILL\": A tool type word must not contain a double quote."),
            std::string::npos)
      << found;
  Set(mill, "TOOLSCAN", "TOOLLINETRIGGER", "TOOL");
  Set(mill, "TOOLSCAN", "TYPEDRILL", "DRILL 2");
  EXPECT_EQ(Findings(Check().out, "tool-scan"), "");
}

TEST_F(CheckCli, FiveAxisRecordsNcFiltersAndFilesOfAType) {
  std::string haas = Type("Haas Milling.MAC");
  Set(haas, "INSPECT", "CFG5AXIS", "1$broken");
  Set(haas, "INSPECT", "FILTERTYPE", "NOSUCHCONTROL");
  Set(haas, "PLANAR", "DEFAULTPOSTPROCESSORFILENAME", (root.path() + "/post.js").c_str());
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 1);
  EXPECT_NE(Findings(result.out, "five-axis").find(haas + ":"), std::string::npos) << result.out;
  EXPECT_NE(Findings(result.out, "five-axis").find("error: CFG5AXIS is not a 5-axis machine record"),
            std::string::npos);
  EXPECT_NE(Findings(result.out, "nc-filter").find("error: the NC filter \"NOSUCHCONTROL\" is no entry"),
            std::string::npos)
      << result.out;
  EXPECT_NE(Findings(result.out, "missing-file").find("warning: DEFAULTPOSTPROCESSORFILENAME: no file"),
            std::string::npos);

  // The default record with its tool direction zeroed.
  Set(haas, "INSPECT", "CFG5AXIS",
      "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2$"
      "0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$"
      "0.0000000$0.0000000$0");
  Set(haas, "INSPECT", "FILTERTYPE", "MILLHAAS");
  test::WriteFile(root.File("post.js"), "");
  result = Check();
  std::string zero = Findings(result.out, "five-axis");
  EXPECT_TRUE(zero.starts_with(haas + ":")) << zero;
  EXPECT_TRUE(zero.ends_with(": error: the 5-axis machine \"DMU-70\" has a zero direction vector [five-axis]\n"));
  EXPECT_EQ(Findings(result.out, "nc-filter"), "");
  EXPECT_EQ(Findings(result.out, "missing-file"), "");
}

TEST_F(CheckCli, NamesDescriptionsAndLoadOrderAcrossTypes) {
  std::string text = Type("TEXTFILE.MAC");
  Set(text, "GENERAL", "TYPENAME", "464F524D");
  Set(text, "GENERAL", "DESCRIPTION", "formulas");
  Set(text, "GENERAL", "LOADORDER", "9");
  test::ProgramResult result = Check();
  EXPECT_EQ(result.exit_code, 1);
  std::string found = Findings(result.out, "duplicate-type");
  EXPECT_NE(found.find("error: TYPENAME \"464F524D\" is also the one of "), std::string::npos) << result.out;
  EXPECT_NE(found.find("error: the description \"formulas\" is also the one of "), std::string::npos);
  EXPECT_EQ(Findings(result.out, "load-order"),
            Type("Formulas.MAC") +
                ":8: warning: LOADORDER 7 follows 5: the list is renumbered from 1 without gaps [load-order]\n" + text +
                ":8: warning: LOADORDER 9 follows 7: the list is renumbered from 1 without gaps [load-order]\n");
  Set(text, "GENERAL", "LOADORDER", "6");
  EXPECT_EQ(Findings(Check().out, "load-order"), "");
}

TEST_F(CheckCli, ConfigPathsThatReferToThemselvesOrCannotBeMade) {
  test::WriteFile(root.File("ConfigPaths.cfg"), "# paths\r\nCFG = %ROOTDIR%/CFG\r\nLOG = %LOG%/x\r\n");
  test::ProgramResult result = Check();
  EXPECT_EQ(Findings(result.out, "config-paths"),
            root.File("ConfigPaths.cfg") + ":3: error: LOG refers to itself [config-paths]\n")
      << result.out << result.err;
  test::WriteFile(root.File("ConfigPaths.cfg"), "DATA = %LOG%/data\r\nLOG = %TOOLLIBS%/x\r\nTOOLLIBS = %DATA%\r\n");
  EXPECT_NE(Findings(Check().out, "config-paths")
                .find(root.File("ConfigPaths.cfg") + ":1: error: DATA refers to itself through LOG, TOOLLIBS"),
            std::string::npos);
  test::WriteFile(root.File("blocker"), "a file, not a folder");
  test::WriteFile(root.File("ConfigPaths.cfg"), "CFG = %ROOTDIR%/CFG\r\nLOG = %ROOTDIR%/blocker/log\r\n");
  EXPECT_EQ(Findings(Check().out, "config-paths"), root.File("ConfigPaths.cfg") + ":2: error: LOG: the folder " +
                                                       root.File("blocker/log") +
                                                       " cannot be created [config-paths]\n");
}

TEST_F(CheckCli, TheDncFileIsCheckedAgainstItsOwnSettings) {
  std::string dnc = root.File("CFG/DNCClient.ini");
  test::WriteFile(dnc, "[CLIENT]\r\nSHOWLOG=Yes\r\nSHOWLOGG=Yes\r\n");
  EXPECT_EQ(Findings(Check().out, "unknown-key"),
            dnc + ":3: warning: unknown key SHOWLOGG in [CLIENT] (a typing error?) [unknown-key]\n");
}

// What the store reads of a hand-edited main file, and --fix writing back
// only what the loader would, every other byte kept.
TEST_F(CheckCli, FixWritesTheLoadersRepairsAndNothingElse) {
  std::string main_ini = root.File("CFG/Prefig.ini");
  std::string text = test::ReadFile(main_ini);
  size_t system = text.find("[SYSTEM]\r\n");
  ASSERT_NE(system, std::string::npos);
  size_t tab = text.find("TABCHARS\t= 8\r\n", system);
  ASSERT_NE(tab, std::string::npos);
  std::string before = text.substr(0, tab), after = text.substr(tab + 14);
  test::WriteFile(main_ini, before + "TABCHARS\t= 500\r\n  ; kept as it is\r\ntabchars = 4\r\nTABCHRS=3\r\n" + after);

  test::ProgramResult check = Check();
  EXPECT_EQ(check.exit_code, 0);
  EXPECT_EQ(Findings(check.out, "range"),
            main_ini + ":" + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
                ": warning: TABCHARS=500 is not a number in 1..50; the loader uses 50 [range]\n");
  EXPECT_NE(Findings(check.out, "duplicate-key").find("warning: tabchars is written again in [SYSTEM]"),
            std::string::npos);
  EXPECT_NE(Findings(check.out, "unknown-key").find("warning: unknown key TABCHRS in [SYSTEM]"), std::string::npos);

  test::ProgramResult fix = Check({"--fix"});
  EXPECT_EQ(fix.exit_code, 0) << fix.err;
  EXPECT_NE(fix.out.find(": note: fixed: TABCHARS=50 written [range]\n"), std::string::npos) << fix.out;
  EXPECT_NE(fix.out.find(": note: fixed: the duplicate key removed [duplicate-key]\n"), std::string::npos);
  EXPECT_EQ(test::ReadFile(main_ini), before + "TABCHARS\t= 50\r\n  ; kept as it is\r\nTABCHRS=3\r\n" + after);
  EXPECT_EQ(Findings(Check({"--fix"}).out, "range"), "");

  test::WriteFile(main_ini, "[SYSTEM]\r\ngarbage\r\n[bad\r\nTABCHARS=4\r\n[system]\r\nTABCHARS=5\r\n");
  check = Check();
  EXPECT_EQ(check.exit_code, 1);
  EXPECT_EQ(Findings(check.out, "ini-syntax"),
            main_ini + ":2: error: a line that is neither a section header, a key nor a comment [ini-syntax]\n" +
                main_ini + ":3: error: a section header the store cannot read; its keys are never read [ini-syntax]\n");
  EXPECT_EQ(Findings(check.out, "duplicate-section"),
            main_ini + ":5: warning: [system] is written again; its keys here are never read [duplicate-section]\n");
  EXPECT_EQ(Findings(check.out, "duplicate-key"), "");
}

}  // namespace
}  // namespace prefig
