#include "ini/journal_transaction.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ini/journal_entries.h"
#include "platform/command_line.h"
#include "platform/file_change_hook.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig::journal {
namespace {

std::string NormalPath(const std::string& path) {
  return std::filesystem::path(platform::ResolveLinks(platform::AbsolutePath(path))).lexically_normal().string();
}

std::string NormalFolder(const std::string& folder) {
  std::string normal = std::filesystem::path(platform::AbsolutePath(folder)).lexically_normal().string();
  while (normal.size() > 1 && normal.back() == '/') normal.pop_back();
  return normal;
}

// The changes of the open transaction, by normalised path; later changes
// of a file replace earlier ones.
class PendingChanges {
 public:
  bool Empty() const { return changes_.empty(); }
  void Put(platform::FileChange change, const std::string& key) {
    auto [it, added] = index_.emplace(key, changes_.size());
    if (added) {
      changes_.push_back(std::move(change));
    } else {
      changes_[it->second] = std::move(change);
    }
  }
  const platform::FileChange* Find(const std::string& key) const {
    auto it = index_.find(key);
    return it == index_.end() ? nullptr : &changes_[it->second];
  }
  template <typename Visit>
  void ForEach(Visit visit) const {
    for (const auto& [key, position] : index_) visit(key, changes_[position]);
  }
  std::vector<platform::FileChange> Take() {
    index_.clear();
    return std::exchange(changes_, {});
  }

 private:
  std::vector<platform::FileChange> changes_;
  std::unordered_map<std::string, size_t> index_;
};

class ProcessJournal : public platform::FileChangeHook {
 public:
  bool Covers(const std::string& path) override {
    if (!journal_) return false;
    std::string folder = platform::DirectoryOf(NormalPath(path));
    for (const std::string& watched : watched_) {
      if (folder == watched) return true;
    }
    return false;
  }

  int Apply(std::vector<platform::FileChange>& changes) override {
    if (depth_ == 0) return journal_->Commit(std::move(changes), JournalProgram());
    for (const platform::FileChange& change : changes) {
      // What the save could not write is refused now, not at its end.
      if (int error = change.remove ? 0 : platform::WhyCannotReplaceFile(change.path)) {
        failed_path = change.path;
        return error;
      }
    }
    for (platform::FileChange& change : changes) {
      std::string key = NormalPath(change.path);
      pending_.Put(std::move(change), key);
    }
    return 0;
  }

  bool Pending(const std::string& path, const std::string** content) override {
    if (pending_.Empty()) return false;
    const platform::FileChange* change = pending_.Find(NormalPath(path));
    if (change == nullptr) return false;
    *content = change->remove ? nullptr : &change->content;
    return true;
  }

  std::vector<std::pair<std::string, bool>> PendingInFolder(const std::string& folder) override {
    std::vector<std::pair<std::string, bool>> names;
    if (pending_.Empty()) return names;
    std::string normal = NormalFolder(folder);
    pending_.ForEach([&](const std::string& key, const platform::FileChange& change) {
      if (platform::DirectoryOf(key) == normal) names.emplace_back(platform::FileNameOf(key), !change.remove);
    });
    return names;
  }

  int Attach(const std::string& configuration_folder) {
    CommitPending();
    journal_ = std::make_unique<GJournal>(platform::JoinPath(configuration_folder, kJournalFolderName));
    journal_->Recover();
    watched_.assign(1, NormalFolder(configuration_folder));
    platform::InstallFileChangeHook(this);
    return ++attachments_;
  }

  void Detach(int id) {
    if (id != attachments_ || !journal_) return;
    CommitPending();
    platform::InstallFileChangeHook(nullptr);
    journal_.reset();
    watched_.clear();
  }

  void Watch(const std::string& folder) {
    std::string normal = NormalFolder(folder);
    if (journal_ && std::find(watched_.begin(), watched_.end(), normal) == watched_.end()) watched_.push_back(normal);
  }

  void Open() { ++depth_; }

  int Close(bool drop) {
    if (depth_ == 0 || --depth_ > 0) return 0;
    if (drop) {
      if (!pending_.Empty()) LogLine("JRNL  : A save was abandoned, no file changed");
      pending_.Take();
      return 0;
    }
    return CommitPending();
  }

  GJournal* Journal() { return journal_.get(); }
  std::string program;
  std::string failed_path;  // of the last save refused or not made

 private:
  int CommitPending() {
    if (pending_.Empty()) return 0;
    std::vector<platform::FileChange> changes = pending_.Take();
    if (!journal_) return ENOENT;
    int error = journal_->Commit(std::move(changes), JournalProgram());
    if (error != 0) failed_path = journal_->FailedPath();
    return error;
  }

  std::unique_ptr<GJournal> journal_;
  std::vector<std::string> watched_;
  PendingChanges pending_;
  int depth_ = 0;
  int attachments_ = 0;
};

ProcessJournal& TheJournal() {
  static ProcessJournal journal;
  return journal;
}

}  // namespace

JournalAttachment::~JournalAttachment() { TheJournal().Detach(id_); }

std::unique_ptr<JournalAttachment> AttachJournal(const std::string& configuration_folder) {
  return std::unique_ptr<JournalAttachment>(new JournalAttachment(TheJournal().Attach(configuration_folder)));
}

GJournal* AttachedJournal() { return TheJournal().Journal(); }

void WatchFolder(const std::string& folder) { TheJournal().Watch(folder); }

void SetJournalProgram(std::string program) { TheJournal().program = std::move(program); }

std::string JournalProgram() {
  if (!TheJournal().program.empty()) return TheJournal().program;
  std::vector<std::string> command_line = platform::CommandLine();
  if (command_line.empty()) return "?";
  std::string program = platform::FileNameOf(command_line[0]);
  if (command_line.size() > 1) program += " " + platform::JoinArguments(command_line);
  return program;
}

JournalTransaction::JournalTransaction() : exceptions_(std::uncaught_exceptions()) { TheJournal().Open(); }

JournalTransaction::~JournalTransaction() {
  if (!open_) return;
  if (std::uncaught_exceptions() > exceptions_) {
    open_ = false;
    TheJournal().Close(true);
    return;
  }
  if (int error = Commit()) LogLine("JRNL  : A save was not made: %s", std::strerror(error));
}

int JournalTransaction::Commit() {
  if (!open_) return 0;
  open_ = false;
  int error = TheJournal().Close(false);
  if (error != 0) failed_path_ = TheJournal().failed_path;
  return error;
}

void JournalTransaction::Abandon() {
  if (!open_) return;
  open_ = false;
  TheJournal().Close(true);
}

}  // namespace prefig::journal
