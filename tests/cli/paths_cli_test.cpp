// prefig paths: the directories for a program directory given with
// --program, and the elevated installation that the paths dialog runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "pages/config_paths_dialog.h"
#include "platform/file_io.h"
#include "support/run_program.h"
#include "support/scoped_env.h"

namespace prefig {
namespace {

using test::Prefig;

using test::ReadFile;
using test::WriteFile;

class PathsCli : public ::testing::Test {
 protected:
  PathsCli() {
    std::filesystem::create_directory(ProgramDir());
    home_.env().Set(GConfigPathHandler::kVendorOverride, std::nullopt);
    home_.env().Set(GConfigPathHandler::kProductOverride, std::nullopt);
  }
  std::string ProgramDir() const { return home_.dir().File("prog"); }
  std::string Program() const { return ProgramDir() + "/editor"; }
  test::IsolatedHome home_;
};

TEST_F(PathsCli, ListsEveryKeyWithItsTextAndDirectory) {
  WriteFile(ProgramDir() + "/ConfigPaths.cfg",
            "cfg = /srv/cfg # shared\r\nROOTDIR=%EXEDIR%/root\r\nSPOOL=%ROOTDIR%/spool\r\n");
  test::ProgramResult result = Prefig({"paths", "--program", Program()});
  EXPECT_EQ(result.exit_code, 0) << result.err;
  const std::string p = ProgramDir();
  EXPECT_EQ(result.out, "ROOTDIR\t%EXEDIR%/root\t" + p +
                            "/root\n"
                            "CFG\t/srv/cfg\t/srv/cfg\n"
                            "SPOOL\t%ROOTDIR%/spool\t" +
                            p +
                            "/root/spool\n"
                            "DATA\t\t" +
                            p +
                            "/root/DATA\n"
                            "MACHINES\t\t" +
                            p +
                            "/root/MACHINES\n"
                            "TYPES\t\t" +
                            p +
                            "/root/TYPES\n"
                            "TOOLLIBS\t\t" +
                            p +
                            "/root/TOOLLIBS\n"
                            "LOG\t\t" +
                            p + "/root/LOG\n");
}

TEST_F(PathsCli, GetHonoursAPathsFileThatPointsCfgElsewhere) {
  EXPECT_EQ(Prefig({"paths", "get", "CFG", "--program", Program()}).out, ProgramDir() + "/CFG\n");
  WriteFile(ProgramDir() + "/ConfigPaths.cfg", "CFG = " + home_.dir().File("elsewhere") + "\\cfg\\\r\n");
  EXPECT_EQ(Prefig({"paths", "get", "CFG", "--program", Program()}).out, home_.dir().File("elsewhere/cfg") + "\n");
  EXPECT_FALSE(platform::FileExists(home_.dir().File("elsewhere")));
  EXPECT_EQ(Prefig({"paths", "get", "CFG", "--create", "--program", Program()}).exit_code, 0);
  EXPECT_TRUE(std::filesystem::is_directory(home_.dir().File("elsewhere/cfg")));
}

TEST_F(PathsCli, InstallPutsTheFileBesideTheProgram) {
  WriteFile(home_.dir().File("new.cfg"), "CFG = /installed\r\n");
  EXPECT_EQ(Prefig({"paths", "install", home_.dir().File("new.cfg"), "--program", Program()}).exit_code, 0);
  EXPECT_EQ(Prefig({"paths", "install", home_.dir().File("none.cfg"), "--program", Program()}).exit_code, 2);
  EXPECT_EQ(ReadFile(ProgramDir() + "/ConfigPaths.cfg"), "CFG = /installed\r\n");
}

// The dialog's OK for a program directory it may not write: the temporary
// file goes to the elevated installer as an argument, and a temporary
// directory and program directory full of shell characters change nothing.
TEST_F(PathsCli, ElevatedInstallationPassesPathsAsArguments) {
  const std::string hostile = "it's \"q\"; touch pwned & $(touch pwned2) `id` |";
  std::string program_dir = home_.dir().File("Program " + hostile);
  std::string temp_dir = home_.dir().File("tmp " + hostile);
  std::filesystem::create_directories(program_dir);
  std::filesystem::create_directories(temp_dir);
  std::filesystem::create_directories(home_.dir().File("bin"));
  // pkexec as the test has it: runs its arguments, as root does not need asking.
  WriteFile(home_.dir().File("bin/pkexec"), "#!/bin/sh\nexec \"$@\"\n");
  ::chmod(home_.dir().File("bin/pkexec").c_str(), 0755);
  home_.env().Set("PATH", home_.dir().File("bin") + ":/usr/bin:/bin");
  home_.env().Set("TMPDIR", temp_dir);

  GConfigPathHandler handler(program_dir + "/editor");
  bool changed = false;
  DConfigPaths dialog(handler, &changed,
                      {.can_write = [](const std::string&) { return false; }, .program = PREFIG_CLI});
  dialog.Path().UserEdit("/srv/" + hostile);  // ROOTDIR is selected
  dialog.Ok();
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kInstalled);
  EXPECT_EQ(handler.GetPath("ROOTDIR"), "/srv/" + hostile);
  std::string written = ReadFile(program_dir + "/ConfigPaths.cfg");
  EXPECT_NE(written.find("\r\nROOTDIR = /srv/" + hostile + "\r\n"), std::string::npos) << written;
  EXPECT_TRUE(std::filesystem::is_empty(temp_dir));  // the temporary file is gone
  EXPECT_FALSE(platform::FileExists("pwned"));
}

}  // namespace
}  // namespace prefig
