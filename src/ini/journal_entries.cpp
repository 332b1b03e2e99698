#include "ini/journal_entries.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <set>

#include "ini/journal_keys.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig::journal {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOldFileName = "old";
constexpr const char* kManifestFileName = "manifest";
constexpr const char* kCompleteFileName = "complete";
constexpr const char* kUnfinishedSuffix = ".tmp";
// Entry folders are numbered with at least this many digits, so that they
// sort by name as by number.
constexpr int kNumberDigits = 6;
constexpr int kNumberMax = 999999999;

std::string EntryTime() {
  std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::string EntryUser() {
  struct passwd entry {};
  struct passwd* found = nullptr;
  char buffer[4096];
  if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr) return found->pw_name;
  if (const char* user = std::getenv("USER"); user != nullptr && *user != '\0') return user;
  return std::to_string(::geteuid());
}

// The number an entry folder's name gives, or 0 for any other name.
int EntryNumber(const std::string& name) {
  if (name.empty() || name.size() > 9 || name.find_first_not_of("0123456789") != std::string::npos) return 0;
  return std::atoi(name.c_str());
}

// A file of an entry: written in place, as nobody reads an entry before
// it is renamed into place (or, for the marker, reads its content).
int WriteJournalFile(const std::string& path, std::string_view data) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return errno;
  int error = 0;
  while (!data.empty() && error == 0) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) data.remove_prefix(static_cast<size_t>(n));
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// Both files of an entry are written before either is flushed: the second
// flush then finds its data on the way already.
int SyncFile(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fdatasync(fd) == 0 ? 0 : errno;
  ::close(fd);
  return error;
}

void SyncDirectory(const std::string& dir) {
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

void RemoveTree(const std::string& path) {
  std::error_code error;
  fs::remove_all(path, error);
  if (error) LogLine("JRNL  : Could not remove %s: %s", path.c_str(), error.message().c_str());
}

uint64_t TreeBytes(const std::string& path) {
  uint64_t bytes = 0;
  std::error_code error;
  for (fs::directory_iterator it(path, error), end; !error && it != end; it.increment(error)) {
    std::error_code size_error;
    uintmax_t size = it->file_size(size_error);
    if (!size_error) bytes += size;
  }
  return bytes;
}

// Puts a file back as the entry holds it. A file that is already so is
// left alone.
int RestoreFile(const ManifestFile& file, std::string_view old) {
  if (file.fate == FileFate::kCreated) {
    int error = platform::RemoveFileDirectly(file.path);
    return error == ENOENT ? 0 : error;
  }
  std::string current;
  if (platform::ReadWholeFileDirectly(file.path, current) == platform::ReadStatus::kOk && current == old) return 0;
  return platform::ReplaceFileDirectly(file.path, old);
}

// The path a change names, absolute and through its links, as the entry
// records it.
std::string CanonicalPath(const std::string& path) {
  return fs::path(platform::ResolveLinks(platform::AbsolutePath(path))).lexically_normal().string();
}

class JournalLock {
 public:
  explicit JournalLock(const std::string& folder) : lock_(platform::JoinPath(folder, kManifestFileName)) {}

 private:
  platform::DirectoryLock lock_;
};

}  // namespace

std::string GJournal::EntryFolder(int number) const {
  char name[16];
  std::snprintf(name, sizeof name, "%0*d", kNumberDigits, number);
  return platform::JoinPath(folder_, name);
}

std::vector<int> GJournal::Numbers() {
  std::vector<int> numbers;
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    if (int number = EntryNumber(it->path().filename().string()); number > 0) numbers.push_back(number);
  }
  std::sort(numbers.begin(), numbers.end());
  return numbers;
}

bool GJournal::IsComplete(int number) {
  return platform::FileExists(platform::JoinPath(EntryFolder(number), kCompleteFileName));
}

int GJournal::Newest() {
  std::vector<int> numbers = Numbers();
  for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
    if (IsComplete(*it) && ReadEntry(*it, nullptr)) return *it;
  }
  return 0;
}

std::optional<GJournal::Entry> GJournal::ReadEntry(int number, std::string* reason) {
  std::string folder = EntryFolder(number);
  std::string text;
  if (platform::ReadWholeFileDirectly(platform::JoinPath(folder, kManifestFileName), text) !=
      platform::ReadStatus::kOk) {
    if (reason) *reason = "no readable manifest";
    return std::nullopt;
  }
  std::optional<Manifest> manifest = ParseManifest(text, reason);
  if (!manifest) return std::nullopt;
  Entry entry{std::move(*manifest), {}};
  if (platform::ReadWholeFileDirectly(platform::JoinPath(folder, kOldFileName), entry.old) !=
      platform::ReadStatus::kOk) {
    if (reason) *reason = "no readable old contents";
    return std::nullopt;
  }
  for (const ManifestFile& file : entry.manifest.files) {
    bool fits = file.offset <= entry.old.size() && file.size <= entry.old.size() - file.offset;
    if (!fits || (file.fate == FileFate::kCreated && file.size != 0) ||
        ContentChecksum(std::string_view(entry.old).substr(fits ? file.offset : 0, fits ? file.size : 0)) !=
            file.checksum) {
      if (reason) *reason = "the old content of " + file.path + " does not match its manifest";
      return std::nullopt;
    }
  }
  return entry;
}

int GJournal::Commit(std::vector<platform::FileChange> changes, const std::string& program) {
  failed_path_.clear();
  if (changes.empty()) return 0;
  if (int error = platform::CreateDirectoryPath(folder_)) {
    failed_path_ = folder_;
    LogLine("JRNL  : Could not create the journal %s: %s", folder_.c_str(), std::strerror(error));
    return error;
  }
  JournalLock lock(folder_);
  return CommitLocked(changes, program);
}

int GJournal::CommitLocked(std::vector<platform::FileChange>& changes, const std::string& program) {
  // 1. The old contents, and which changes change anything.
  Manifest manifest{EntryTime(), program, EntryUser(), {}};
  std::string old;
  std::vector<platform::FileChange*> effective;
  std::set<std::string> seen;
  for (auto it = changes.rbegin(); it != changes.rend(); ++it) {
    it->path = CanonicalPath(it->path);
    if (!seen.insert(it->path).second) it->path.clear();  // a later change of the file wins
  }
  for (platform::FileChange& change : changes) {
    if (change.path.empty()) continue;
    std::string before;
    platform::ReadStatus status = platform::ReadWholeFileDirectly(change.path, before);
    if (status != platform::ReadStatus::kOk && status != platform::ReadStatus::kMissing) {
      LogLine("JRNL  : Save refused, %s cannot be read", change.path.c_str());
      failed_path_ = change.path;
      // A folder in the file's place is the common case worth naming.
      return platform::IsDirectory(change.path) ? EISDIR : EIO;
    }
    bool existed = status == platform::ReadStatus::kOk;
    if (change.remove ? !existed : existed && before == change.content) continue;
    ManifestFile file;
    file.path = change.path;
    file.fate = change.remove ? FileFate::kRemoved : existed ? FileFate::kChanged : FileFate::kCreated;
    file.offset = old.size();
    file.size = existed ? before.size() : 0;
    file.checksum = ContentChecksum(existed ? std::string_view(before) : std::string_view());
    if (file.fate == FileFate::kChanged) file.keys = ChangedKeys(before, change.content);
    old += before;
    manifest.files.push_back(std::move(file));
    effective.push_back(&change);
  }
  if (effective.empty()) return 0;

  // 2. The entry, whole, under its number.
  std::vector<int> numbers = Numbers();
  int number = numbers.empty() ? 1 : std::min(numbers.back() + 1, kNumberMax);
  std::string entry = EntryFolder(number);
  std::string unfinished = platform::JoinPath(folder_, "." + platform::FileNameOf(entry) + kUnfinishedSuffix);
  // The entry of a save of one file need not reach the disk before the
  // file does: the file's own replacement is atomic, and an entry lost with
  // the power only loses its undo. With several files it must, or a power
  // cut could leave a mix with nothing to roll it back.
  bool durable = effective.size() > 1;
  RemoveTree(unfinished);
  int error = ::mkdir(unfinished.c_str(), 0777) == 0 ? 0 : errno;
  const std::string old_file = platform::JoinPath(unfinished, kOldFileName);
  const std::string manifest_file = platform::JoinPath(unfinished, kManifestFileName);
  if (error == 0) error = WriteJournalFile(old_file, old);
  if (error == 0) error = WriteJournalFile(manifest_file, FormatManifest(manifest));
  if (error == 0 && durable) error = SyncFile(old_file);
  if (error == 0 && durable) error = SyncFile(manifest_file);
  if (error == 0 && ::rename(unfinished.c_str(), entry.c_str()) != 0) error = errno;
  if (error != 0) {
    LogLine("JRNL  : Save refused, no journal entry in %s: %s", folder_.c_str(), std::strerror(error));
    RemoveTree(unfinished);
    failed_path_ = folder_;
    return error;
  }
  if (durable) SyncDirectory(folder_);

  // 3. The files, one by one; a failure puts back those written.
  std::set<std::string> directories;
  for (size_t i = 0; i < effective.size(); ++i) {
    const platform::FileChange& change = *effective[i];
    error = change.remove ? platform::RemoveFileDirectly(change.path)
                          : platform::ReplaceFileDirectly(change.path, change.content, change.new_mode);
    if (error == ENOENT && change.remove) error = 0;
    if (error != 0) {
      LogLine("JRNL  : Could not write %s (%s); the save is undone", change.path.c_str(), std::strerror(error));
      for (size_t j = 0; j < i; ++j) {
        const ManifestFile& file = manifest.files[j];
        RestoreFile(file, std::string_view(old).substr(file.offset, file.size));
      }
      RemoveTree(entry);
      failed_path_ = change.path;
      return error;
    }
    directories.insert(platform::DirectoryOf(change.path));
  }

  // 4. Complete: the renames must be on disk before the marker says so.
  if (durable) {
    for (const std::string& dir : directories) SyncDirectory(dir);
  }
  if (int marked = WriteJournalFile(platform::JoinPath(entry, kCompleteFileName), {})) {
    LogLine("JRNL  : Could not mark entry %d complete: %s", number, std::strerror(marked));
  }
  Prune();
  return 0;
}

void GJournal::Recover() {
  if (!platform::IsDirectory(folder_)) return;
  JournalLock lock(folder_);
  std::error_code error;
  for (fs::directory_iterator it(folder_, error), end; !error && it != end; it.increment(error)) {
    std::string name = it->path().filename().string();
    if (name.size() > 5 && name.front() == '.' && name.ends_with(kUnfinishedSuffix)) {
      LogLine("JRNL  : Removed the unfinished entry %s (no file had been written)", name.c_str());
      RemoveTree(it->path().string());
    }
  }
  for (int number : Numbers()) {
    if (IsComplete(number)) continue;
    std::string reason;
    std::optional<Entry> entry = ReadEntry(number, &reason);
    if (!entry) {
      LogLine("JRNL  : Entry %d was cut off and is damaged, its files are left as they are: %s", number,
              reason.c_str());
      continue;
    }
    int failures = 0;
    for (const ManifestFile& file : entry->manifest.files) {
      if (int failed = RestoreFile(file, std::string_view(entry->old).substr(file.offset, file.size))) {
        LogLine("JRNL  : Could not roll back %s: %s", file.path.c_str(), std::strerror(failed));
        ++failures;
      }
    }
    if (failures != 0) continue;  // tried again at the next start
    LogLine("JRNL  : Rolled back the cut-off save %d of '%s' (%s), %zu files", number, entry->manifest.program.c_str(),
            entry->manifest.time.c_str(), entry->manifest.files.size());
    RemoveTree(EntryFolder(number));
  }
}

std::vector<EntrySummary> GJournal::History() {
  std::vector<EntrySummary> history;
  std::vector<int> numbers = Numbers();
  for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
    if (!IsComplete(*it)) continue;
    std::string text, reason;
    std::optional<Manifest> manifest;
    if (platform::ReadWholeFileDirectly(platform::JoinPath(EntryFolder(*it), kManifestFileName), text) ==
        platform::ReadStatus::kOk) {
      manifest = ParseManifest(text, &reason);
    } else {
      reason = "no readable manifest";
    }
    if (!manifest) {
      LogLine("JRNL  : Entry %d skipped, it is damaged: %s", *it, reason.c_str());
      continue;
    }
    history.push_back({*it, std::move(*manifest)});
  }
  return history;
}

int GJournal::Undo(int number, const std::string& program) {
  if (!platform::IsDirectory(EntryFolder(number)) || !IsComplete(number)) return ENOENT;
  std::string reason;
  std::optional<Entry> entry = ReadEntry(number, &reason);
  if (!entry) {
    LogLine("JRNL  : Entry %d cannot be undone, it is damaged: %s", number, reason.c_str());
    return EBADMSG;
  }
  std::vector<platform::FileChange> changes;
  for (const ManifestFile& file : entry->manifest.files) {
    platform::FileChange change;
    change.path = file.path;
    change.remove = file.fate == FileFate::kCreated;
    if (!change.remove) change.content = entry->old.substr(file.offset, file.size);
    changes.push_back(std::move(change));
  }
  return Commit(std::move(changes), program);
}

// Newest first, as long as both limits hold; the newest entry stays even
// when it alone is larger.
void GJournal::Prune() {
  std::vector<int> numbers = Numbers();
  uint64_t bytes = 0;
  size_t kept = 0;
  bool full = false;
  for (auto it = numbers.rbegin(); it != numbers.rend(); ++it) {
    std::string folder = EntryFolder(*it);
    if (!full) {
      uint64_t size = TreeBytes(folder);
      full = kept > 0 && (kept >= kEntriesKept || bytes + size > kBytesKept);
      bytes += size;
      ++kept;
    }
    if (full) RemoveTree(folder);
  }
}

}  // namespace prefig::journal
