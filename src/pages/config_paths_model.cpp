#include "pages/config_paths_model.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "platform/module_log.h"
#include "module/services.h"
#include "platform/file_io.h"
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
    struct stat st{};
    if (::stat((dir + "/" + name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
  }
  ::closedir(handle);
  return names;
}

}  // namespace

GConfigPathsModel::GConfigPathsModel(GConfigPathHandler& handler, bool* changed)
    : GConfigPathsModel(handler, changed, Installer{}) {}

GConfigPathsModel::GConfigPathsModel(GConfigPathHandler& handler, bool* changed, Installer installer)
    : handler_(handler), changed_(changed), installer_(std::move(installer)) {
  if (!installer_.can_write) installer_.can_write = [](const std::string& target) { return platform::CanReplaceFile(target); };
}

void GConfigPathsModel::FillDefaults() {
  edited_.Clear();
  for (const ConfigPathDefault& entry : kConfigPathDefaults) edited_.Set(entry.key, entry.value);
}

void GConfigPathsModel::RefillKeys() {
  keys_.clear();
  for (const PathTable::Entry& entry : edited_) keys_.push_back(entry.key);
  Select(0);
}

void GConfigPathsModel::Open() {
  copy_files_ = true;
  outcome_ = Outcome::kOpen;
  FillDefaults();
  as_read_.Clear();
  handler_.ReadPathsFile(as_read_);
  handler_.ReadPathsFile(edited_);
  old_resolved_.Clear();
  for (const PathTable::Entry& entry : edited_) old_resolved_.Set(entry.key, handler_.GetPath(entry.key));
  RefillKeys();
}

void GConfigPathsModel::Select(int index) {
  if (index < 0 || static_cast<size_t>(index) >= keys_.size()) return;
  selection_ = index;
  const std::string* value = edited_.Find(keys_[static_cast<size_t>(index)]);
  edit_text_ = value != nullptr ? *value : std::string();
}

void GConfigPathsModel::LeaveEdit() {
  if (selection_ < 0 || static_cast<size_t>(selection_) >= keys_.size()) return;
  edited_.Set(keys_[static_cast<size_t>(selection_)], GConfigPathHandler::NormalisePath(edit_text_));
}

void GConfigPathsModel::Default() {
  FillDefaults();
  RefillKeys();
}

int GConfigPathsModel::Cancel() {
  outcome_ = Outcome::kCancelled;
  return kIdCancel;
}

bool GConfigPathsModel::Differs() const {
  for (const PathTable::Entry& entry : edited_) {
    const std::string* read = as_read_.Find(entry.key);
    if (read == nullptr || *read != entry.value) return true;
  }
  return false;
}

// Straight into place when we may write the program directory; otherwise a
// temporary file that the installer, run as administrator, puts there. Its
// arguments travel as an argument vector, so no path can become a command.
bool GConfigPathsModel::Install() {
  std::string target = handler_.PathsFile();
  if (installer_.can_write(target)) return GConfigPathHandler::WritePathsFile(edited_, target);
  std::string temp = platform::CreateTemporaryFile(kTemporaryPrefix);
  if (temp.empty()) {
    LogLine("PATHS : No temporary file for %s", target.c_str());
    return false;
  }
  bool ok = GConfigPathHandler::WritePathsFile(edited_, temp);
  if (ok) {
    std::string program = installer_.program.empty() ? handler_.ProgramDirectory() + "/" + kInstallerProgram
                                                     : installer_.program;
    platform::RunResult run = platform::RunProgram(
        program, {"paths", "install", temp, "--program", handler_.ProgramFile()}, {.wait = true, .elevate = true});
    ok = run.Succeeded();
    if (!ok) LogLine("PATHS : Installing %s failed (%d, exit %d)", target.c_str(), run.error, run.exit_code);
  }
  ::unlink(temp.c_str());
  return ok;
}

// ROOTDIR is left out: before the first ConfigPaths.cfg it is the program
// directory, whose files are the program's own, not configuration.
void GConfigPathsModel::CopyChangedDirectories() {
  for (const PathTable::Entry& entry : edited_) {
    if (entry.key == kRootDirKey) continue;
    const std::string* old_dir = old_resolved_.Find(entry.key);
    std::string new_dir = handler_.GetPath(entry.key);
    if (old_dir == nullptr || old_dir->empty() || new_dir.empty() || *old_dir == new_dir) continue;
    std::vector<std::string> files = FilesIn(*old_dir);
    if (files.empty()) continue;
    if (int error = platform::CreateDirectoryPath(new_dir)) {
      LogLine("PATHS : Cannot create %s: %s", new_dir.c_str(), std::strerror(error));
      continue;
    }
    for (const std::string& name : files) {
      // A file already in the new directory is kept: it may be the only copy of its settings.
      int error = platform::CopyFile(*old_dir + "/" + name, new_dir + "/" + name, false);
      if (error != 0 && error != EEXIST) {
        LogLine("PATHS : Cannot copy %s to %s: %s", name.c_str(), new_dir.c_str(), std::strerror(error));
      }
    }
  }
}

int GConfigPathsModel::Ok() {
  LeaveEdit();
  if (!Differs()) {
    outcome_ = Outcome::kUnchanged;
    return kIdOk;
  }
  if (!Install()) {
    outcome_ = Outcome::kNotWritten;
    return kIdOk;
  }
  handler_.Reload();
  if (changed_ != nullptr) *changed_ = true;
  outcome_ = Outcome::kInstalled;
  if (copy_files_) CopyChangedDirectories();
  return kIdOk;
}

}  // namespace prefig
