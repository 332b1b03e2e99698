// prefig page on the machine-type pages with rules of their own: the
// multi-channel test line, and Renumbering's Default from the type's file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_cli_test_base.h"

namespace prefig {
namespace {

using test::Prefig;

class MachineTypePagesCli : public test::PageCliTest {
 protected:
  std::string TypeFile() { return test::ReadFile(root.path() + "/TYPES/ISO Mill.MAC"); }
};

TEST_F(MachineTypePagesCli, TheTestLineShowsStartEndAndSynchronisationAsTheDialog) {
  test::ProgramResult show = Page({"show", "WMchMultiChannel", "--type", "ISO Milling", "ENABLE=on",
                                   "MODE=Siemens (WAITM)", "TESTVALUE=WAITM(1,1,2)"});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_NE(show.out.find("channel\tlabel\t\tenabled\n"), std::string::npos) << show.out;
  EXPECT_NE(show.out.find("sync\tlabel\t1: 1,2\tenabled\n"), std::string::npos) << show.out;

  show = Page({"show", "WMchMultiChannel", "ENABLE=on", "MODE=Siemens (WAITM)", "TESTVALUE=% N10"});
  EXPECT_NE(show.out.find("channel\tlabel\tChannel start\tenabled\n"), std::string::npos) << show.out;
}

// show changes no file; set with Default writes the type's own default.
TEST_F(MachineTypePagesCli, RenumberingDefaultTakesTheTypesOwnSection) {
  std::string before = TypeFile();
  test::ProgramResult show = Page({"show", "DMchRenum", "--defaults"});
  ASSERT_EQ(show.exit_code, 0) << show.err;
  EXPECT_NE(show.out.find("#1339\tedit\t10\tenabled\n"), std::string::npos) << show.out;  // START in RENUM DEFAULT
  EXPECT_EQ(TypeFile(), before);

  ASSERT_EQ(Page({"set", "DMchRenum", "#1339=500"}).exit_code, 0);
  EXPECT_NE(TypeFile().find("START\t\t= 500\r\n"), std::string::npos);
  ASSERT_EQ(Page({"set", "DMchRenum", "--defaults"}).exit_code, 0);
  std::string after = TypeFile();
  size_t renum = after.find("[RENUM]\r\n");
  ASSERT_NE(renum, std::string::npos);
  EXPECT_EQ(after.substr(after.find("START\t\t= ", renum), 13), "START\t\t= 10\r\n");
}

}  // namespace
}  // namespace prefig
