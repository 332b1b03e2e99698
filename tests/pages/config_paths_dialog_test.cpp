// The paths dialog as a sequence of user actions on its controls: what
// each shows, and what reaches ConfigPaths.cfg and the configuration
// directories.
#include "pages/config_paths_dialog.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "context/config_paths_file.h"
#include "module/services.h"
#include "pages/scripted_services.h"
#include "platform/file_io.h"
#include "support/message_table.h"
#include "support/scoped_env.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

using test::ReadFile;
using test::WriteFile;

const std::vector<std::string> kDefaultKeys = {"ROOTDIR", "CFG", "DATA", "MACHINES", "TYPES", "TOOLLIBS", "LOG"};

// The header is checked byte for byte with the file's text.
const std::string kHeader(kConfigPathsHeader);

class PathsDialog : public ::testing::Test {
 protected:
  PathsDialog() {
    std::filesystem::create_directory(ProgramDir());
    home_.env().Set(GConfigPathHandler::kVendorOverride, std::nullopt);
    home_.env().Set(GConfigPathHandler::kProductOverride, std::nullopt);
  }
  std::string ProgramDir() const { return home_.dir().File("prog"); }
  std::string PathsFile() const { return ProgramDir() + "/ConfigPaths.cfg"; }
  static std::vector<std::string> Keys(DConfigPaths& dialog) {
    std::vector<std::string> keys;
    for (const WComboBox::Entry& entry : dialog.Keys().Entries()) keys.push_back(entry.text);
    return keys;
  }
  static void Select(DConfigPaths& dialog, const std::string& key) {
    std::vector<std::string> keys = Keys(dialog);
    dialog.Keys().UserSelect(static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin()));
  }
  static void Edit(DConfigPaths& dialog, const std::string& key, const std::string& text) {
    Select(dialog, key);
    dialog.Path().UserEdit(text);
  }

  test::IsolatedHome home_;
};

TEST_F(PathsDialog, OpensWithTheFilesValuesAndDefaultAndCancelWriteNothing) {
  WriteFile(PathsFile(), "ROOTDIR=/srv/cnc\nEXTRA = /x\n");
  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  DConfigPaths dialog(handler, &changed);
  std::vector<std::string> keys = kDefaultKeys;
  keys.push_back("EXTRA");
  EXPECT_EQ(Keys(dialog), keys);
  EXPECT_EQ(dialog.Path().Text(), "/srv/cnc");
  EXPECT_TRUE(dialog.CopyFiles().IsChecked());
  Edit(dialog, "CFG", "  \"\\\\srv\\\\cfg\\\\\" ");
  EXPECT_EQ(*dialog.Edited().Find("CFG"), "//srv/cfg");
  Select(dialog, "EXTRA");
  EXPECT_EQ(dialog.Path().Text(), "/x");
  Select(dialog, "CFG");
  EXPECT_EQ(dialog.Path().Text(), "//srv/cfg");
  dialog.DefaultButton().Click();
  EXPECT_EQ(Keys(dialog), kDefaultKeys);
  EXPECT_EQ(dialog.Keys().Selected(), 0);
  EXPECT_EQ(dialog.Path().Text(), "%APPDATA%/%VENDORDIR%/%PRODUCTDIR%");
  EXPECT_EQ(*dialog.Edited().Find("CFG"), "%ROOTDIR%/Cfg");
  dialog.Cancel();
  EXPECT_EQ(dialog.EndCode(), kIdCancel);
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kCancelled);
  EXPECT_EQ(ReadFile(PathsFile()), "ROOTDIR=/srv/cnc\nEXTRA = /x\n");
  EXPECT_FALSE(changed);
}

TEST_F(PathsDialog, OkWritesTheFileTakesItIntoUseAndCopiesTheFiles) {
  // Before: the configuration beside the program, as without a paths file.
  std::string old_cfg = ProgramDir() + "/CFG";
  std::filesystem::create_directories(old_cfg);
  WriteFile(old_cfg + "/main.ini", "[A]\r\n");
  WriteFile(old_cfg + "/other.ini", "old other");
  WriteFile(ProgramDir() + "/editor", "the program itself");
  std::string new_root = home_.dir().File("new root");
  std::filesystem::create_directories(new_root + "/Cfg");
  WriteFile(new_root + "/Cfg/other.ini", "already there");

  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  DConfigPaths dialog(handler, &changed);
  dialog.Path().UserEdit(new_root + "/");  // ROOTDIR is selected
  dialog.Ok();
  EXPECT_EQ(dialog.EndCode(), kIdOk);
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kInstalled);
  EXPECT_TRUE(changed);
  EXPECT_EQ(ReadFile(PathsFile()), kHeader + "ROOTDIR = " + new_root +
                                       "\r\n"
                                       "CFG = %ROOTDIR%/Cfg\r\n"
                                       "DATA = %ROOTDIR%/Data\r\n"
                                       "MACHINES = %ROOTDIR%/Machines\r\n"
                                       "TYPES = %ROOTDIR%/Types\r\n"
                                       "TOOLLIBS = %ROOTDIR%/ToolLibs\r\n"
                                       "LOG = %ROOTDIR%/Log\r\n");
  EXPECT_EQ(handler.GetPath("CFG"), new_root + "/Cfg");
  EXPECT_EQ(ReadFile(new_root + "/Cfg/main.ini"), "[A]\r\n");
  EXPECT_EQ(ReadFile(new_root + "/Cfg/other.ini"), "already there");
  // The old root was the program directory: its files are not configuration.
  EXPECT_FALSE(platform::FileExists(new_root + "/editor"));
  EXPECT_EQ(ReadFile(old_cfg + "/main.ini"), "[A]\r\n");
}

// The new paths are in use when a file cannot be copied to its new folder:
// the user is told, since the new folder lacks it.
TEST_F(PathsDialog, AFileThatCannotBeCopiedToItsNewFolderIsTold) {
  ScopedScriptedServices services;
  test::ScopedMessages messages({{DConfigPaths::kNotCopiedId, "Not copied: %s."}});
  std::string old_cfg = ProgramDir() + "/CFG";
  std::filesystem::create_directories(old_cfg);
  WriteFile(old_cfg + "/main.ini", "[A]\r\n");
  std::string new_root = home_.dir().File("new root");
  std::filesystem::create_directories(new_root);
  WriteFile(new_root + "/Cfg", "a file where the folder goes");
  GConfigPathHandler handler(ProgramDir() + "/editor");
  DConfigPaths dialog(handler, nullptr);
  dialog.Path().UserEdit(new_root + "/");
  dialog.Ok();
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kInstalled);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, "Not copied: " + new_root + "/Cfg.\nNot a directory");
  EXPECT_EQ(ReadFile(old_cfg + "/main.ini"), "[A]\r\n");
}

TEST_F(PathsDialog, APathThatCannotBeWrittenKeepsTheOldPaths) {
  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  DConfigPaths dialog(handler, &changed);
  Edit(dialog, "CFG", "/data/#1");
  dialog.Ok();
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kNotWritten);
  EXPECT_FALSE(changed);
  EXPECT_FALSE(platform::FileExists(PathsFile()));
  EXPECT_EQ(handler.GetPath("CFG"), ProgramDir() + "/CFG");
}

// The user is told which file and why, and may mend the cause and press OK
// again: the dialog stays open with the edited paths.
TEST_F(PathsDialog, OkThatCannotWriteTellsWhyAndStaysOpenUntilOkWrites) {
  ScopedScriptedServices services;
  std::filesystem::create_directory(PathsFile());
  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  DConfigPaths dialog(handler, &changed);
  Edit(dialog, "CFG", "/new/cfg");
  dialog.Ok();
  EXPECT_FALSE(dialog.HasEnded());
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kNotWritten);
  ASSERT_EQ(services.message_boxes.size(), 1u);
  EXPECT_EQ(services.message_boxes[0].text, "The file \"" + PathsFile() + "\" could not be written.\nIs a directory");
  EXPECT_EQ(services.message_boxes[0].caption_id, kErrorCaptionId);
  EXPECT_FALSE(changed);

  std::filesystem::remove(PathsFile());
  dialog.Ok();
  EXPECT_TRUE(dialog.HasEnded());
  EXPECT_EQ(dialog.LastOutcome(), DConfigPaths::Outcome::kInstalled);
  EXPECT_TRUE(changed);
  EXPECT_EQ(handler.GetPath("CFG"), "/new/cfg");
  EXPECT_EQ(services.message_boxes.size(), 1u);
}

TEST_F(PathsDialog, AProtectedProgramDirectoryWithoutPkexecKeepsTheOldPaths) {
  WriteFile(PathsFile(), "CFG=/old/cfg\n");
  ::chmod(PathsFile().c_str(), 0444);
  home_.env().Set("PATH", home_.dir().File("empty-path"));
  std::string dir = home_.dir().path();
  EXPECT_TRUE(test::RunWithoutPrivileges(dir, [&] {
    ::chmod((dir + "/prog").c_str(), 0555);
    GConfigPathHandler handler(dir + "/prog/editor");
    bool changed = false;
    // An installer that would succeed, were there a way to run it elevated.
    DConfigPaths dialog(handler, &changed, {.can_write = {}, .program = "/bin/true"});
    dialog.Keys().UserSelect(1);
    dialog.Path().UserEdit("/new/cfg");
    dialog.Ok();
    return dialog.LastOutcome() == DConfigPaths::Outcome::kNotWritten && !changed &&
           handler.GetPath("CFG") == "/old/cfg" && ReadFile(dir + "/prog/ConfigPaths.cfg") == "CFG=/old/cfg\n";
  }));
}

}  // namespace
}  // namespace prefig

namespace prefig {
namespace {

class PathsTable : public PathsDialog {};

// The table shows every key with its raw path and follows the field.
TEST_F(PathsTable, ARowChoosesItsKeyAndAnEditedPathShowsInItsRow) {
  GConfigPathHandler handler(ProgramDir() + "/editor");
  DConfigPaths dialog(handler, nullptr);
  WHeaderCtrl& table = dialog.Table();
  ASSERT_EQ(table.Count(), static_cast<int>(kDefaultKeys.size()));
  EXPECT_EQ(table.Rows()[1].cells, (std::vector<std::string>{"CFG", "%ROOTDIR%/Cfg"}));
  EXPECT_EQ(table.Selected(), 0);
  table.UserSelect(4);
  EXPECT_EQ(dialog.Keys().SelectedText(), "TYPES");
  EXPECT_EQ(dialog.Path().Text(), "%ROOTDIR%/Types");
  dialog.Path().UserEdit("%ROOTDIR%\\Types2\\");
  EXPECT_EQ(table.Rows()[4].cells[1], "%ROOTDIR%/Types2");
  EXPECT_EQ(table.Selected(), 4);
  dialog.Keys().UserSelect(2);
  EXPECT_EQ(table.Selected(), 2);
  dialog.DefaultButton().Click();
  EXPECT_EQ(table.Rows()[4].cells[1], "%ROOTDIR%/Types");
}

}  // namespace
}  // namespace prefig
