// prefig types export and import: a machine type carried from one
// configuration to another, and archives that must not be imported.
#include <gtest/gtest.h>

#include <filesystem>

#include "record/type_archive.h"
#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig {
namespace {

using test::Prefig;

namespace fs = std::filesystem;

// The default 5-axis machine of every type, and one that no type names.
constexpr char kNamedMachine[] =
    "1$DMU-70$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2$"
    "0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$0.0000000$"
    "1.0000000$0";
constexpr char kOtherMachine[] =
    "1$OTHER$1$1$1$0.0000000$1.0000000$-1.0000000$0.0000000$0.0000000$-155.0000000$180.0000000$0.0000000$1$1$2$"
    "0.0000000$0.0000000$1.0000000$0.0000000$0.0000000$0.0000000$-99999.0000000$99999.0000000$0.0000000$0.0000000$"
    "1.0000000$0";

class TypeArchiveCli : public ::testing::Test {
 protected:
  test::IsolatedHome home;
  test::TempDir from, to;
  TypeArchiveCli() {
    home.env().Set("LC_ALL", "C");
    EXPECT_EQ(Prefig({"init", "--root", from.path()}).exit_code, 0);
    fs::create_directories(from.File("DATA"));
    test::WriteFile(from.File("DATA/Mine.txt"), "tool list template\r\n");
    test::WriteFile(from.File("TYPES/User5Axis.cfg"), std::string(kOtherMachine) + "\r\n" + kNamedMachine + "\r\n");
    EXPECT_EQ(
        Prefig({"ini", "set", from.File("TYPES/ISO Mill.MAC"), "TOOLLIST", "TEMPLATE", from.File("DATA/Mine.txt")})
            .exit_code,
        0);
  }
  std::string Archive() {
    std::string archive = from.File("iso.zip");
    test::ProgramResult result = Prefig({"types", "export", "ISO Milling", archive, "--root", from.path()});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "type/ISO Mill.MAC\n5axis/User5Axis.cfg\nfiles/DATA/Mine.txt\n");
    return archive;
  }
};

TEST_F(TypeArchiveCli, ExportThenImportOnAnEmptyConfigurationCarriesTheTypeAndWhatItUses) {
  test::ProgramResult imported = Prefig({"types", "import", Archive(), "--root", to.path()});
  ASSERT_EQ(imported.exit_code, 0) << imported.err << imported.out;
  EXPECT_EQ(imported.out, to.File("DATA/Mine.txt") + "\n" + to.File("TYPES/User5Axis.cfg") + "\n" +
                              to.File("TYPES/ISO Milling.MAC") + "\n");
  EXPECT_EQ(test::ReadFile(to.File("DATA/Mine.txt")), "tool list template\r\n");
  EXPECT_EQ(test::ReadFile(to.File("TYPES/User5Axis.cfg")), std::string(kNamedMachine) + "\r\n");
  EXPECT_NE(test::ReadFile(to.File("TYPES/ISO Milling.MAC")).find("TEMPLATE\t= " + to.File("DATA/Mine.txt") + "\r\n"),
            std::string::npos);

  // The same type in both: every setting shown alike but the identifier.
  test::ProgramResult there = Prefig({"types", "show", "ISO Milling", "--root", to.path()});
  test::ProgramResult here = Prefig({"types", "show", "ISO Milling", "--root", from.path()});
  auto without = [](std::string text, const std::string& root) {
    for (size_t at; (at = text.find(root)) != std::string::npos;) text.replace(at, root.size(), "ROOT");
    size_t name = text.find("GENERAL/TYPENAME=");
    return text.erase(name, text.find('\n', name) - name);
  };
  EXPECT_EQ(without(there.out, to.path()), without(here.out, from.path()));
}

TEST_F(TypeArchiveCli, ImportBesideTheOriginalIsANewTypeThatDiffFindsEqualAndReplacesNoFile) {
  std::string archive = Archive();
  test::WriteFile(from.File("DATA/Mine.txt"), "changed since\r\n");
  std::string original = test::ReadFile(from.File("TYPES/ISO Mill.MAC"));
  test::ProgramResult imported = Prefig({"types", "import", archive, "--root", from.path()});
  ASSERT_EQ(imported.exit_code, 0) << imported.err << imported.out;
  EXPECT_EQ(imported.out, from.File("DATA/Mine (2).txt") + "\n" + from.File("TYPES/ISO Milling (2).MAC") + "\n");
  EXPECT_EQ(test::ReadFile(from.File("DATA/Mine.txt")), "changed since\r\n");
  EXPECT_EQ(test::ReadFile(from.File("TYPES/ISO Mill.MAC")), original);
  EXPECT_EQ(test::ReadFile(from.File("TYPES/User5Axis.cfg")),
            std::string(kOtherMachine) + "\r\n" + kNamedMachine + "\r\n");

  test::WriteFile(from.File("DATA/Mine.txt"), "tool list template\r\n");
  EXPECT_EQ(
      Prefig({"ini", "set", from.File("TYPES/ISO Milling (2).MAC"), "TOOLLIST", "TEMPLATE", from.File("DATA/Mine.txt")})
          .exit_code,
      0);
  test::ProgramResult diff = Prefig({"types", "diff", "ISO Milling", "ISO Milling (2)", "--root", from.path()});
  EXPECT_EQ(diff.exit_code, 0) << diff.err;
  EXPECT_EQ(diff.out, "");
  EXPECT_NE(Prefig({"types", "list", "--root", from.path()}).out.find("\tISO Milling (2)\t"), std::string::npos);
}

TEST_F(TypeArchiveCli, ArchivesWhoseMembersWouldLandOutsideAreRefusedWithoutWritingAnything) {
  std::string type = test::ReadFile(from.File("TYPES/ISO Mill.MAC"));
  const std::vector<std::vector<ArchiveMember>> refused = {
      {{"type/ISO.MAC", type}, {"../../evil", "x"}},
      {{"type/ISO.MAC", type}, {"/tmp/evil", "x"}},
      {{"type/ISO.MAC", type}, {"files/DATA/../../evil", "x"}},
      {{"type/ISO.MAC", type}, {"files/NOSUCHKEY/evil", "x"}},
      {{"type/ISO.MAC", type}, {"evil.txt", "x"}},
      {{"type/../ISO.MAC", type}},
      {{"type/ISO.MAC", type}, {"type/SECOND.MAC", type}},
      {{"5axis/User5Axis.cfg", kNamedMachine}},
      {{"type/ISO.MAC", type}, {"files/DATA/big", std::string(kArchiveMemberMax + 1, 'x')}},
  };
  for (size_t i = 0; i < refused.size(); ++i) {
    std::string archive = from.File("bad" + std::to_string(i) + ".zip");
    ASSERT_EQ(WriteTypeArchive(archive, refused[i]), "");
    test::ProgramResult result = Prefig({"types", "import", archive, "--root", to.path()});
    EXPECT_EQ(result.exit_code, 2) << i << result.out;
    EXPECT_TRUE(result.err.starts_with("prefig: the archive ")) << result.err;
    EXPECT_TRUE(fs::is_empty(to.path())) << i;
  }
  EXPECT_FALSE(fs::exists(fs::path(to.path()).parent_path().parent_path() / "evil"));
  // A folder of the configuration that links elsewhere takes nothing.
  test::TempDir outside;
  fs::create_directories(to.File("DATA"));
  fs::create_directory_symlink(outside.path(), to.File("DATA/link"));
  std::string linked = from.File("linked.zip");
  ASSERT_EQ(WriteTypeArchive(linked, {{"type/ISO.MAC", type}, {"files/DATA/link/evil", "x"}}), "");
  test::ProgramResult through = Prefig({"types", "import", linked, "--root", to.path()});
  EXPECT_EQ(through.exit_code, 2);
  EXPECT_EQ(through.err,
            "prefig: the archive cannot be imported: member \"files/DATA/link/evil\" leads out of its folder through "
            "a link\n");
  EXPECT_TRUE(fs::is_empty(outside.path()));
  fs::remove_all(to.File("DATA"));

  test::WriteFile(from.File("not.zip"), "no archive");
  EXPECT_EQ(Prefig({"types", "import", from.File("not.zip"), "--root", to.path()}).exit_code, 2);
  EXPECT_TRUE(fs::is_empty(to.path()));
}

}  // namespace
}  // namespace prefig
