// The predefined methods on whole multi-channel programs: every
// synchronisation found, none invented, and every channel start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "record/channel_parser.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

struct Scan {
  std::vector<int> starts;
  std::vector<std::string> syncs;  // "LINE: RESULT #NUMBER"
};

Scan ScanProgram(const std::string& name, const ChannelSettings& settings) {
  GChannelParser parser(settings);
  std::string text = test::ReadFile(std::string(PREFIG_SOURCE_DIR) + "/tests/record/data/" + name);
  EXPECT_FALSE(text.empty()) << name;
  Scan scan;
  size_t pos = 0;
  for (int number = 1; pos < text.size(); ++number) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos = end + 1;
    if (parser.IsStart(line)) scan.starts.push_back(number);
    ChannelEvaluation e = parser.Evaluate(line);
    if (e.result != 0) {
      scan.syncs.push_back(std::to_string(number) + ": " + std::to_string(e.result) + " #" + std::to_string(e.number));
    }
  }
  return scan;
}

ChannelSettings Method(int mode, const char* comment = "", const char* block_skip = "") {
  ChannelSettings settings;
  settings.mode = mode;
  if (comment[0]) {
    settings.comment_start = comment[0];
    settings.comment_end = comment[1];
  }
  settings.block_skip = block_skip;
  return settings;
}

TEST(ChannelPrograms, FanucTwoTurretWithM100Waits) {
  Scan scan = ScanProgram("fanuc_two_turret.nc", Method(5, "()", "/"));
  EXPECT_EQ(scan.starts, (std::vector<int>{2, 24}));
  // M98 P1100 and M1000 are no waits; M102 M01 is.
  EXPECT_EQ(scan.syncs, (std::vector<std::string>{"7: 101 #-1", "16: 102 #-1", "21: 103 #-1", "28: 101 #-1",
                                                  "33: 102 #-1", "35: 103 #-1"}));
  // The M3xx method finds none of them.
  EXPECT_TRUE(ScanProgram("fanuc_two_turret.nc", Method(2, "()", "/")).syncs.empty());
}

TEST(ChannelPrograms, SiemensWaitmByChannelNumbers) {
  Scan scan = ScanProgram("siemens_waitm.mpf", Method(10, ";"));
  EXPECT_EQ(scan.starts, (std::vector<int>{1, 15, 27}));
  // Channels 1,2 are 3, channels 1,2,3 are 7; the WAITM behind ";" on line 12
  // is a comment.
  EXPECT_EQ(scan.syncs, (std::vector<std::string>{"7: 3 #1", "10: 3 #2", "13: 7 #3", "20: 3 #1", "23: 3 #2", "25: 7 #3",
                                                  "29: 7 #3"}));
  // Without comment characters (as in the page's test field) it counts.
  EXPECT_EQ(ScanProgram("siemens_waitm.mpf", Method(10)).syncs.size(), 8u);
}

TEST(ChannelPrograms, MazakByMCodesAndByPNumbers) {
  // M9500 and the nine-digit P number are no waits, M99 neither.
  Scan m_codes = ScanProgram("mazak_two_turret.eia", Method(11, "()"));
  EXPECT_EQ(m_codes.starts, (std::vector<int>{2, 15}));
  EXPECT_EQ(m_codes.syncs, (std::vector<std::string>{"6: 951 #-1", "10: 952 #-1", "13: 998 #-1", "18: 951 #-1",
                                                     "21: 952 #-1", "24: 998 #-1"}));
  Scan p_numbers = ScanProgram("mazak_two_turret.eia", Method(12, "()"));
  EXPECT_EQ(p_numbers.starts, m_codes.starts);
  EXPECT_EQ(p_numbers.syncs, (std::vector<std::string>{"6: 102 #-1", "10: 103 #-1", "13: 200 #-1", "18: 102 #-1",
                                                       "21: 103 #-1", "24: 200 #-1"}));
}

TEST(ChannelPrograms, CommentsAndBlockSkipHideSynchronisations) {
  Scan scan = ScanProgram("comments_blockskip.nc", Method(2, "()", "/"));
  EXPECT_EQ(scan.starts, (std::vector<int>{2}));
  // 4: only in a comment; 6 and 9: block skipped; 7: the M302 in the comment
  // is passed over; 8: the first two are in two comments; 10: the "/" in the
  // comment is no block skip; 11: M3100 is no wait; 12: an unclosed comment
  // runs to the end; 13: a "/" in the block skips it.
  EXPECT_EQ(scan.syncs, (std::vector<std::string>{"5: 301 #-1", "7: 304 #-1", "8: 307 #-1", "10: 310 #-1"}));
  // Without comment characters and block skip every command counts.
  EXPECT_EQ(ScanProgram("comments_blockskip.nc", Method(2)).syncs,
            (std::vector<std::string>{"4: 301 #-1", "5: 301 #-1", "6: 302 #-1", "7: 303 #-1", "8: 305 #-1",
                                      "9: 309 #-1", "10: 310 #-1", "12: 312 #-1", "13: 313 #-1"}));
}

}  // namespace
}  // namespace prefig
