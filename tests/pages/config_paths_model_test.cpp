// The paths dialog as a sequence of steps: what each step shows, and what
// reaches ConfigPaths.cfg and the configuration directories.
#include "pages/config_paths_model.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "context/config_paths_file.h"
#include "module/services.h"
#include "platform/file_io.h"
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
  int IndexOf(const GConfigPathsModel& model, const std::string& key) {
    const auto& keys = model.Keys();
    return static_cast<int>(std::find(keys.begin(), keys.end(), key) - keys.begin());
  }
  void Edit(GConfigPathsModel& model, const std::string& key, const std::string& text) {
    model.Select(IndexOf(model, key));
    model.SetEditText(text);
    model.LeaveEdit();
  }

  test::IsolatedHome home_;
};

TEST_F(PathsDialog, OpensWithTheFilesValuesAndDefaultAndCancelWriteNothing) {
  WriteFile(PathsFile(), "ROOTDIR=/srv/cnc\nEXTRA = /x\n");
  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  GConfigPathsModel model(handler, &changed);
  model.Open();
  std::vector<std::string> keys = kDefaultKeys;
  keys.push_back("EXTRA");
  EXPECT_EQ(model.Keys(), keys);
  EXPECT_EQ(model.EditText(), "/srv/cnc");
  EXPECT_TRUE(model.CopyFiles());
  Edit(model, "CFG", "  \"\\\\srv\\\\cfg\\\\\" ");
  EXPECT_EQ(*model.Edited().Find("CFG"), "//srv/cfg");
  model.Default();
  EXPECT_EQ(model.Keys(), kDefaultKeys);
  EXPECT_EQ(model.Selection(), 0);
  EXPECT_EQ(model.EditText(), "%APPDATA%/%VENDORDIR%/%PRODUCTDIR%");
  EXPECT_EQ(*model.Edited().Find("CFG"), "%ROOTDIR%/Cfg");
  EXPECT_EQ(model.Cancel(), kIdCancel);
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
  GConfigPathsModel model(handler, &changed);
  model.Open();
  model.SetEditText(new_root + "/");  // ROOTDIR is selected
  EXPECT_EQ(model.Ok(), kIdOk);
  EXPECT_EQ(model.LastOutcome(), GConfigPathsModel::Outcome::kInstalled);
  EXPECT_TRUE(changed);
  EXPECT_EQ(ReadFile(PathsFile()), kHeader +
                                       "ROOTDIR = " + new_root + "\r\n"
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

TEST_F(PathsDialog, APathThatCannotBeWrittenKeepsTheOldPaths) {
  GConfigPathHandler handler(ProgramDir() + "/editor");
  bool changed = false;
  GConfigPathsModel model(handler, &changed);
  model.Open();
  Edit(model, "CFG", "/data/#1");
  model.Ok();
  EXPECT_EQ(model.LastOutcome(), GConfigPathsModel::Outcome::kNotWritten);
  EXPECT_FALSE(changed);
  EXPECT_FALSE(platform::FileExists(PathsFile()));
  EXPECT_EQ(handler.GetPath("CFG"), ProgramDir() + "/CFG");
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
    GConfigPathsModel model(handler, &changed, {.can_write = {}, .program = "/bin/true"});
    model.Open();
    model.Select(1);
    model.SetEditText("/new/cfg");
    model.Ok();
    return model.LastOutcome() == GConfigPathsModel::Outcome::kNotWritten && !changed &&
           handler.GetPath("CFG") == "/old/cfg" && ReadFile(dir + "/prog/ConfigPaths.cfg") == "CFG=/old/cfg\n";
  }));
}

}  // namespace
}  // namespace prefig
