#include "platform/module_log.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <thread>
#include <vector>

#include "support/temp_dir.h"

namespace prefig {
namespace {

class ModuleLogTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string log = dir.File("prefig.log");
  void SetUp() override { SetLogFileName(log); }
  void TearDown() override { SetLogFileName(""); }
};

TEST_F(ModuleLogTest, LineHasTickDateTimeThreadAndMessageAndNoFileNameMeansOff) {
  LogLine("DLLINI: DllInit OK: %s", "PrefigDLL");
  std::string text = test::ReadFile(log);
  EXPECT_TRUE(std::regex_match(
      text, std::regex(R"(\d{8,} \[\d\d/\d\d/\d\d \d\d:\d\d:\d\d\] \d+\tDLLINI: DllInit OK: PrefigDLL\n)")))
      << text;
  // Without a file name the log is off.
  SetLogFileName("");
  EXPECT_FALSE(IsLogOn());
  LogLine("nothing");
  EXPECT_EQ(test::ReadFile(log), text);
}

TEST_F(ModuleLogTest, LinesFromManyThreadsNeverInterleave) {
  std::vector<std::thread> threads;
  for (int t = 0; t < 8; ++t) {
    threads.emplace_back([t] {
      for (int i = 0; i < 200; ++i) LogLine("T%d %s", t, std::string(300, static_cast<char>('a' + t)).c_str());
    });
  }
  for (auto& thread : threads) thread.join();
  std::istringstream lines(test::ReadFile(log));
  std::string line;
  int count = 0;
  std::regex whole(R"(.*\tT(\d) ([a-h])\2{299})");
  while (std::getline(lines, line)) {
    ++count;
    ASSERT_TRUE(std::regex_match(line, whole)) << line.substr(0, 80);
  }
  EXPECT_EQ(count, 1600);
}

}  // namespace
}  // namespace prefig
