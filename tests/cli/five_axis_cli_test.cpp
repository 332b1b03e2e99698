// prefig 5axis: showing, building and listing machine definitions.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

constexpr const char* kDefault =
    "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2"
    "$0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$0.0000000"
    "$1.0000000$0";

TEST(FiveAxisCli, ShowPrintsFieldsIdentityAndWhatTheDialogShows) {
  auto result = Prefig({"5axis", "show", kDefault});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out,
            "name=DMU-70\n"
            "axis1.used=1\n"
            "axis1.table=1\n"
            "axis1.letter=1\n"
            "axis1.direction=0.0000000 1.0000000 -1.0000000\n"
            "axis1.offset=0.0000000 0.0000000 -155.0000000\n"
            "axis1.maximum=180.0000000\n"
            "axis1.minimum=0.0000000\n"
            "axis2.used=1\n"
            "axis2.table=1\n"
            "axis2.letter=2\n"
            "axis2.direction=0.0000000 0.0000000 1.0000000\n"
            "axis2.offset=0.0000000 0.0000000 0.0000000\n"
            "axis2.minimum=-99999.0000000\n"
            "axis2.maximum=99999.0000000\n"
            "tool=0.0000000 0.0000000 1.0000000\n"
            "reserved=0\n"
            "reserved2=\n"
            "identity=EC14FB31\n"
            "type=8\n"
            "axis1.box=B+\n"
            "axis2.box=C+\n"
            "L1=155\n"
            "L2=\n"
            "min1=0\n"
            "max1=180\n"
            "min2=-99999\n"
            "max2=99999\n");
  auto bad = Prefig({"5axis", "show", "1$too$short"});
  EXPECT_EQ(bad.exit_code, 2);
  EXPECT_NE(bad.err.find("not a readable"), std::string::npos);
}

TEST(FiveAxisCli, BuildPrintsTheDialogsRecordOrRefusesTheLetters) {
  auto built = Prefig({"5axis", "build", "--type", "8", "--axis1", "B+", "--axis2", "C+", "--l1", "155", "--min1",
                       "0", "--max1", "180", "--min2", "-99999", "--max2", "99999", "--name", "DMU-70"});
  EXPECT_EQ(built.exit_code, 0);
  EXPECT_EQ(built.out, std::string(kDefault) + "$0\n");
  auto refused = Prefig({"5axis", "build", "--type", "2", "--axis1", "A+", "--axis2", "A+", "--l1", "100"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_EQ(refused.out, "");
  EXPECT_NE(refused.err.find("axis 2"), std::string::npos);
  EXPECT_EQ(Prefig({"5axis", "build", "--type", "0", "--axis1", "C+", "--axis2", "C+", "--l1", "1"}).exit_code, 1);
  EXPECT_EQ(Prefig({"5axis", "build", "--type", "10", "--axis1", "A+", "--axis2", "C+", "--l1", "1"}).exit_code, 2);
  EXPECT_EQ(Prefig({"5axis", "build", "--type", "0", "--axis1", "X+", "--axis2", "C+", "--l1", "1"}).exit_code, 2);
  EXPECT_EQ(Prefig({"5axis", "build", "--type", "0", "--axis1", "A+", "--axis2", "C+"}).exit_code, 2);
}

TEST(FiveAxisCli, ListShowsUserTemplateAndImperialMachines) {
  test::TempDir types, program;
  std::string t = std::string(kDefault);
  test::WriteFile(types.File("User5Axis.cfg"), "1$Mine" + t.substr(8) + "\r\n");
  ::mkdir(program.File("Templates").c_str(), 0755);
  test::WriteFile(program.File("Templates/5Axis.cfg"), "# two\n1$Tpl" + t.substr(8) + "\nbroken\n");
  auto result = Prefig({"5axis", "list", "--types", types.path(), "--program-dir", program.path()});
  EXPECT_EQ(result.exit_code, 0);
  EXPECT_EQ(result.out, "Mine\nTpl\nTpl (Imperial)\n");
  EXPECT_EQ(Prefig({"5axis", "list", "--types", types.path(), "--program-dir", program.path(), "--current",
                    "1$Host" + t.substr(8) + "$1"}).out,
            "Mine\nHost\nTpl\nTpl (Imperial)\n");
  auto records = Prefig({"5axis", "list", "--program-dir", types.path(), "--records"});
  EXPECT_EQ(records.out, t + "\n");
  // Without options: the templates staged beside the program.
  EXPECT_NE(Prefig({"5axis", "list"}).out.find("Trunnion table A/C (Imperial)\n"), std::string::npos);
}

}  // namespace
}  // namespace prefig
