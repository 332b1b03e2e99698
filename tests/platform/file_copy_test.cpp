// Directory paths, copies and moves, clean file names, temporary files.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/file_io.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig::platform {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  return st.st_mode & 07777;
}

bool IsDir(const std::string& path) { return std::filesystem::is_directory(path); }

TEST(CreateDirectoryPath, CreatesMissingPartsAcceptsWhatExistsAndStopsAtAFile) {
  TempDir dir;
  EXPECT_EQ(CreateDirectoryPath(dir.File("a//b/d/")), 0);
  EXPECT_EQ(CreateDirectoryPath(dir.File("a/b/d")), 0);
  EXPECT_TRUE(IsDir(dir.File("a/b/d")));
  WriteFile(dir.File("file"), "x");
  EXPECT_EQ(CreateDirectoryPath(dir.File("file/sub")), ENOTDIR);
  EXPECT_EQ(ReadFile(dir.File("file")), "x");
}

TEST(CreateDirectoryPath, RefusedBelowADirectoryWeCannotWrite) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("locked"));
  ::chmod(dir.File("locked").c_str(), 0555);
  EXPECT_TRUE(test::RunWithoutPrivileges(dir.path(), [&] {
    // The locked directory itself is fine; below it nothing can be made.
    return CreateDirectoryPath(dir.File("locked")) == 0 && CreateDirectoryPath(dir.File("locked/new/deeper")) == EACCES;
  }));
}

TEST(CopyFile, CopiesContentAndGivesANewTargetTheSourcesPermissions) {
  TempDir dir;
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 251);
  WriteFile(dir.File("src"), big);
  ::chmod(dir.File("src").c_str(), 0640);
  ASSERT_EQ(CopyFile(dir.File("src"), dir.File("new/dir/dst")), 0);
  EXPECT_EQ(ReadFile(dir.File("new/dir/dst")), big);
  EXPECT_EQ(ModeOf(dir.File("new/dir/dst")), 0640u & ~0022u);
}

TEST(CopyFile, FailuresLeaveTheTargetAsItWas) {
  TempDir dir;
  WriteFile(dir.File("src"), "new");
  WriteFile(dir.File("dst"), "keep");
  EXPECT_EQ(CopyFile(dir.File("src"), dir.File("dst"), false), EEXIST);
  EXPECT_EQ(CopyFile(dir.File("missing"), dir.File("dst")), ENOENT);
  EXPECT_EQ(CopyFile(dir.path(), dir.File("dst")), EISDIR);
  EXPECT_EQ(ReadFile(dir.File("dst")), "keep");
}

TEST(MoveFile, MovesOverAReadOnlyTarget) {
  TempDir dir;
  WriteFile(dir.File("src"), "moved");
  WriteFile(dir.File("dst"), "old");
  ::chmod(dir.File("dst").c_str(), 0444);
  ASSERT_EQ(MoveFile(dir.File("src"), dir.File("dst")), 0);
  EXPECT_EQ(ReadFile(dir.File("dst")), "moved");
  EXPECT_FALSE(FileExists(dir.File("src")));
  EXPECT_EQ(MoveFile(dir.File("src"), dir.File("dst")), ENOENT);
}

TEST(CleanFileName, RemovesWhatNoFileNameMayHold) {
  EXPECT_EQ(CleanFileName("Fanuc: mill*ing?"), "Fanuc milling");
  EXPECT_EQ(CleanFileName("a\\b/c\"d<e>f|g"), "abcdefg");
}

}  // namespace
}  // namespace prefig::platform
