// prefig page: every page as text, edits as a user makes them, and OK
// writing exactly what the dialog writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "support/page_cli_test_base.h"

namespace prefig {
namespace {

using test::Prefig;
namespace fs = std::filesystem;

const std::string kGoldenPath = std::string(PREFIG_SOURCE_DIR) + "/tests/cli/data/page_show_golden.txt";

// Every file under a folder with its bytes.
// A head-head machine of type 0 (A+ C+, L1 300) as the host hands it over.
constexpr const char* kHostMachine =
    "1$Host$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$300.0000000$110.0000000$-110.0000000$1$0$2"
    "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
    "$1.0000000$3";

using PageCli = test::PageCliTest;

// The show output of every page of the tree, byte for byte.
TEST_F(PageCli, ShowOfEveryPageMatchesTheGoldenFile) {
  test::ProgramResult list = Page({"list"});
  ASSERT_EQ(list.exit_code, 0) << list.err;
  EXPECT_EQ(
      list.out.rfind("1\tGeneral\tDGlobal\n2\tEditor\tDEditor\n3\tPrinter\tDPrinter\n4\tMachine types\tDMch\n", 0), 0u)
      << list.out;
  const auto before = test::ConfigurationFiles(root.path());
  std::string dump;
  std::istringstream lines(list.out);
  for (std::string line; std::getline(lines, line);) {
    std::string class_name = line.substr(line.rfind('\t') + 1);
    test::ProgramResult show = Page({"show", class_name, "--type", "ISO Milling"});
    ASSERT_EQ(show.exit_code, 0) << class_name << ": " << show.err;
    // Paths under the configuration (the tool list's template) name it ROOT.
    for (size_t at; (at = show.out.find(root.path())) != std::string::npos;) {
      show.out.replace(at, root.path().size(), "ROOT");
    }
    dump += "== " + class_name + "\n" + show.out;
  }
  // The dialogs that are no page of the tree: the 5-axis machines of the
  // templates, and the paths of a configuration without ConfigPaths.cfg.
  for (const char* dialog : {"5axis", "paths"}) {
    test::ProgramResult show = Page({"show", dialog});
    ASSERT_EQ(show.exit_code, 0) << dialog << ": " << show.err;
    dump += std::string("== ") + dialog + "\n" + show.out;
  }
  EXPECT_EQ(test::ConfigurationFiles(root.path()), before) << "show changed a file";
  std::string golden = test::ReadFile(kGoldenPath);
  if (dump != golden && std::getenv("PREFIG_UPDATE_GOLDEN")) {
    test::WriteFile(kGoldenPath, dump);
    GTEST_SKIP() << "golden file rewritten";
  }
  EXPECT_EQ(dump, golden) << "a page changed; review the difference and run the test with "
                             "PREFIG_UPDATE_GOLDEN=1 to accept it";
}

TEST_F(PageCli, PagesAreNamedByClassNumberOrTitleAndSeeTheirEdits) {
  std::string by_class = Page({"show", "DGlobal"}).out;
  EXPECT_EQ(Page({"show", "1"}).out, by_class);
  EXPECT_EQ(Page({"show", "General"}).out, by_class);
  // An enable rule follows the edit, in the order given; Default first.
  std::string edited =
      Page({"show", "1", "TABCHARS=4", "--click", "SYSTEM/SHUTDOWNTIMEOUTENABLED", "SHUTDOWNTIMEOUT=30"}).out;
  EXPECT_NE(edited.find("SYSTEM/TABCHARS\tspin\t4\tenabled modified\n"), std::string::npos) << edited;
  EXPECT_NE(edited.find("SYSTEM/SHUTDOWNTIMEOUT\tspin\t30\tenabled modified\n"), std::string::npos) << edited;
  std::string reset = Page({"show", "1", "TABCHARS=4", "--defaults"}).out;
  EXPECT_NE(reset.find("SYSTEM/TABCHARS\tspin\t8\tenabled\n"), std::string::npos);
  EXPECT_EQ(Page({"show", "DNoSuchPage"}).exit_code, 2);
}

TEST_F(PageCli, SetChangesExactlyTheEditedLine) {
  const auto before = test::ConfigurationFiles(root.path());
  test::ProgramResult set = Page({"set", "1", "SYSTEM/TABCHARS=4"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  auto expected = before;
  std::string& main_ini = expected["CFG/Prefig.ini"];
  size_t line = main_ini.find("TABCHARS\t= 8\r\n");
  ASSERT_NE(line, std::string::npos);
  main_ini.replace(line, 14, "TABCHARS\t= 4\r\n");
  EXPECT_EQ(test::ConfigurationFiles(root.path()), expected);
}

TEST_F(PageCli, MachineTypePagesWriteTheChosenTypesFile) {
  const auto before = test::ConfigurationFiles(root.path());
  ASSERT_EQ(Page({"set", "DMchFilecompare", "--type", "Heidenhain", "FILECOMPARE/SHOWALL=on"}).exit_code, 0);
  auto after = test::ConfigurationFiles(root.path());
  for (const auto& [file, text] : before) {
    if (file != "TYPES/HEIDENHAIN.MAC") {
      EXPECT_EQ(after[file], text) << file;
    }
  }
  EXPECT_NE(after["TYPES/HEIDENHAIN.MAC"].find("SHOWALL\t\t= Yes\r\n"), std::string::npos);
}

// Two entries "G" and "G0" in that order: the file holds the editor's
// lookup order (the longer text first), the page still the user's order.
TEST_F(PageCli, SyntaxColoursStoreTheLookupOrderAndShowTheUsersOrder) {
  test::ProgramResult set = Page({"set", "DMchColors", "--type", "ISO Milling", "--defaults", "--click", "#1282",
                                  "#1280=G", "--click", "#1282", "#1280=G0"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  std::string file = test::ReadFile(root.File("TYPES/ISO Mill.MAC"));
  size_t section = file.find("[GLOBALCOLORLIST]\r\n");
  ASSERT_NE(section, std::string::npos);
  EXPECT_EQ(file.substr(section),
            "[GLOBALCOLORLIST]\r\nUSE\t\t= 1\r\nINBLOCK\t\t= 1\r\nUSEMODALCOLORS\t= 1\r\nCOUNT\t\t= 2\r\n"
            "FIXCOLOR0\t= 0\r\nFIXCOLOR1\t= 16777215\r\nFIXCOLOR2\t= 65535\r\nFIXCOLOR3\t= 12582912\r\n"
            "FIXCOLOR4\t= 8388608\r\nFIXCOLOR5\t= 192\r\nFIXCOLOR6\t= 49152\r\nFIXCOLOR7\t= 12582912\r\n"
            "FIXCOLOR8\t= 12582912\r\nFIXCOLOR9\t= 14737632\r\nFIXCOLOR10\t= 16711935\r\nFIXCOLOR11\t= 255\r\n"
            "FIXCOLOR12\t= 13421772\r\nFIXCOLOR13\t= 14277081\r\nUSRCOLOR0\t= 0:15:G0\r\nUSRCOLOR1\t= 0:14:G\r\n");
  std::string shown = Page({"show", "DMchColors", "--type", "ISO Milling"}).out;
  EXPECT_NE(shown.find(" | #D9D9D9 Column indicator | #000000 G | #000000 G0\tenabled\n"), std::string::npos) << shown;
}

// The host's machine is added to the list as a user machine; a second one
// is added from it with the name prompt; OK writes both and hands back the
// selected one.
TEST_F(PageCli, FiveAxisOkWritesTheUsersMachinesAndPrintsTheChosenOne) {
  auto expected = test::ConfigurationFiles(root.path());
  test::ProgramResult set = Page(
      {"set", "5axis", "--current", kHostMachine, "L1=250", "--click", "#448", "--answer", " Second ", "axis1.box=B-"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  const std::string second =
      "1$Second$1$0$1$0.0000000$-1.0000000$0.0000000$0.0000000$0.0000000$250.0000000$110.0000000$-110.0000000$1$0$2"
      "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
      "$1.0000000$3$0";
  EXPECT_EQ(set.out, second + "\n");
  expected["TYPES/User5Axis.cfg"] =
      second + "\r\n" +
      "1$Host$1$0$0$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$250.0000000$110.0000000$-110.0000000$1$0$2"
      "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000$0.0000000"
      "$1.0000000$3$0\r\n";
  EXPECT_EQ(test::ConfigurationFiles(root.path()), expected);
}

// The default record is type 8 (B+ on a 45° table, L1 155); as type 4 the B
// axis tilts the head about y at L1 above the table, which turns about z.
TEST_F(PageCli, FiveAxisTypeChangeGivesTheRecordOfTheTypeRules) {
  const std::string kDefaultRecord =
      "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2"
      "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000"
      "$0.0000000$1.0000000$0";
  test::ProgramResult shown = Page({"show", "5axis", "--current", kDefaultRecord});
  ASSERT_EQ(shown.exit_code, 0) << shown.err;
  EXPECT_NE(shown.out.find("Table/table: 45° table on rotary table C"), std::string::npos) << shown.out;

  test::ProgramResult set =
      Page({"set", "5axis", "--current", kDefaultRecord, "type=Head/table: tilting head, rotary table C"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  std::vector<std::string> fields;
  std::stringstream line(set.out.substr(0, set.out.find('\n')));
  for (std::string field; std::getline(line, field, '$');) fields.push_back(field);
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"tag", "1"},
      {"name", "DMU-70"},
      {"axis 1 used", "1"},
      {"axis 1 on the table (no: the head tilts)", "0"},
      {"axis 1 letter B", "1"},
      {"axis 1 direction x", "0.0000000"},
      {"axis 1 direction y (B+ along y)", "1.0000000"},
      {"axis 1 direction z", "0.0000000"},
      {"axis 1 offset x", "0.0000000"},
      {"axis 1 offset y", "0.0000000"},
      {"axis 1 offset z (L1)", "155.0000000"},
      {"axis 1 maximum (kept)", "180.0000000"},
      {"axis 1 minimum (kept)", "0.0000000"},
      {"axis 2 used", "1"},
      {"axis 2 on the table", "1"},
      {"axis 2 letter C", "2"},
      {"axis 2 direction x", "0.0000000"},
      {"axis 2 direction y", "0.0000000"},
      {"axis 2 direction z (C+)", "1.0000000"},
      {"axis 2 offset x", "0.0000000"},
      {"axis 2 offset y", "0.0000000"},
      {"axis 2 offset z", "0.0000000"},
      {"axis 2 minimum (kept)", "-99999.0000000"},
      {"axis 2 maximum (kept)", "99999.0000000"},
      {"tool x", "0.0000000"},
      {"tool y", "0.0000000"},
      {"tool z", "1.0000000"},
      {"reserved (carried)", "0"},
      {"second reserved (written 0)", "0"},
  };
  ASSERT_EQ(fields.size(), expected.size()) << set.out;
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(fields[i], expected[i].second) << expected[i].first;
}

// A turning filter: the lathe controls on, 5-axis plotting and the tool
// library off; OK stores the filter's keys and the turning flag.
TEST_F(PageCli, BackplotWithATurningFilter) {
  test::ProgramResult shown = Page({"show", "DMchInspect", "--type", "ISO Milling", "filter=ISO Turning"});
  ASSERT_EQ(shown.exit_code, 0) << shown.err;
  for (const char* line :
       {"#2591\tbutton\tTool library\tdisabled\n", "INSPECT/DIAPRG\tcheck\ton\tenabled\n",
        "INSPECT/IS5AXIS\tcheck\ton\tdisabled\n", "INSPECT/LATHEFLIP\tcombo\tX+ up, Z+ right\tenabled\n",
        "5-axis machine\tcombo\tDMU-70\tdisabled\n"}) {
    EXPECT_NE(shown.out.find(line), std::string::npos) << line << shown.out;
  }
  auto before = test::ConfigurationFiles(root.path());
  test::ProgramResult set = Page({"set", "DMchInspect", "--type", "ISO Milling", "filter=ISO Turning"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  std::string type_file;
  for (const auto& [path, text] : test::ConfigurationFiles(root.path())) {
    if (before[path] != text && path.starts_with("TYPES/")) type_file = text;
  }
  EXPECT_NE(type_file.find("FILTERTYPE\t= TURNFANUCAISO\r\n"), std::string::npos) << type_file;
  EXPECT_NE(type_file.find("TURNPRG\t\t= Yes\r\n"), std::string::npos) << type_file;
}

// OK writes ConfigPaths.cfg beside the program (here the root's) and copies
// the files of the one directory that moved.
TEST_F(PageCli, PathsOkWritesConfigPathsAndCopiesTheMovedDirectory) {
  test::WriteFile(root.File("ConfigPaths.cfg"),
                  "ROOTDIR=%EXEDIR%\nCFG=%ROOTDIR%/CFG\nDATA=%ROOTDIR%/DATA\nMACHINES=%ROOTDIR%/MACHINES\n"
                  "TYPES=%ROOTDIR%/TYPES\nTOOLLIBS=%ROOTDIR%/TOOLLIBS\nLOG=%ROOTDIR%/LOG\n");
  auto expected = test::ConfigurationFiles(root.path());
  test::ProgramResult set = Page({"set", "paths", "key=TYPES", "path=%ROOTDIR%\\Types2\\"});
  ASSERT_EQ(set.exit_code, 0) << set.err;
  expected["ConfigPaths.cfg"] =
      "#########################################################################\r\n"
      "# This file is used to set the path to configuration directories.\r\n"
      "# See ConfigPath-sample.cfg for more information.\r\n"
      "#########################################################################\r\n"
      "\r\n"
      "ROOTDIR = %EXEDIR%\r\n"
      "CFG = %ROOTDIR%/CFG\r\n"
      "DATA = %ROOTDIR%/DATA\r\n"
      "MACHINES = %ROOTDIR%/MACHINES\r\n"
      "TYPES = %ROOTDIR%/Types2\r\n"
      "TOOLLIBS = %ROOTDIR%/TOOLLIBS\r\n"
      "LOG = %ROOTDIR%/LOG\r\n";
  for (const auto& [file, text] : test::ConfigurationFiles(root.path())) {
    if (file.rfind("TYPES/", 0) == 0) expected["Types2/" + file.substr(6)] = text;
  }
  EXPECT_EQ(test::ConfigurationFiles(root.path()), expected);
}

// A value the control cannot take, a control that is not there or a
// question answered off the point: exit 2, the reason, and no file touched.
TEST_F(PageCli, RefusedStepsWriteNothing) {
  const auto before = test::ConfigurationFiles(root.path());
  struct Case {
    std::vector<std::string> args;
    const char* reason;
  } cases[] = {
      {{"set", "1", "TABCHARS=4", "TABCHARS=x"}, "TABCHARS expects a whole number"},
      {{"set", "1", "TABCHARS=99"}, "from 1 to 50"},
      {{"set", "1", "SYSTEM/SHOWSIZE=Nope"}, "has no entry 'Nope'"},
      {{"set", "1", "SYSTEM/WARNINGBEEP=maybe"}, "expects on or off"},
      {{"set", "1", "SHUTDOWNTIMEOUT=30"}, "is not enabled"},
      {{"set", "1", "NOSUCHKEY=1"}, "no control 'NOSUCHKEY'"},
      {{"set", "4", "--click", "#499", "--answer", "maybe"}, "does not fit the question"},
      {{"set", "1", "stray"}, "unexpected argument 'stray'"},
      {{"set", "5axis", "L1=5"}, "L1 is not enabled"},  // a template
      {{"set", "5axis", "--current", kHostMachine, "type=Head/head: two tilting axes"},
       "axis2.box has a letter that the type does not allow"},
      {{"set", "5axis", "--click", "#448", "--answer", "  "}, "answer '  ' was refused: Add machine"},
      {{"set", "5axis", "--current", "1$too$short"}, "--current is not a readable 5-axis machine record"},
      {{"set", "paths", "--defaults"}, "--defaults is the Default button of a page"},
      {{"set", "paths", "key=NOSUCHKEY"}, "has no entry 'NOSUCHKEY'"},
  };
  for (const Case& c : cases) {
    test::ProgramResult result = Page(c.args);
    EXPECT_EQ(result.exit_code, 2) << c.reason;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
  }
  EXPECT_EQ(test::ConfigurationFiles(root.path()), before);
}

TEST_F(PageCli, QuestionsTakeTheAnswersGivenOrAreCancelled) {
  const auto before = test::ConfigurationFiles(root.path());
  test::ProgramResult unanswered = Page({"set", "4", "--click", "#499"});
  EXPECT_EQ(unanswered.exit_code, 0);
  EXPECT_NE(unanswered.err.find("no answer left, cancelled: Remove the machine type \"ISO Milling\"?"),
            std::string::npos)
      << unanswered.err;
  EXPECT_EQ(Page({"set", "4", "--click", "#499", "--answer", "no"}).exit_code, 0);
  EXPECT_EQ(test::ConfigurationFiles(root.path()), before);
  // Confirmed, the close step hands the shorter list back: the others move up.
  test::ProgramResult removed = Page({"set", "4", "--click", "#499", "--answer", "yes"});
  ASSERT_EQ(removed.exit_code, 0) << removed.err;
  EXPECT_NE(test::ReadFile(root.File("TYPES/ISO Lathe.MAC")).find("LOADORDER\t= 1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace prefig
