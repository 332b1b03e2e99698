// The machine type archive: which member names may be placed, and reading
// back what was written.
#include "record/type_archive.h"

#include <gtest/gtest.h>

#include "record/type_import.h"

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

TEST(TypeArchive, AnArchiveOfNoMemberIsRefusedAndTheOldFileKept) {
  test::TempDir dir;
  std::string path = dir.File("a.zip");
  ASSERT_EQ(WriteTypeArchive(path, {ArchiveMember{"type/A.MAC", "x"}}), "");
  EXPECT_EQ(WriteTypeArchive(path, {}), "an archive needs a member");
  std::string error;
  std::optional<std::vector<ArchiveMember>> read = ReadTypeArchive(path, error);
  ASSERT_TRUE(read) << error;
  EXPECT_EQ(read->size(), 1u);
}

TEST(TypeImport, EveryMemberIsPlacedOrTheWholeArchiveIsRefused) {
  test::TempDir dir;
  std::vector<PathTable::Entry> folders = {{"DATA", dir.File("DATA")}};
  std::vector<ArchiveMember> members = {
      {"type/Mill.mac", "[GENERAL]"}, {"5axis/User5Axis.cfg", ""}, {"files/data/sub/list.txt", "x"}};
  std::string error;
  std::optional<TypeImportPlan> plan = PlanTypeImport(members, folders, error);
  ASSERT_TRUE(plan) << error;
  EXPECT_EQ(plan->type, &members[0]);
  EXPECT_EQ(plan->five_axis, &members[1]);
  ASSERT_EQ(plan->files.size(), 1u);
  EXPECT_EQ(plan->files[0].path, dir.File("DATA") + "/sub/list.txt");

  std::vector<std::vector<ArchiveMember>> refused = {
      {{"type/A.mac", ""}, {"type/B.mac", ""}},
      {{"type/A.txt", ""}},
      {{"type/A.mac", ""}, {"files/TOOLS/a", ""}},
      {{"type/A.mac", ""}, {"files/DATA", ""}},
      {{"type/A.mac", ""}, {"5axis/Other.cfg", ""}},
      {{"type/A.mac", ""}, {"readme.txt", ""}},
      {{"files/DATA/a", ""}},
  };
  for (const auto& archive : refused) {
    error.clear();
    EXPECT_FALSE(PlanTypeImport(archive, folders, error)) << archive.back().name;
    EXPECT_FALSE(error.empty());
  }
}

TEST(TypeImport, TheTypesValuesAreReadAndSetInItsText) {
  std::string text = "; ours\r\n[GENERAL]\r\nTYPENAME = \"old\"\r\n";
  EXPECT_EQ(ImportedValue(text, "general", "typename"), "old");
  EXPECT_EQ(ImportedValue(text, "GENERAL", "DESCRIPTION"), "");
  SetImportedValue(text, "GENERAL", "TYPENAME", "MT0002");
  SetImportedValue(text, "GENERAL", "DESCRIPTION", "Mill (2)");
  EXPECT_EQ(ImportedValue(text, "GENERAL", "TYPENAME"), "MT0002");
  EXPECT_EQ(ImportedValue(text, "GENERAL", "DESCRIPTION"), "Mill (2)");
  EXPECT_EQ(text.substr(0, 8), "; ours\r\n");
}

}  // namespace
}  // namespace prefig
