// prefig ini: the store's rules from the command line, and its exit codes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using test::Prefig;

// The written form itself is the store's; here: the commands reach it.
TEST(IniCli, WritesReadsAndMissingDefaultsReachTheFile) {
  test::TempDir dir;
  std::string file = dir.File("r.ini");
  EXPECT_EQ(Prefig({"ini", "open", file}).out, "read-write\n");
  EXPECT_EQ(Prefig({"ini", "set-bool", file, "EDITOR", "PADTABS", "no"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "set", file, "SYSTEM", "NAME", " x "}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "set", file, "SYSTEM", "TABCHARS", "40"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "get", file, "SYSTEM", "NAME"}).out, " x \n");
  EXPECT_EQ(Prefig({"ini", "get", file, "SYSTEM", "MISSING", "--default", "dflt"}).out, "dflt\n");
  EXPECT_EQ(Prefig({"ini", "get-int", file, "SYSTEM", "TABCHARS", "4", "1", "16"}).out, "16\n");
  std::string text = test::ReadFile(file);
  EXPECT_NE(text.find("PADTABS\t\t= No\r\n"), std::string::npos);
  EXPECT_NE(text.find("TABCHARS\t= 16\r\n"), std::string::npos);
  EXPECT_NE(text.find("MISSING\t\t= dflt\r\n"), std::string::npos);
}

TEST(IniCli, ExistsAndDeleteAnswerWithExitCodes) {
  test::TempDir dir;
  std::string file = dir.File("e.ini");
  test::WriteFile(file, "[A]\r\nK=1\r\n");
  EXPECT_EQ(Prefig({"ini", "exists", file, "A", "K"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "exists", file, "A", "L"}).exit_code, 1);
  EXPECT_EQ(Prefig({"ini", "delete", file, "A", "K"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "exists", file, "A", "K"}).exit_code, 1);
  EXPECT_EQ(Prefig({"ini", "delete", file, "A"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "exists", file, "A"}).exit_code, 1);
  EXPECT_EQ(Prefig({"ini", "exists", dir.File("absent.ini"), "A"}).exit_code, 1);
  EXPECT_FALSE(std::filesystem::exists(dir.File("absent.ini")));
}

TEST(IniCli, WrongUsageAndUnusableFilesExitWithTwo) {
  test::TempDir dir;
  std::string file = dir.File("u.ini");
  auto usage = Prefig({"ini", "get-int", file, "A", "K", "notanumber", "0", "1"});
  EXPECT_EQ(usage.exit_code, 2);
  EXPECT_FALSE(usage.err.empty());
  EXPECT_EQ(Prefig({"ini", "set-bool", file, "A", "K", "maybe"}).exit_code, 2);
  test::WriteFile(file, "[A]\r\nK=1\r\n");
  EXPECT_TRUE(test::RunWithoutPrivileges(dir.path(), [&] {
    ::chmod(file.c_str(), 0);
    return Prefig({"ini", "get", file, "A", "K"}).exit_code == 2;
  }));
}

TEST(IniCli, VersionAndHelp) {
  EXPECT_EQ(Prefig({"version"}).out, "80402\n");
  EXPECT_NE(Prefig({"ini", "get", "--help"}).out.find("--default"), std::string::npos);
}

}  // namespace
}  // namespace prefig
