#include "ini/profile_value.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace prefig {
namespace {

TEST(ProfileValue, ReadsWithoutWritingDefaults) {
  test::TempDir dir;
  std::string path = dir.File("VELMO.INI");
  test::WriteFile(path, "[global]\r\ntypesdir = \"  C:/Types \"\r\n");
  EXPECT_EQ(ReadProfileValue("GLOBAL", "TYPESDIR", "none", path), "  C:/Types ");
  EXPECT_EQ(ReadProfileValue("GLOBAL", "MISSING", "none", path), "none");
  EXPECT_EQ(ReadProfileValue("GLOBAL", "X", "none", dir.File("absent.ini")), "none");
  EXPECT_EQ(test::ReadFile(path), "[global]\r\ntypesdir = \"  C:/Types \"\r\n");
  EXPECT_FALSE(test::ReadFile(dir.File("absent.ini")).size());
}

TEST(ProfileValue, WritesWithTheStoreRules) {
  test::TempDir dir;
  std::string path = dir.File("x.ini");
  test::WriteFile(path, "; hand made\n[A]\nkey=1\n");
  EXPECT_TRUE(WriteProfileValue("A", "KEY", "2", path, false));
  EXPECT_TRUE(WriteProfileValue("A", "NEW", " spaced", path, true));
  EXPECT_EQ(test::ReadFile(path), "; hand made\n[A]\nkey= 2\nNEW\t\t= \" spaced\"\r\n");
  EXPECT_TRUE(WriteProfileValue("A", "KEY", "2", path, true));  // already there
}

TEST(ProfileValue, AWriteThatCannotBeMadeIsReportedAndChangesNothing) {
  test::TempDir dir;
  std::string path = dir.File("x.ini");
  test::WriteFile(path, "[A]\r\nK = 1\r\n");
  EXPECT_FALSE(WriteProfileValue("A", "K", "v", dir.File("missing/dir.ini"), true));
  EXPECT_FALSE(WriteProfileValue("A", "K", "v", dir.path(), true));  // a folder, not a file
  EXPECT_FALSE(WriteProfileValue("A", "K=", "v", path, true));
  EXPECT_EQ(test::ReadFile(path), "[A]\r\nK = 1\r\n");
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

}  // namespace
}  // namespace prefig
