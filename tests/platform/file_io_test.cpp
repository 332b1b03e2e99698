// Whole-file replacement: never a half-written file, links stay links,
// permissions stay, concurrent writers of one file lose nothing.
#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "ini/ini_file.h"
#include "support/temp_dir.h"

namespace prefig::platform {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

size_t CountEntries(const std::string& dir) {
  size_t n = 0;
  for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(dir)) ++n;
  return n;
}

TEST(FileIo, ReplaceLeavesNoTemporaryFilesAndKeepsPermissions) {
  TempDir dir;
  std::string path = dir.File("settings.ini");
  EXPECT_EQ(ReplaceFile(path, "one"), 0);
  EXPECT_EQ(ReplaceFile(path, "two"), 0);
  EXPECT_EQ(ReadFile(path), "two");
  EXPECT_EQ(CountEntries(dir.path()), 1u);
  ::chmod(path.c_str(), 0604);
  ASSERT_EQ(ReplaceFile(path, "new"), 0);
  struct stat st {};
  ::stat(path.c_str(), &st);
  EXPECT_EQ(st.st_mode & 07777, 0604u);
}

TEST(FileIo, ReplaceThroughALinkReplacesTheTargetAndKeepsTheLink) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("shared"));
  std::string target = dir.File("shared/real.ini");
  WriteFile(target, "old");
  std::string link = dir.File("link.ini");
  ASSERT_EQ(::symlink("shared/real.ini", link.c_str()), 0);
  ASSERT_EQ(ReplaceFile(link, "new"), 0);
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadFile(target), "new");
}

TEST(FileIo, FailedWriteLeavesTheOldFile) {
  TempDir dir;
  std::string path = dir.File("full.ini");
  WriteFile(path, "old content");
  // A child whose file size limit stands in for a full disk.
  pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    _exit(ReplaceFile(path, std::string(100000, 'x')) == 0 ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(ReadFile(path), "old content");
  EXPECT_EQ(CountEntries(dir.path()), 1u);
}

TEST(FileIo, KilledWriterLeavesOldOrNewNeverAMix) {
  TempDir dir;
  std::string path = dir.File("crash.ini");
  const std::string old_text(20000, 'o');
  const std::string new_text(30000, 'n');
  std::mt19937 rng(99);
  for (int round = 0; round < 300; ++round) {
    WriteFile(path, old_text);
    pid_t child = ::fork();
    if (child == 0) {
      for (;;) {
        ReplaceFile(path, new_text);
        ReplaceFile(path, old_text);
      }
    }
    ::usleep(static_cast<useconds_t>(rng() % 3000));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    std::string text = ReadFile(path);
    ASSERT_TRUE(text == old_text || text == new_text) << "round " << round << ": " << text.size() << " bytes";
  }
}

TEST(FileIo, TwoProcessesWritingDifferentKeysLoseNothing) {
  TempDir dir;
  std::string path = dir.File("shared.ini");
  {
    GIniFile ini;
    ini.Open(path);
  }
  constexpr int kWrites = 40;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    if (children[c] == 0) {
      GIniFile ini;
      ini.Open(path);
      for (int i = 0; i < kWrites; ++i) ini.WriteInt(c == 0 ? "FIRST" : "SECOND", "KEY" + std::to_string(i), i);
      _exit(0);
    }
  }
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  GIniFile ini;
  ini.Open(path);
  for (int i = 0; i < kWrites; ++i) {
    EXPECT_TRUE(ini.KeyExists("FIRST", "KEY" + std::to_string(i))) << i;
    EXPECT_TRUE(ini.KeyExists("SECOND", "KEY" + std::to_string(i))) << i;
  }
}

}  // namespace
}  // namespace prefig::platform
