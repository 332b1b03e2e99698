// File associations: what a normal user and an administrator get in the
// registry and on the desktop, and that unregistering takes back only ours.
#include "platform/file_associations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/desktop_integration.h"
#include "platform/file_io.h"
#include "platform/key_file.h"
#include "platform/machine_type_extensions.h"
#include "platform/privileges.h"
#include "platform/registry.h"
#include "platform/run_program.h"
#include "support/run_program.h"
#include "support/scoped_env.h"

namespace prefig::platform {
namespace {

using test::ReadFile;
using test::WriteFile;

constexpr const char* kUserClasses = "HKEY_CURRENT_USER\\Software\\Classes\\";
constexpr const char* kFileExts =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\";

class Associations : public ::testing::Test {
 protected:
  void SetUp() override {
    program_ = home_.dir().File("bin/editor.exe");
    SetAdministratorCheck([] { return false; });
  }
  void TearDown() override { SetAdministratorCheck(nullptr); }
  std::string DesktopFile() const { return home_.DataHome() + "/applications/VELMO.editor.v8.desktop"; }
  bool MachineHivesExist() const { return FileExists(home_.MachineRegistry()); }

  test::IsolatedHome home_;
  std::string program_;
};

TEST(AssociationNames, IdentifierExtensionListAndExecLine) {
  EXPECT_EQ(ProgramIdentifier("/opt/cnc/editor.exe"), "VELMO.editor.v8");
  EXPECT_EQ(ProgramIdentifier("/opt/cnc/editor", "Pro"), "VELMO.editorPro.v8");
  EXPECT_EQ(SplitExtensions(" nc, .tap,,., NC "), (std::vector<std::string>{"nc", "tap", "NC"}));
  EXPECT_TRUE(IsUsableExtension("tar.gz"));
  EXPECT_FALSE(IsUsableExtension("a/b"));
  EXPECT_EQ(MimeTypeOfExtension(".NC"), "text/x-velmo-nc");
  EXPECT_EQ(DesktopFileId("VELMO.my editor.v8"), "VELMO.my_editor.v8.desktop");
  EXPECT_EQ(ExecProgramText("/opt/50%/editor"), "/opt/50%%/editor");
  // Quoted, with ", `, $ and \ escaped, and the string escape doubling every backslash.
  EXPECT_EQ(ExecProgramText("/opt/my \"cnc\"/$x`y`\\z"), "\"/opt/my \\\\\"cnc\\\\\"/\\\\$x\\\\`y\\\\`\\\\\\\\z\"");
  EXPECT_EQ(ExecProgramText("/opt/a\nb"), "");
}

TEST_F(Associations, ANormalUserGetsPerUserEntriesAndDesktopFilesOnly) {
  ASSERT_TRUE(RegisterExtensions("nc,.tap", {}, program_));
  EXPECT_FALSE(MachineHivesExist());
  for (std::string ext : {".nc", ".tap"}) {
    EXPECT_EQ(ReadRegistryText(kUserClasses + ext + "\\"), "VELMO.editor.v8") << ext;
    EXPECT_EQ(ReadRegistryText(kFileExts + ext + "\\OpenWithList\\a"), "VELMO.editor.v8");
    EXPECT_EQ(ReadRegistryNumber(kFileExts + ext + "\\OpenWithProgids\\VELMO.editor.v8"), 0u);
  }
  EXPECT_EQ(ReadRegistryText(std::string(kUserClasses) + "VELMO.editor.v8\\shell\\open\\command\\"),
            "\"" + program_ + "\" \"%1\"");

  EXPECT_EQ(ReadFile(DesktopFile()),
            "[Desktop Entry]\n"
            "Type=Application\n"
            "Name=editor\n"
            "Exec=" +
                program_ +
                " %f\n"
                "MimeType=text/x-velmo-nc;text/x-velmo-tap;\n"
                "NoDisplay=true\n"
                "Terminal=false\n");
  EXPECT_EQ(ReadFile(home_.DataHome() + "/mime/packages/velmo-nc.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
            "  <mime-type type=\"text/x-velmo-nc\">\n"
            "    <comment>NC File</comment>\n"
            "    <sub-class-of type=\"text/plain\"/>\n"
            "    <glob pattern=\"*.nc\" weight=\"60\"/>\n"
            "  </mime-type>\n"
            "</mime-info>\n");
  EXPECT_EQ(ReadFile(home_.ConfigHome() + "/mimeapps.list"),
            "[Default Applications]\n"
            "text/x-velmo-nc=VELMO.editor.v8.desktop;\n"
            "text/x-velmo-tap=VELMO.editor.v8.desktop;\n"
            "\n"
            "[Added Associations]\n"
            "text/x-velmo-nc=VELMO.editor.v8.desktop;\n"
            "text/x-velmo-tap=VELMO.editor.v8.desktop;\n");
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"nc", "tap"}));
}

TEST_F(Associations, TheDesktopOpensNcFilesWithUs) {
  // The file that the desktop's "open" starts must exist to be chosen.
  ASSERT_EQ(CreateDirectoryPath(DirectoryOf(program_)), 0);
  WriteFile(program_, "#!/bin/sh\n");
  std::filesystem::permissions(program_, std::filesystem::perms::owner_all);
  ASSERT_TRUE(RegisterExtensions("nc,.tap", {}, program_));
  if (FindProgram("xdg-mime").empty()) GTEST_SKIP() << "xdg-mime is not installed (Debian package xdg-utils)";
  test::ProgramResult result =
      test::RunProgram(FindProgram("xdg-mime"), {"query", "default", MimeTypeOfExtension("nc")});
  EXPECT_EQ(result.out, "VELMO.editor.v8.desktop\n") << result.err;
}

TEST_F(Associations, AnAdministratorAlsoRegistersMachineWide) {
  SetAdministratorCheck([] { return true; });
  ASSERT_TRUE(RegisterExtensions("nc", {}, program_, 3));
  ASSERT_TRUE(RegisterExtensions("iso", "ISO Program", program_, 3));
  for (std::string root : {"HKEY_CLASSES_ROOT\\", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\"}) {
    EXPECT_EQ(ReadRegistryText(root + ".nc\\"), "NC File") << root;
    EXPECT_EQ(ReadRegistryText(root + "NC File\\DefaultIcon\\"), program_ + ",3");
    EXPECT_EQ(ReadRegistryText(root + "NC File\\shell\\open\\command\\"), "\"" + program_ + "\" \"%1\"");
    EXPECT_EQ(ReadRegistryText(root + ".iso\\"), "ISO Program");
  }

  // Another program's machine-wide type stays.
  WriteRegistryText("HKEY_CLASSES_ROOT\\.tap\\", "TAP Other");
  WriteRegistryText("HKEY_CLASSES_ROOT\\TAP Other\\shell\\open\\command\\", "\"/usr/bin/other\" \"%1\"");
  ASSERT_TRUE(UnregisterExtensions("nc,tap", program_));
  EXPECT_EQ(ReadRegistryText("HKEY_CLASSES_ROOT\\.tap\\"), "TAP Other");
  EXPECT_EQ(ReadRegistryText("HKEY_CLASSES_ROOT\\.nc\\"), std::nullopt);
  EXPECT_EQ(ReadRegistryText("HKEY_CLASSES_ROOT\\ISO Program\\"), "ISO Program");
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"iso"}));
}

TEST_F(Associations, UnregisteringTakesBackOursAndNothingElse) {
  std::string mimeapps = home_.ConfigHome() + "/mimeapps.list";
  const std::string users_own =
      "[Default Applications]\n"
      "text/plain=gedit.desktop\n"
      "\n"
      "[Added Associations]\n"
      "text/x-velmo-nc=kate.desktop;\n";
  ASSERT_EQ(CreateDirectoryPath(home_.ConfigHome()), 0);
  WriteFile(mimeapps, users_own);
  WriteRegistryText(kUserClasses + std::string(".txt\\"), "SomeoneElse.txt");
  WriteRegistryText(kUserClasses + std::string(".dat\\"), "VELMO.other.v8");

  ASSERT_TRUE(RegisterExtensions("nc,tap", {}, program_));
  EXPECT_EQ(key_file::Value(ReadFile(mimeapps), "Added Associations", "text/x-velmo-nc"),
            "VELMO.editor.v8.desktop;kate.desktop;");
  // .dat belongs to another program: not ours to remove.
  ASSERT_TRUE(UnregisterExtensions("nc,tap,dat", program_));

  EXPECT_EQ(ReadFile(mimeapps), users_own);
  EXPECT_FALSE(FileExists(DesktopFile()));
  EXPECT_FALSE(FileExists(home_.DataHome() + "/mime/packages/velmo-nc.xml"));
  EXPECT_EQ(ReadRegistryText(kUserClasses + std::string(".nc\\")), std::nullopt);
  EXPECT_EQ(ReadRegistryText(kUserClasses + std::string(".txt\\")), "SomeoneElse.txt");
  EXPECT_EQ(ReadRegistryText(kUserClasses + std::string(".dat\\")), "VELMO.other.v8");
  EXPECT_TRUE(RegisteredExtensions(program_).empty());
}

TEST_F(Associations, UnusableExtensionsAreSkippedAndReported) {
  EXPECT_FALSE(RegisterExtensions("nc,../../x,a b", {}, program_));
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"nc"}));
}

TEST_F(Associations, MachineTypesRegisterEachExtensionOnceAndGiveTheListToKeep) {
  const MachineTypeExtensions first[] = {{"Fanuc", {"NC", "tap"}}, {"Heidenhain", {"nc", ".H"}}, {"Empty", {}}};
  MachineTypeRegistration done = RegisterMachineTypeExtensions("", first, false, "Datei", program_);
  ASSERT_TRUE(done.ok);
  EXPECT_EQ(done.list, "NC,tap,H");
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"nc", "tap", "h"}));
  // The type's name ends in the word given, the message table's "File".
  EXPECT_NE(ReadFile(home_.DataHome() + "/mime/packages/velmo-h.xml").find("<comment>Heidenhain Datei</comment>"),
            std::string::npos);

  // Something is registered: asked for only-if-none, nothing changes.
  const MachineTypeExtensions second[] = {{"Mazak", {"eia"}}};
  done = RegisterMachineTypeExtensions("NC,tap,H", second, true, "Datei", program_);
  EXPECT_TRUE(done.ok);
  EXPECT_EQ(done.list, std::nullopt);
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"nc", "tap", "h"}));
  // Otherwise the last run's extensions go first.
  done = RegisterMachineTypeExtensions("NC,tap,H", second, false, "Datei", program_);
  ASSERT_TRUE(done.ok);
  EXPECT_EQ(done.list, "eia");
  EXPECT_EQ(RegisteredExtensions(program_), (std::vector<std::string>{"eia"}));
}

}  // namespace
}  // namespace prefig::platform
