// prefig 5axis: showing, building and listing machine definitions.
#include <gtest/gtest.h>

#include "support/run_program.h"

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
            "axis1.used=1\naxis1.table=1\naxis1.letter=1\naxis1.direction=0.0000000 1.0000000 -1.0000000\n"
            "axis1.offset=0.0000000 0.0000000 -155.0000000\naxis1.maximum=180.0000000\naxis1.minimum=0.0000000\n"
            "axis2.used=1\naxis2.table=1\naxis2.letter=2\naxis2.direction=0.0000000 0.0000000 1.0000000\n"
            "axis2.offset=0.0000000 0.0000000 0.0000000\naxis2.minimum=-99999.0000000\naxis2.maximum=99999.0000000\n"
            "tool=0.0000000 0.0000000 1.0000000\nreserved=0\nreserved2=\nidentity=EC14FB31\n"
            "type=8\naxis1.box=B+\naxis2.box=C+\nL1=155\nL2=\nmin1=0\nmax1=180\nmin2=-99999\nmax2=99999\n");
  auto bad = Prefig({"5axis", "show", "1$too$short"});
  EXPECT_EQ(bad.exit_code, 2);
  EXPECT_NE(bad.err.find("not a readable"), std::string::npos);
}

TEST(FiveAxisCli, BuildPrintsTheDialogsRecordOrRefusesTheLetters) {
  auto built =
      Prefig({"5axis",  "build", "--type", "8",   "--axis1", "B+",     "--axis2", "C+",    "--l1",   "155",
              "--min1", "0",     "--max1", "180", "--min2",  "-99999", "--max2",  "99999", "--name", "DMU-70"});
  EXPECT_EQ(built.exit_code, 0);
  EXPECT_EQ(built.out, std::string(kDefault) + "$0\n");
  auto refused = Prefig({"5axis", "build", "--type", "2", "--axis1", "A+", "--axis2", "A+", "--l1", "100"});
  EXPECT_EQ(refused.exit_code, 1);
  EXPECT_NE(refused.err.find("axis 2"), std::string::npos);
  EXPECT_EQ(Prefig({"5axis", "build", "--type", "10", "--axis1", "A+", "--axis2", "C+", "--l1", "1"}).exit_code, 2);
}

}  // namespace
}  // namespace prefig
