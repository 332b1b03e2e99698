// The older location rule: Types may be redirected by Cfg/VELMO.INI.
#include "record/base_directory_path.h"

#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

#include <filesystem>

#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(BaseDirectoryPathTest, TypesFollowTypesDirWithTheUserAndComputerNames) {
  TempDir dir;
  std::filesystem::create_directories(dir.File("Cfg"));
  char host[256] = "";
  ::gethostname(host, sizeof host - 1);
  std::string user = ::getpwuid(::geteuid())->pw_name;
  WriteFile(dir.File("Cfg/VELMO.INI"),
            "[GLOBAL]\r\nTYPESDIR=\"" + dir.path() + "\\shared\\$USERNAME-$COMPUTERNAME\\\"  \r\n");
  std::string expected_folder = dir.path() + "/shared/" + user + "-" + host;

  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "\\Types\\Mill.mac"), expected_folder + "/Mill.mac");
  EXPECT_TRUE(std::filesystem::is_directory(expected_folder));
  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "types"), expected_folder);
  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "Cfg\\Prefig.ini"), dir.path() + "/Cfg/Prefig.ini");
  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "Types/" + std::string(1100, 'x')), "");
}

TEST(BaseDirectoryPathTest, WithoutTypesDirTypesLieUnderTheBaseDirectory) {
  TempDir dir;
  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "/Types/Mill.mac"), dir.path() + "/Types/Mill.mac");
  std::filesystem::create_directories(dir.File("Cfg"));
  WriteFile(dir.File("Cfg/VELMO.INI"), "[GLOBAL]\r\nTYPESDIR=\r\n");
  EXPECT_EQ(ComposeFromBaseDirectory(dir.path(), "Types/Mill.mac"), dir.path() + "/Types/Mill.mac");
}

}  // namespace
}  // namespace prefig
