#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace prefig::platform {
namespace {

TEST(CommandLineTest, OwnCommandLineStartsWithTheProgram) {
  std::vector<std::string> words = CommandLine();
  ASSERT_FALSE(words.empty());
  EXPECT_NE(words[0].find("platform_tests"), std::string::npos);
  EXPECT_EQ(JoinArguments({"/opt/x/prefig-host", "/LANG=de-DE", "two words", "tab\there"}),
            "/LANG=de-DE \"two words\" \"tab\there\"");
  EXPECT_EQ(JoinArguments({"prefig-host"}), "");
}

}  // namespace
}  // namespace prefig::platform
