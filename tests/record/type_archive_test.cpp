// The machine type archive: which member names may be placed, and reading
// back what was written.
#include "record/type_archive.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace prefig {
namespace {

TEST(TypeArchive, MemberNamesThatCouldLeaveTheirFolderAreRefused) {
  for (const char* name : {"type/ISO Mill.MAC", "files/DATA/sub/ToolList.txt", "5axis/User5Axis.cfg", "a..b/c"}) {
    EXPECT_EQ(WhyUnsafeMemberName(name), nullptr) << name;
  }
  for (const char* name :
       {"", "/etc/passwd", "../evil", "a/../../evil", "a/./b", "a//b", "a/", "C:evil", "a\\b", "a/\x01"}) {
    EXPECT_NE(WhyUnsafeMemberName(name), nullptr) << name;
  }
}

TEST(TypeArchive, WrittenMembersReadBackAndTooManyAreRefused) {
  test::TempDir dir;
  std::string path = dir.File("a.zip");
  std::vector<ArchiveMember> members = {{"type/A.MAC", "[GENERAL]\r\nTYPENAME=1\r\n"}, {"files/DATA/empty", ""}};
  ASSERT_EQ(WriteTypeArchive(path, members), "");
  std::string error;
  std::optional<std::vector<ArchiveMember>> read = ReadTypeArchive(path, error);
  ASSERT_TRUE(read) << error;
  ASSERT_EQ(read->size(), 2u);
  EXPECT_EQ((*read)[0].name, "type/A.MAC");
  EXPECT_EQ((*read)[0].data, members[0].data);
  EXPECT_EQ((*read)[1].data, "");

  std::vector<ArchiveMember> many;
  for (size_t i = 0; i <= kArchiveMembersMax; ++i) many.push_back({"files/DATA/" + std::to_string(i), "x"});
  ASSERT_EQ(WriteTypeArchive(path, many), "");
  EXPECT_FALSE(ReadTypeArchive(path, error));
  EXPECT_FALSE(ReadTypeArchive(dir.File("missing.zip"), error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace prefig
