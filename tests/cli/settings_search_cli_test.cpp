// prefig page find, the modified state and --reset of prefig page, and
// prefig settings modified, on a configuration made by prefig init.
#include <gtest/gtest.h>

#include <sstream>

#include "support/page_cli_test_base.h"

namespace prefig {
namespace {

using test::Prefig;

class SettingsSearchCli : public test::PageCliTest {
 protected:
  test::ProgramResult Modified(std::vector<std::string> args = {}) {
    args.insert(args.begin(), {"settings", "modified"});
    args.insert(args.end(), {"--root", root.path()});
    return Prefig(args);
  }
  std::string MainIni() { return test::ReadFile(root.path() + "/CFG/Prefig.ini"); }
};

TEST_F(SettingsSearchCli, FindPrintsPageNameAndTextOfEveryMatch) {
  test::ProgramResult tab = Page({"find", "tab"});
  ASSERT_EQ(tab.exit_code, 0) << tab.err;
  EXPECT_EQ(tab.out.rfind("DGlobal\tSYSTEM/TABCHARS\tTab width:\n", 0), 0u) << tab.out;
  EXPECT_NE(tab.out.find("DEditor\tEDITOR/TABSTOSPACE\tReplace tabs with spaces\n"), std::string::npos) << tab.out;
  std::istringstream lines(tab.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
  }
  EXPECT_EQ(Page({"find", "system/TABCHARS"}).out, "DGlobal\tSYSTEM/TABCHARS\tSYSTEM/TABCHARS\n");
  test::ProgramResult none = Page({"find", "no setting says this"});
  EXPECT_EQ(none.exit_code, 1);
  EXPECT_EQ(none.out, "");
}

TEST_F(SettingsSearchCli, ASetValueIsModifiedUntilItsResetIsStored) {
  EXPECT_EQ(Modified().out, "");  // a first start holds the defaults
  ASSERT_EQ(Page({"set", "1", "SYSTEM/TABCHARS=4"}).exit_code, 0);
  EXPECT_NE(Page({"show", "1"}).out.find("SYSTEM/TABCHARS\tspin\t4\tenabled modified\n"), std::string::npos);
  test::ProgramResult modified = Modified();
  EXPECT_EQ(modified.exit_code, 0) << modified.err;
  EXPECT_EQ(modified.out, "SYSTEM/TABCHARS\t4\t8\n");

  // Reset shows the default; show writes nothing, set stores it.
  EXPECT_NE(Page({"show", "1", "--reset", "TABCHARS"}).out.find("SYSTEM/TABCHARS\tspin\t8\tenabled\n"),
            std::string::npos);
  EXPECT_EQ(Modified().out, "SYSTEM/TABCHARS\t4\t8\n");
  const std::string before = MainIni();
  test::ProgramResult refused = Page({"set", "1", "SYSTEM/TABCHARS=5", "--reset", "#1068"});
  EXPECT_EQ(refused.exit_code, 2);
  EXPECT_NE(refused.err.find("#1068 has no default of its own"), std::string::npos) << refused.err;
  EXPECT_EQ(MainIni(), before);
  ASSERT_EQ(Page({"set", "1", "--reset", "SYSTEM/TABCHARS"}).exit_code, 0);
  EXPECT_EQ(Modified().out, "");
}

TEST_F(SettingsSearchCli, ATypesFileComparesWithTheDefaultsOfItsBasicType) {
  test::ProgramResult milling = Modified({"--type", "ISO Milling"});
  ASSERT_EQ(milling.exit_code, 0) << milling.err;
  EXPECT_NE(milling.out.find("LOADSAVE/LOADEXT\tNCL,ISO,TAP,NC1\tNCL,ISO\n"), std::string::npos) << milling.out;
  EXPECT_EQ(milling.out.find("GENERAL/"), std::string::npos) << "a type's identity has no default";
  EXPECT_EQ(Modified({"--type", "no such type"}).exit_code, 1);
}

}  // namespace
}  // namespace prefig
