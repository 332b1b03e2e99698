// Starting programs: arguments travel as a vector, so no text in them can
// become a command; waiting, detaching and elevation.
#include "platform/run_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/file_io.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig::platform {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// A file name that a shell would take for several commands; they would
// leave files named pwned in the working directory.
std::string Hostile(const TempDir& dir) { return dir.File("it's \"x\"; touch pwned & $(touch pwned2) `id`|>"); }

bool NothingRan() { return !FileExists("pwned") && !FileExists("pwned2"); }

void WriteScript(const std::string& path, const std::string& body) {
  WriteFile(path, "#!/bin/sh\n" + body);
  ::chmod(path.c_str(), 0755);
}

bool AppearsSoon(const std::string& path) {
  for (int i = 0; i < 500 && !FileExists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return FileExists(path);
}

TEST(RunProgram, ShellCharactersInArgumentsStayText) {
  TempDir dir;
  WriteFile(dir.File("source"), "content");
  RunResult copy = RunProgram("cp", {"--", dir.File("source"), Hostile(dir)}, {.wait = true});
  EXPECT_TRUE(copy.Succeeded());
  EXPECT_EQ(ReadFile(Hostile(dir)), "content");
  EXPECT_TRUE(NothingRan());
}

TEST(RunProgram, WaitingGivesTheExitCode) {
  EXPECT_EQ(RunProgram("sh", {"-c", "exit 3"}, {.wait = true}).exit_code, 3);
  EXPECT_EQ(RunProgram("sh", {"-c", "kill -9 $$"}, {.wait = true}).exit_code, 128 + 9);
  RunResult missing = RunProgram("prefig-no-such-program", {}, {.wait = true});
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_FALSE(missing.Succeeded());
}

TEST(RunProgram, WithoutWaitingTheProgramRunsOnItsOwn) {
  TempDir dir;
  RunResult started = RunProgram("touch", {dir.File("done")});
  EXPECT_EQ(started.error, 0);
  EXPECT_TRUE(AppearsSoon(dir.File("done")));
  // Not a program the system can run: the failure still reaches us.
  WriteFile(dir.File("garbage"), "\x7f" "ELF not really");
  ::chmod(dir.File("garbage").c_str(), 0755);
  EXPECT_EQ(RunProgram(dir.File("garbage"), {}).error, ENOEXEC);
}

TEST(RunProgram, ElevationGoesThroughPkexecWithTheSameVector) {
  TempDir dir;
  WriteScript(dir.File("pkexec"), "printf '%s\\n' \"$@\" > " + dir.File("argv") + "\nexec \"$@\"\n");
  test::ScopedEnv env;
  env.Set("PATH", dir.path() + ":/usr/bin:/bin");
  WriteFile(dir.File("source"), "elevated");
  RunResult run = RunProgram("cp", {dir.File("source"), Hostile(dir)}, {.wait = true, .elevate = true});
  EXPECT_TRUE(run.Succeeded());
  EXPECT_EQ(ReadFile(dir.File("argv")), FindProgram("cp") + "\n" + dir.File("source") + "\n" + Hostile(dir) + "\n");
  EXPECT_EQ(ReadFile(Hostile(dir)), "elevated");
  EXPECT_TRUE(NothingRan());
}

TEST(RunProgram, ElevationWithoutPkexecFailsForANormalUser) {
  TempDir dir;
  test::ScopedEnv env;
  env.Set("PATH", dir.path());  // no pkexec, no cp on it
  std::string cp = FindProgram("/bin/cp");
  ASSERT_FALSE(cp.empty());
  EXPECT_TRUE(test::RunWithoutPrivileges(dir.path(), [&] {
    return RunProgram(cp, {"/etc/hostname", dir.File("x")}, {.wait = true, .elevate = true}).error == EPERM &&
           !FileExists(dir.File("x"));
  }));
}

TEST(FindProgram, SearchesPathForExecutableFilesOnly) {
  TempDir dir;
  WriteFile(dir.File("tool"), "#!/bin/sh\n");
  std::filesystem::create_directory(dir.File("adir"));
  test::ScopedEnv env;
  env.Set("PATH", dir.File("adir") + ":" + dir.path());
  EXPECT_EQ(FindProgram("tool"), "");  // not executable yet
  ::chmod(dir.File("tool").c_str(), 0755);
  EXPECT_EQ(FindProgram("tool"), dir.File("tool"));
  EXPECT_EQ(FindProgram("adir"), "");
  EXPECT_EQ(FindProgram(dir.File("tool")), dir.File("tool"));
}

}  // namespace
}  // namespace prefig::platform
