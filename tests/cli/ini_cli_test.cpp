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

// Files that others wrote: every command finds what `get` finds, and edits
// land where the file's own layout says.
TEST(IniCli, SectionsAndCommentsOfOtherProgramsFiles) {
  test::TempDir dir;
  std::string file = dir.File("t.ini");
  const std::string version =
      "\r\n## INIFILEVERSION " + std::string(61, '#') + "\r\n\r\n[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";
  test::WriteFile(file, "[A]\n[[sub]]\nKEY = NONE\n");
  EXPECT_EQ(Prefig({"ini", "get", file, "[sub", "KEY"}).out, "NONE\n");
  EXPECT_EQ(Prefig({"ini", "exists", file, "[sub", "KEY"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "set", file, "[sub", "KEY", "NEW"}).exit_code, 0);
  EXPECT_EQ(Prefig({"ini", "get-int", file, "[sub", "N", "7", "0", "10"}).out, "7\n");
  EXPECT_EQ(test::ReadFile(file), "[A]\n[[sub]]\nKEY = NEW\nN\t\t= 7\r\n" + version);
  EXPECT_EQ(Prefig({"ini", "delete", file, "[sub", "KEY"}).exit_code, 0);
  EXPECT_EQ(test::ReadFile(file), "[A]\n[[sub]]\nN\t\t= 7\r\n" + version);

  test::WriteFile(file, "[RENUM DEFAULT]\r\nAUTO = No\r\n[X]\r\n");
  EXPECT_EQ(Prefig({"ini", "set", file, "RENUM DEFAULT", "AUTO", "Yes"}).exit_code, 0);
  EXPECT_EQ(test::ReadFile(file), "[RENUM DEFAULT]\r\nAUTO = Yes\r\n[X]\r\n" + version);

  test::WriteFile(file, "[a]\nk=1\n#####\n[b]\nx=2\n");
  EXPECT_EQ(Prefig({"ini", "set", file, "a", "NEWK", "v"}).exit_code, 0);
  EXPECT_EQ(test::ReadFile(file), "[a]\nk=1\n#####\nNEWK\t\t= v\r\n[b]\nx=2\n" + version);

  test::WriteFile(file, "[a]\r\nk=1");  // no line end after the last line
  EXPECT_EQ(Prefig({"ini", "open", file}).exit_code, 0);
  EXPECT_EQ(test::ReadFile(file), "[a]\r\nk=1" + version);
}

// A write the store refuses or cannot make exits 2 with the reason, and the
// file stays as it was.
TEST(IniCli, RefusedAndFailedWritesExitWithTwoAndTheReason) {
  test::TempDir dir;
  std::string file = dir.File("r.ini");
  test::WriteFile(file, "[S]\r\nK=1\r\n");
  Prefig({"ini", "open", file});
  const std::string before = test::ReadFile(file);
  auto bracket = Prefig({"ini", "set", file, "[X]", "K", "V"});
  EXPECT_EQ(bracket.exit_code, 2);
  EXPECT_NE(bracket.err.find("may not hold ']'"), std::string::npos) << bracket.err;
  auto equals = Prefig({"ini", "set", file, "S", "A=B", "V"});
  EXPECT_EQ(equals.exit_code, 2);
  EXPECT_NE(equals.err.find("may not hold '='"), std::string::npos) << equals.err;
  EXPECT_EQ(Prefig({"ini", "delete", file, " S"}).exit_code, 2);
  EXPECT_EQ(test::ReadFile(file), before);

  std::string folder = dir.File("folder.ini");
  std::filesystem::create_directory(folder);
  auto in_folder = Prefig({"ini", "set", folder, "S", "K", "V"});
  EXPECT_EQ(in_folder.exit_code, 2);
  EXPECT_NE(in_folder.err.find(folder), std::string::npos) << in_folder.err;
}

TEST(IniCli, VersionAndHelp) {
  EXPECT_EQ(Prefig({"version"}).out, "80402\n");
  EXPECT_NE(Prefig({"ini", "get", "--help"}).out.find("--default"), std::string::npos);
}

}  // namespace
}  // namespace prefig
