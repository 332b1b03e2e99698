#include "pages/config_paths_dialog.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "module/services.h"
#include "pages/not_written_message.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "platform/run_program.h"

namespace prefig {
namespace {

// Files of one directory, not its subdirectories.
std::vector<std::string> FilesIn(const std::string& dir) {
  std::vector<std::string> names;
  DIR* handle = ::opendir(dir.c_str());
  if (handle == nullptr) return names;
  while (const dirent* entry = ::readdir(handle)) {
    std::string name = entry->d_name;
    struct stat st {};
    if (::stat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(handle);
  return names;
}

}  // namespace

DConfigPaths::DConfigPaths(GConfigPathHandler& handler, bool* changed, Installer installer)
    : FormDialog(kCaptionId, kOkButtonMessageId, kCancelButtonMessageId),
      handler_(handler),
      changed_(changed),
      installer_(std::move(installer)) {
  if (!installer_.can_write)
    installer_.can_write = [](const std::string& target) { return platform::CanReplaceFile(target); };
  using namespace layout;
  table_.SetControlName("table");
  table_.AddColumn(kKeyColumnId, -25);
  table_.AddColumn(kPathColumnId, 0);
  keys_.SetControlName("key");
  path_.SetControlName("path");
  SetLayout(Column{explanation_, table_, Row{keys_, Stretch{}}, path_, copy_files_, Row{default_, Stretch{}}}, keys_);

  copy_files_.SetCheck(true);
  FillDefaults();
  handler_.ReadPathsFile(as_read_);
  handler_.ReadPathsFile(edited_);
  for (const PathTable::Entry& entry : edited_) old_resolved_.Set(entry.key, handler_.GetPath(entry.key));
  RefillKeys();
}

void DConfigPaths::FillDefaults() {
  edited_.Clear();
  for (const ConfigPathDefault& entry : kConfigPathDefaults) edited_.Set(entry.key, entry.value);
}

void DConfigPaths::RefillKeys() {
  keys_.RemoveAll();
  for (const PathTable::Entry& entry : edited_) keys_.AddText(entry.key);
  keys_.Select(0);
  ShowSelected();
}

// The raw value, placeholders and all.
void DConfigPaths::ShowSelected() {
  const std::string* value = keys_.Selected() >= 0 ? edited_.Find(keys_.SelectedText()) : nullptr;
  path_.SetText(value != nullptr ? *value : std::string());
  RefillTable();
}

void DConfigPaths::RefillTable() {
  std::vector<WHeaderCtrl::Row> rows;
  for (const PathTable::Entry& entry : edited_) rows.push_back({{entry.key, entry.value}});
  table_.SetRows(std::move(rows));
  table_.Select(keys_.Selected());
}

// On every change rather than when the field is left: nothing reads the
// table in between, and OK stores the field again.
void DConfigPaths::StorePath() {
  if (keys_.Selected() < 0) return;
  edited_.Set(keys_.SelectedText(), GConfigPathHandler::NormalisePath(path_.Text()));
  RefillTable();
}

void DConfigPaths::OnEdited(WControl& control) {
  if (&control == &table_ && table_.Selected() >= 0) {
    keys_.Select(table_.Selected());
    ShowSelected();
  } else if (&control == &keys_) {
    if (keys_.Selected() < 0) keys_.Select(0);
    ShowSelected();
  } else if (&control == &path_) {
    StorePath();
  }
}

// The defaults only: the values read from the file are dropped.
void DConfigPaths::Default() {
  FillDefaults();
  RefillKeys();
}

void DConfigPaths::Cancel() {
  outcome_ = Outcome::kCancelled;
  FormDialog::Cancel();
}

bool DConfigPaths::Differs() const {
  for (const PathTable::Entry& entry : edited_) {
    const std::string* read = as_read_.Find(entry.key);
    if (read == nullptr || *read != entry.value) return true;
  }
  return false;
}

// Straight into place when we may write the program directory; otherwise a
// temporary file that the installer, run as administrator, puts there. Its
// arguments travel as an argument vector, so no path can become a command.
int DConfigPaths::Install() {
  std::string target = handler_.PathsFile();
  if (installer_.can_write(target)) return GConfigPathHandler::WritePathsFile(edited_, target);
  std::string temp = platform::CreateTemporaryFile(kTemporaryPrefix);
  if (temp.empty()) {
    LogLine("PATHS : No temporary file for %s", target.c_str());
    return EACCES;
  }
  int error = GConfigPathHandler::WritePathsFile(edited_, temp);
  if (error == 0) {
    std::string program =
        installer_.program.empty() ? handler_.ProgramDirectory() + "/" + kInstallerProgram : installer_.program;
    platform::RunResult run = platform::RunProgram(
        program, {"paths", "install", temp, "--program", handler_.ProgramFile()}, {.wait = true, .elevate = true});
    if (!run.Succeeded()) {
      LogLine("PATHS : Installing %s failed (%d, exit %d)", target.c_str(), run.error, run.exit_code);
      // The installer says why on its own error output; here only that
      // the program directory stayed closed to us.
      error = run.error != 0 ? run.error : EACCES;
    }
  }
  ::unlink(temp.c_str());
  return error;
}

// ROOTDIR is left out: before the first ConfigPaths.cfg it is the program
// directory, whose files are the program's own, not configuration. So is
// SITE: the administrator's folder is read, never filled by a workstation.
void DConfigPaths::CopyChangedDirectories() {
  std::optional<WriteFailure> first;
  auto failed = [&](const std::string& path, int error) {
    LogLine("PATHS : Cannot copy to %s: %s", path.c_str(), std::strerror(error));
    KeepFirst(first, path, error);
  };
  for (const PathTable::Entry& entry : edited_) {
    if (entry.key == kRootDirKey || entry.key == kSiteKey) continue;
    const std::string* old_dir = old_resolved_.Find(entry.key);
    std::string new_dir = handler_.GetPath(entry.key);
    if (old_dir == nullptr || old_dir->empty() || new_dir.empty() || *old_dir == new_dir) continue;
    std::vector<std::string> files = FilesIn(*old_dir);
    if (files.empty()) continue;
    if (int error = platform::CreateDirectoryPath(new_dir)) {
      failed(new_dir, error);
      continue;
    }
    for (const std::string& name : files) {
      // A file already in the new directory is kept: it may be the only copy of its settings.
      int error = platform::CopyFile(*old_dir + "/" + name, new_dir + "/" + name, false);
      if (error != 0 && error != EEXIST) failed(new_dir + "/" + name, error);
    }
  }
  // The new paths are in use and the old files where they were: the user
  // must know that the new folder lacks some, or the settings look lost.
  if (first) {
    GetServices().MessageBox({MessageWithText(kNotCopiedId, first->path) + "\n" + std::strerror(first->error),
                              kErrorCaptionId, MessageIcon::kExclamation, MessageButtons::kOk, MessageOwner::kDialog});
  }
}

void DConfigPaths::Ok() {
  StorePath();
  if (!Differs()) {
    outcome_ = Outcome::kUnchanged;
  } else if (int error = Install()) {
    // The old paths stay in use; the user may mend the cause and press OK
    // again, or cancel.
    outcome_ = Outcome::kNotWritten;
    ShowNotWritten(handler_.PathsFile(), error);
    return;
  } else {
    handler_.Reload();
    if (changed_ != nullptr) *changed_ = true;
    outcome_ = Outcome::kInstalled;
    if (copy_files_.IsChecked()) CopyChangedDirectories();
  }
  EndDialog(kIdOk);
}

}  // namespace prefig
