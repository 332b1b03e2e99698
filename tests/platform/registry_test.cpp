// The registry of our own: path texts, typed values in hive files, tree
// deletion, and who may write the machine-wide roots.
#include "platform/registry.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "platform/privileges.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

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
      {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Vendor\\Install Dir", RegistryRoot::kLocalMachine, "SOFTWARE\\Vendor", "Install Dir"},
      {"HKEY_CLASSES_ROOT/.nc/sub/", RegistryRoot::kClassesRoot, ".nc\\sub", ""},
      {"HKEY_USERS\\a/b\\c", RegistryRoot::kUsers, "a/b", "c"},  // with a backslash, a slash is part of a name
      {"HKEY_CURRENT_CONFIG\\Name", RegistryRoot::kCurrentConfig, "", "Name"},
  };
  for (const Case& c : cases) {
    auto parsed = ParseRegistryPath(c.path);
    ASSERT_TRUE(parsed) << c.path;
    EXPECT_EQ(parsed->root, c.root) << c.path;
    EXPECT_EQ(parsed->key, c.key) << c.path;
    EXPECT_EQ(parsed->value, c.value) << c.path;
  }
  EXPECT_FALSE(ParseRegistryPath("HKEY_NOWHERE\\a\\b"));
  EXPECT_FALSE(ParseRegistryPath("HKEY_CURRENT_USER"));
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
  EXPECT_TRUE(WriteRegistryText(key + "@", "the value named @"));
  EXPECT_TRUE(WriteRegistryText(key, "the default value"));
  EXPECT_TRUE(WriteRegistryText(key + "=[x] %41", "odd name"));
  EXPECT_TRUE(WriteRegistryNumber(key + "count", 0xdeadbeef));
  EXPECT_TRUE(WriteRegistryText(key + "empty", ""));

  EXPECT_EQ(ReadRegistryText(key + "text"), "  \"quoted\" and spaced  ");
  EXPECT_EQ(ReadRegistryText(key + "@"), "the value named @");
  EXPECT_EQ(ReadRegistryText(key), "the default value");
  EXPECT_EQ(ReadRegistryText(key + "=[x] %41"), "odd name");
  EXPECT_EQ(ReadRegistryText(key + "A"), std::nullopt);
  EXPECT_EQ(ReadRegistryNumber(key + "count"), 0xdeadbeefu);
  EXPECT_EQ(ReadRegistryText(key + "empty"), "");
  // Each type reads as itself only.
  EXPECT_EQ(ReadRegistryText(key + "count"), std::nullopt);
  EXPECT_EQ(ReadRegistryNumber(key + "text"), std::nullopt);
  // A value is one line.
  EXPECT_FALSE(WriteRegistryText(key + "text", "two\nlines"));
  EXPECT_EQ(ReadRegistryText(key + "text"), "  \"quoted\" and spaced  ");
  EXPECT_FALSE(WriteRegistryText("HKEY_CURRENT_USER\\TopLevelValue", "x"));
}

TEST_F(Registry, TreeDeletionTakesTheKeyAndItsSubkeysOnly) {
  const std::string classes = "HKEY_CURRENT_USER\\Software\\Classes\\";
  WriteRegistryText(classes + ".nc\\", "a");
  WriteRegistryText(classes + ".nc\\OpenWithList\\a", "b");
  WriteRegistryNumber(classes + ".nc\\OpenWithProgids\\x", 0);
  WriteRegistryText(classes + ".ncx\\", "sibling with the same start");
  WriteRegistryText(classes + ".tap\\", "other");

  EXPECT_EQ(RegistrySubkeys(classes), (std::vector<std::string>{".NC", ".NCX", ".TAP"}));
  EXPECT_EQ(RegistrySubkeys(classes + ".nc"), (std::vector<std::string>{"OPENWITHLIST", "OPENWITHPROGIDS"}));
  EXPECT_TRUE(DeleteRegistryTree(classes + ".NC"));
  EXPECT_EQ(ReadRegistryText(classes + ".nc\\"), std::nullopt);
  EXPECT_EQ(ReadRegistryText(classes + ".nc\\OpenWithList\\a"), std::nullopt);
  EXPECT_EQ(ReadRegistryText(classes + ".ncx\\"), "sibling with the same start");
  EXPECT_EQ(RegistrySubkeys(classes), (std::vector<std::string>{".NCX", ".TAP"}));
  EXPECT_TRUE(DeleteRegistryTree(classes + ".nc\\"));  // already gone

  EXPECT_TRUE(DeleteRegistryValue(classes + ".tap\\"));
  EXPECT_EQ(RegistrySubkeys(classes), (std::vector<std::string>{".NCX"}));
}

TEST_F(Registry, MachineWideRootsNeedAnAdministrator) {
  SetAdministratorCheck([] { return false; });
  EXPECT_FALSE(WriteRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\", "x"));
  EXPECT_FALSE(WriteRegistryText("HKEY_CLASSES_ROOT\\.nc\\", "x"));
  EXPECT_FALSE(DeleteRegistryTree("HKEY_CLASSES_ROOT\\.nc"));
  EXPECT_FALSE(FileExists(home_.MachineRegistry()));
  EXPECT_TRUE(WriteRegistryText("HKEY_CURRENT_USER\\Software\\Classes\\.nc\\", "x"));

  SetAdministratorCheck([] { return true; });
  EXPECT_TRUE(WriteRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\", "x"));
  EXPECT_EQ(RegistryHiveFile(RegistryRoot::kLocalMachine), home_.MachineRegistry() + "/HKEY_LOCAL_MACHINE.ini");
  EXPECT_TRUE(FileExists(RegistryHiveFile(RegistryRoot::kLocalMachine)));
  EXPECT_EQ(ReadRegistryText("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.nc\\"), "x");
}

TEST_F(Registry, RootIsAnAdministratorAndNobodyIsNot) {
  if (::geteuid() == 0) {
    EXPECT_TRUE(IsAdministrator());
  }
  EXPECT_TRUE(test::RunWithoutPrivileges(home_.dir().path(), [] { return !IsAdministrator(); }));
}

TEST_F(Registry, TwoProcessesWritingOneHiveLoseNothing) {
  constexpr int kWrites = 30;
  pid_t children[2];
  for (int c = 0; c < 2; ++c) {
    children[c] = ::fork();
    if (children[c] == 0) {
      for (int i = 0; i < kWrites; ++i) {
        WriteRegistryNumber("HKEY_CURRENT_USER\\Proc" + std::to_string(c) + "\\v" + std::to_string(i), i);
      }
      _exit(0);
    }
  }
  for (pid_t child : children) ::waitpid(child, nullptr, 0);
  for (int c = 0; c < 2; ++c) {
    for (int i = 0; i < kWrites; ++i) {
      EXPECT_EQ(ReadRegistryNumber("HKEY_CURRENT_USER\\Proc" + std::to_string(c) + "\\v" + std::to_string(i)),
                static_cast<uint32_t>(i));
    }
  }
}

}  // namespace
}  // namespace prefig::platform
