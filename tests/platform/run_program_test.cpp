// Starting programs: arguments travel as a vector, so no text in them can
// become a command; waiting, detaching and elevation.
#include "platform/run_program.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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
  RunResult missing = RunProgram("prefig-no-such-program", {}, {.wait = true});
  EXPECT_EQ(missing.error, ENOENT);
  EXPECT_FALSE(missing.Succeeded());
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

}  // namespace
}  // namespace prefig::platform
