// Every command that writes, against the ways a write fails: a path under a
// regular file (the folder is missing), a folder in the file's place, and a
// full disk (a file size limit of 0 in the child). Each must exit 2 with
// the file and the reason, and leave every file as it was.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/run_program.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

namespace prefig {
namespace {

namespace fs = std::filesystem;

enum class Cause { kAsIs, kFullDisk };

// `{dir}` in the arguments and the expected message stands for the test's
// folder, `{root}` for the configuration that `prefig init` made in it.
struct FailingWrite {
  const char* name;
  Cause cause;
  // Made under {dir} before the command runs: a regular file when the path
  // ends in "file" or "TYPES", else a folder.
  std::vector<std::string> arrange;
  std::vector<std::string> args;
  std::string err;
};

std::string Expand(std::string text, const std::string& dir, const std::string& root) {
  for (auto [name, value] : {std::pair<std::string, std::string>{"{dir}", dir}, {"{root}", root}}) {
    for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size())) {
      text.replace(at, name.size(), value);
    }
  }
  return text;
}

test::ProgramResult RunPrefig(Cause cause, const std::vector<std::string>& args) {
  if (cause == Cause::kAsIs) return test::Prefig(args);
  // Writes past the limit then fail with EFBIG instead of killing the
  // child. Its error output goes through a pipe, which the limit spares;
  // its standard output is not looked at.
  std::vector<std::string> shell = {
      "-c", "trap '' XFSZ; set -o pipefail; (ulimit -f 0; exec \"$0\" \"$@\") 2>&1 >/dev/null | cat >&2", PREFIG_CLI};
  shell.insert(shell.end(), args.begin(), args.end());
  return test::RunProgram("/bin/bash", shell);
}

// Every file under the folder with its bytes; the journal's own entries
// are the record of saves made, so they count too.
std::map<std::string, std::string> AllFiles(const std::string& dir) {
  std::map<std::string, std::string> files;
  for (auto it = fs::recursive_directory_iterator(dir); it != fs::recursive_directory_iterator(); ++it) {
    if (it->is_regular_file()) files[fs::relative(it->path(), dir).string()] = test::ReadFile(it->path().string());
  }
  return files;
}

const std::vector<FailingWrite>& FailingWrites() {
  static const std::vector<FailingWrite> cases = {
      {"ini set, folder missing",
       Cause::kAsIs,
       {"file"},
       {"ini", "set", "{dir}/file/a.ini", "A", "K", "v"},
       "prefig: cannot write {dir}/file/a.ini: Not a directory\n"},
      {"ini set, folder in the file's place",
       Cause::kAsIs,
       {"a.ini"},
       {"ini", "set", "{dir}/a.ini", "A", "K", "v"},
       "prefig: cannot write {dir}/a.ini: Is a directory\n"},
      {"ini set, new file on a full disk",
       Cause::kFullDisk,
       {},
       {"ini", "set", "{dir}/new.ini", "A", "K", "v"},
       "prefig: cannot write {dir}/new.ini: File too large\n"},
      {"ini set, full disk",
       Cause::kFullDisk,
       {},
       {"ini", "set", "{root}/CFG/Prefig.ini", "SYSTEM", "TABCHARS", "9"},
       "prefig: cannot write {root}/CFG/Prefig.ini: File too large\n"},
      {"ini delete, full disk",
       Cause::kFullDisk,
       {},
       {"ini", "delete", "{root}/CFG/Prefig.ini", "SYSTEM"},
       "prefig: cannot write {root}/CFG/Prefig.ini: File too large\n"},
      {"paths defaults, folder missing",
       Cause::kAsIs,
       {"file"},
       {"paths", "defaults", "{dir}/file/ConfigPaths.cfg"},
       "prefig: cannot write {dir}/file/ConfigPaths.cfg: Not a directory\n"},
      {"paths defaults, folder in the file's place",
       Cause::kAsIs,
       {"p.cfg"},
       {"paths", "defaults", "{dir}/p.cfg"},
       "prefig: cannot write {dir}/p.cfg: Is a directory\n"},
      {"paths defaults, full disk",
       Cause::kFullDisk,
       {},
       {"paths", "defaults", "{dir}/p.cfg"},
       "prefig: cannot write {dir}/p.cfg: File too large\n"},
      {"paths get --create, folder missing",
       Cause::kAsIs,
       {"file"},
       {"paths", "get", "CFG", "--create", "--program", "{dir}/file/prefig-host"},
       "prefig: cannot create {dir}/file/CFG: Not a directory\n"},
      {"paths install, folder in the file's place",
       Cause::kAsIs,
       {"prog/ConfigPaths.cfg"},
       {"paths", "install", "{root}/CFG/Prefig.ini", "--program", "{dir}/prog/prefig-host"},
       "prefig: cannot install {root}/CFG/Prefig.ini as {dir}/prog/ConfigPaths.cfg: Is a directory\n"},
      {"paths install, full disk",
       Cause::kFullDisk,
       {"prog"},
       {"paths", "install", "{root}/CFG/Prefig.ini", "--program", "{dir}/prog/prefig-host"},
       "prefig: cannot install {root}/CFG/Prefig.ini as {dir}/prog/ConfigPaths.cfg: File too large\n"},
      {"manual, folder missing",
       Cause::kAsIs,
       {"file"},
       {"manual", "{dir}/file/prefig.1"},
       "prefig: cannot write {dir}/file/prefig.1: Not a directory\n"},
      {"manual, full disk",
       Cause::kFullDisk,
       {},
       {"manual", "{dir}/prefig.1"},
       "prefig: cannot write {dir}/prefig.1: File too large\n"},
      {"init, full disk",
       Cause::kFullDisk,
       {},
       {"init", "--root", "{dir}/new"},
       "prefig: cannot write {dir}/new/CFG/Journal: File too large\n"},
      {"init, file in the types folder's place",
       Cause::kAsIs,
       {"new/TYPES"},
       {"init", "--root", "{dir}/new"},
       "prefig: cannot create {dir}/new/TYPES: Not a directory\n"},
      {"init, folder in the main file's place",
       Cause::kAsIs,
       {"new/CFG/Prefig.ini"},
       {"init", "--root", "{dir}/new"},
       "prefig: cannot write {dir}/new/CFG/Prefig.ini: Is a directory\n"},
      {"page set, full disk",
       Cause::kFullDisk,
       {},
       {"page", "set", "DGlobal", "SYSTEM/TABCHARS=12", "--root", "{root}"},
       "prefig: nothing saved, cannot write {root}/CFG/Journal: File too large\n"},
      {"undo, full disk",
       Cause::kFullDisk,
       {},
       {"undo", "--root", "{root}"},
       "prefig: nothing restored, cannot write {root}/CFG/Journal: File too large\n"},
      {"page set, folder in the DNC file's place",
       Cause::kAsIs,
       {"root/CFG/DNCClient.ini"},
       {"page", "set", "DDNCAdm", "CLIENT/SHOWLOG=off", "--root", "{root}"},
       "prefig: Error: The settings were not saved: {root}/CFG/DNCClient.ini: Is a directory. Mend the cause and "
       "press OK again, or press Cancel.\nprefig: cannot write {root}/CFG/DNCClient.ini: Is a directory\n"},
      {"page set 5axis, folder in the user file's place",
       Cause::kAsIs,
       {"root/TYPES/User5Axis.cfg"},
       {"page", "set", "5axis", "--root", "{root}"},
       "prefig: Error: The file \"{root}/TYPES/User5Axis.cfg\" could not be written.\nIs a directory\n"
       "prefig: cannot write {root}/TYPES/User5Axis.cfg\n"},
      {"page set paths, folder in the paths file's place",
       Cause::kAsIs,
       {"root/ConfigPaths.cfg"},
       {"page", "set", "paths", "path={dir}/elsewhere", "--root", "{root}"},
       "prefig: Error: The file \"{root}/ConfigPaths.cfg\" could not be written.\nIs a directory\n"
       "prefig: cannot write {root}/ConfigPaths.cfg\n"},
      {"types export, folder in the archive's place",
       Cause::kAsIs,
       {"out.zip"},
       {"types", "export", "1", "{dir}/out.zip", "--root", "{root}"},
       "prefig: cannot write {dir}/out.zip: Is a directory\n"},
      {"msg compile, folder in the file's place",
       Cause::kAsIs,
       {"msg_en-US.bin"},
       {"msg", "compile", PREFIG_SOURCE_DIR "/resources/msg/msg_en-US.txt", "{dir}/msg_en-US.bin"},
       "prefig: cannot write {dir}/msg_en-US.bin: Is a directory\n"},
      {"msg compile, full disk",
       Cause::kFullDisk,
       {},
       {"msg", "compile", PREFIG_SOURCE_DIR "/resources/msg/msg_en-US.txt", "{dir}/msg_en-US.bin"},
       "prefig: cannot write {dir}/msg_en-US.bin: File too large\n"},
      {"msg pack, folder in the file's place",
       Cause::kAsIs,
       {"msg_de-DE.xmlz"},
       {"msg", "pack", PREFIG_SOURCE_DIR "/resources/msg/msg_de-DE.xml", "{dir}/msg_de-DE.xmlz"},
       "prefig: cannot write {dir}/msg_de-DE.xmlz: Is a directory\n"},
      {"msg pack, full disk",
       Cause::kFullDisk,
       {},
       {"msg", "pack", PREFIG_SOURCE_DIR "/resources/msg/msg_de-DE.xml", "{dir}/msg_de-DE.xmlz"},
       "prefig: cannot write {dir}/msg_de-DE.xmlz: File too large\n"},
      {"types import, types folder missing",
       Cause::kAsIs,
       {"other/TYPES"},
       {"types", "import", "{dir}/type.zip", "--root", "{dir}/other"},
       "prefig: cannot write {dir}/other/TYPES/ISO Milling.MAC: Not a directory\n"},
  };
  return cases;
}

TEST(WriteFailureCli, EveryWritingCommandExitsWithTheFileAndTheReasonAndChangesNothing) {
  for (const FailingWrite& c : FailingWrites()) {
    SCOPED_TRACE(c.name);
    test::IsolatedHome home;
    home.env().Set("LC_ALL", "C");
    test::TempDir dir;
    std::string root = dir.File("root");
    ASSERT_EQ(test::Prefig({"init", "--root", root}).exit_code, 0);
    ASSERT_EQ(test::Prefig({"types", "export", "1", dir.File("type.zip"), "--root", root}).exit_code, 0);
    for (const std::string& made : c.arrange) {
      fs::path path = dir.File(made);
      if (path.filename() == "file" || path.filename() == "TYPES") {
        fs::create_directories(path.parent_path());
        test::WriteFile(path.string(), "a file");
      } else {
        fs::create_directories(path);
      }
    }
    const std::map<std::string, std::string> before = AllFiles(dir.path());
    std::vector<std::string> args;
    for (const std::string& arg : c.args) args.push_back(Expand(arg, dir.path(), root));
    test::ProgramResult result = RunPrefig(c.cause, args);
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.err, Expand(c.err, dir.path(), root));
    EXPECT_EQ(AllFiles(dir.path()), before);
  }
}

// The registrations are several files of the desktop: which were written
// is not undone, but the command does not claim success.
TEST(WriteFailureCli, AssociationsThatCannotBeWrittenAreReported) {
  test::IsolatedHome home;
  home.env().Set("LC_ALL", "C");
  test::WriteFile(home.dir().File("file"), "a file");
  for (const char* variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
    SCOPED_TRACE(variable);
    test::ScopedEnv env;
    env.Set(variable, home.dir().File("file/under"));
    test::ProgramResult result = test::Prefig({"assoc", "register", "nc", "--program", home.dir().File("prefig-host")});
    EXPECT_EQ(result.exit_code, 2);
    EXPECT_EQ(result.err, "prefig: not every registration could be written\n");
  }
}

// Removing them is writing too: the desktop's files that cannot be
// rewritten make the command say so.
TEST(WriteFailureCli, AssociationsThatCannotBeRemovedAreReported) {
  test::IsolatedHome home;
  home.env().Set("LC_ALL", "C");
  test::WriteFile(home.dir().File("file"), "a file");
  std::string program = home.dir().File("prefig-host");
  ASSERT_EQ(test::Prefig({"assoc", "register", "nc", "--program", program}).exit_code, 0);
  test::ScopedEnv env;
  env.Set("XDG_DATA_HOME", home.dir().File("file/under"));
  test::ProgramResult result = test::Prefig({"assoc", "unregister", "nc", "--program", program});
  EXPECT_EQ(result.exit_code, 2);
  EXPECT_EQ(result.err, "prefig: not every registration could be removed\n");
}

// The fixes of all files are one save: a type file that cannot be written
// keeps the main INI file's fix from being made too.
TEST(WriteFailureCli, CheckFixThatCannotWriteOneFileFixesNone) {
  test::IsolatedHome home;
  home.env().Set("LC_ALL", "C");
  std::string root = home.dir().File("root");
  ASSERT_EQ(test::Prefig({"init", "--root", root}).exit_code, 0);
  std::string main_ini = root + "/CFG/Prefig.ini";
  std::string type = root + "/TYPES/ISO Mill.MAC";
  std::string main_text = test::ReadFile(main_ini);
  std::string type_text = test::ReadFile(type);
  auto out_of_range = [](std::string text, const std::string& line, const std::string& replaced) {
    size_t at = text.find(line);
    return at == std::string::npos ? std::string() : text.replace(at, line.size(), replaced);
  };
  main_text = out_of_range(main_text, "TABCHARS\t= 8\r\n", "TABCHARS\t= 999\r\n");
  type_text = out_of_range(type_text, "BASICTYPE\t= 0\r\n", "BASICTYPE\t= 77\r\n");
  ASSERT_FALSE(main_text.empty());
  ASSERT_FALSE(type_text.empty());
  test::WriteFile(main_ini, main_text);
  test::WriteFile(type, type_text);
  EXPECT_TRUE(test::RunWithoutPrivileges(home.dir().path(), [&] {
    for (const auto& entry : fs::directory_iterator(root + "/TYPES")) ::chmod(entry.path().c_str(), 0444);
    ::chmod((root + "/TYPES").c_str(), 0555);
    test::ProgramResult result = test::Prefig({"check", "--fix", "--root", root});
    return result.exit_code == 2 &&
           result.err == "prefig: nothing fixed, cannot write " + type + ": Permission denied\n";
  }));
  EXPECT_EQ(test::ReadFile(main_ini), main_text);
  EXPECT_EQ(test::ReadFile(type), type_text);
}

// The commands that only read work on a copy of the configuration: a file
// that cannot be copied ends the command, rather than an answer about a
// configuration without it.
TEST(WriteFailureCli, ACopyForReadingThatLacksAFileIsNoAnswer) {
  test::IsolatedHome home;
  home.env().Set("LC_ALL", "C");
  std::string root = home.dir().File("root");
  ASSERT_EQ(test::Prefig({"init", "--root", root}).exit_code, 0);
  std::string type = root + "/TYPES/ISO Mill.MAC";
  EXPECT_TRUE(test::RunWithoutPrivileges(home.dir().path(), [&] {
    ::chmod(type.c_str(), 0);
    test::ProgramResult result = test::Prefig({"types", "list", "--root", root});
    return result.exit_code == 2 && result.err == "prefig: cannot copy " + type + ": Permission denied\n";
  }));
}

}  // namespace
}  // namespace prefig
