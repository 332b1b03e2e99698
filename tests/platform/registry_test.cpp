// The registry of our own: path texts, typed values in hive files, tree
// deletion, and who may write the machine-wide roots. Concurrent writers
// take the directory lock of the INI file, tried in file_io_test.
#include "platform/registry.h"

#include <gtest/gtest.h>

#include "platform/file_io.h"
#include "platform/privileges.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace prefig::platform {
namespace {

using test::ReadFile;

class Registry : public ::testing::Test {
 protected:
  void TearDown() override { SetAdministratorCheck(nullptr); }
  std::string UserHive() const { return RegistryHiveFile(RegistryRoot::kCurrentUser); }
  test::IsolatedHome home_;
};

TEST(RegistryPathText, RootKeyAndValueName) {
  struct Case {
    const char* path;
    RegistryRoot root;
    const char *key, *value;
  } cases[] = {
      {"HKEY_CURRENT_USER\\Software\\Classes\\.nc\\", RegistryRoot::kCurrentUser, "Software\\Classes\\.nc", ""},
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Install Dir", RegistryRoot::kLocalMachine, "SOFTWARE\\Vendor",
       "Install Dir"},
      {"HKEY_USERS\\a/b\\c", RegistryRoot::kUsers, "a/b", "c"},  // with a backslash, a slash is part of a name
  };
  for (const Case& c : cases) {
    auto parsed = ParseRegistryPath(c.path);
    ASSERT_TRUE(parsed) << c.path;
    EXPECT_EQ(parsed->root, c.root) << c.path;
    EXPECT_EQ(parsed->key, c.key) << c.path;
    EXPECT_EQ(parsed->value, c.value) << c.path;
  }
  EXPECT_FALSE(ParseRegistryPath("HKEY_NOWHERE\\a\\b"));
  std::string path = "HKEY_CURRENT_USER\\";
  EXPECT_TRUE(ParseRegistryPath(path + std::string(kRegistryPathMax - path.size(), 'k')));
  EXPECT_FALSE(ParseRegistryPath(path + std::string(kRegistryPathMax - path.size() + 1, 'k')));
}

TEST_F(Registry, DefaultValueOfAKeyInTheHiveFile) {
  ASSERT_TRUE(WriteRegistryText("HKEY_CURRENT_USER\\Software\\Classes\\.nc\\", "VELMO.editor.v8"));
  EXPECT_EQ(UserHive(), home_.ConfigHome() + "/prefig/registry/HKEY_CURRENT_USER.ini");
  EXPECT_EQ(ReadFile(UserHive()),
            "\r\n"
            "## SOFTWARE\\CLASSES\\.NC #######################################################\r\n"
            "\r\n"
            "[SOFTWARE\\CLASSES\\.NC]\r\n"
            "@\t\t= \"VELMO.editor.v8\"\r\n");
  EXPECT_EQ(ReadRegistryText("HKEY_CURRENT_USER\\software\\classes\\.NC\\"), "VELMO.editor.v8");
}

TEST_F(Registry, TypedValuesAndAwkwardNamesRoundTrip) {
  const std::string key = "HKEY_CURRENT_USER\\Software\\A [odd] key=with % signs\\";
  EXPECT_TRUE(WriteRegistryText(key + "text", "  \"quoted\" and spaced  "));
  EXPECT_TRUE(WriteRegistryNumber(key + "count", 0xdeadbeef));

  EXPECT_EQ(ReadRegistryText(key + "text"), "  \"quoted\" and spaced  ");
  EXPECT_EQ(ReadRegistryNumber(key + "count"), 0xdeadbeefu);
  // Each type reads as itself only.
  EXPECT_EQ(ReadRegistryText(key + "count"), std::nullopt);
  EXPECT_EQ(ReadRegistryNumber(key + "text"), std::nullopt);
  // A value is one line.
  EXPECT_FALSE(WriteRegistryText(key + "text", "two\nlines"));
  EXPECT_EQ(ReadRegistryText(key + "text"), "  \"quoted\" and spaced  ");
}

TEST_F(Registry, TreeDeletionTakesTheKeyAndItsSubkeysOnly) {
  const std::string classes = "HKEY_CURRENT_USER\\Software\\Classes\\";
  WriteRegistryText(classes + ".nc\\", "a");
  WriteRegistryText(classes + ".nc\\OpenWithList\\a", "b");
  WriteRegistryText(classes + ".ncx\\", "sibling with the same start");
  WriteRegistryText(classes + ".tap\\", "other");

  EXPECT_EQ(RegistrySubkeys(classes), (std::vector<std::string>{".NC", ".NCX", ".TAP"}));
  EXPECT_EQ(RegistrySubkeys(classes + ".nc"), (std::vector<std::string>{"OPENWITHLIST"}));
  EXPECT_TRUE(DeleteRegistryTree(classes + ".NC"));
  EXPECT_EQ(ReadRegistryText(classes + ".nc\\"), std::nullopt);
  EXPECT_EQ(ReadRegistryText(classes + ".ncx\\"), "sibling with the same start");
  EXPECT_EQ(RegistrySubkeys(classes), (std::vector<std::string>{".NCX", ".TAP"}));
}

TEST_F(Registry, MachineWideRootsNeedAnAdministrator) {
  SetAdministratorCheck([] { return false; });
  EXPECT_FALSE(WriteRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\", "x"));
  EXPECT_FALSE(WriteRegistryText("HKEY_CLASSES_ROOT\\.nc\\", "x"));
  EXPECT_FALSE(FileExists(home_.MachineRegistry()));
  EXPECT_TRUE(WriteRegistryText("HKEY_CURRENT_USER\\Software\\Classes\\.nc\\", "x"));

  SetAdministratorCheck([] { return true; });
  EXPECT_TRUE(WriteRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\", "x"));
  EXPECT_EQ(RegistryHiveFile(RegistryRoot::kLocalMachine), home_.MachineRegistry() + "/HKEY_LOCAL_MACHINE.ini");
  EXPECT_EQ(ReadRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\"), "x");
}

}  // namespace
}  // namespace prefig::platform
