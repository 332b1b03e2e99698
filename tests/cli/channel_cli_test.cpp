// prefig channel: line results and the scan of a whole program.
#include <gtest/gtest.h>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

TEST(ChannelCli, PrintsOneResultPerLine) {
  EXPECT_EQ(Prefig({"channel", "--mode", "10", "N10 WAITM(1,1,2)", "%_N_A_MPF"}).out,
            "start=no end=no sync=3 number=1 channels=1,2\n"
            "start=yes end=no sync=0 number=-1 channels=\n");
  EXPECT_EQ(Prefig({"channel", "--start", "1:O", "--end", "2:M30$", "--sync", "2:M<3[0-9]{2}>", "--sync-number", "1:P",
                    "N10 O1000", "M30", "M310 P4"})
                .out,
            "start=yes end=no sync=0 number=-1 channels=\n"
            "start=no end=yes sync=0 number=-1 channels=\n"
            "start=no end=no sync=311 number=4 channels=\n");
  EXPECT_EQ(Prefig({"channel", "--by-channel-numbers", "--sync", "2:!<[0-9]+>", "!23"}).out,
            "start=no end=no sync=6 number=-1 channels=2,3\n");
}

TEST(ChannelCli, FileShowsOnlyLinesThatCount) {
  test::TempDir dir;
  std::string file = dir.File("two.nc");
  test::WriteFile(file, "%\r\nO1000\r\nN10 G0 X0\r\nN20 M300 (WAIT)\r\n(M301)\rN30 M30\n%");
  test::ProgramResult r = Prefig({"channel", "--mode", "2", "--comment", "()", "--file", file});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out,
            "line=2 start=yes end=no sync=0 number=-1 channels=\n"
            "line=4 start=no end=no sync=301 number=-1 channels=\n");
}

TEST(ChannelCli, BadPatternsAndUsageExitWithTwo) {
  test::ProgramResult bad = Prefig({"channel", "--sync", "2:M<[0-9]", "M1"});
  EXPECT_EQ(bad.exit_code, 2);
  EXPECT_EQ(bad.err, "prefig: sync pattern: Unmatched < or >\n");
  EXPECT_EQ(Prefig({"channel", "--mode", "2"}).exit_code, 2);
  test::TempDir dir;
  EXPECT_EQ(Prefig({"channel", "--file", dir.File("missing.nc")}).exit_code, 2);
}

}  // namespace
}  // namespace prefig
