#include "platform/file_io.h"

#include "platform/file_change_hook.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <random>
#include <vector>

namespace prefig::platform {
namespace {

// Settings files are small; anything this large is not one of ours and is
// refused rather than read into memory.
constexpr off_t kMaxFileBytes = off_t{256} << 20;

int OpenForReading(const std::string& path) { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY); }

bool ReadAll(int fd, std::string& out) {
  struct stat st {};
  if (::fstat(fd, &st) != 0) return false;
  if (S_ISDIR(st.st_mode) || st.st_size > kMaxFileBytes) return false;
  // The size is a hint only: the file may grow or shrink while we read.
  size_t used = 0;
  out.resize(static_cast<size_t>(st.st_size) + 1);
  for (;;) {
    if (used == out.size()) {
      if (static_cast<off_t>(out.size()) >= kMaxFileBytes) return false;
      out.resize(out.size() * 2);
    }
    ssize_t n = ::read(fd, out.data() + used, out.size() - used);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    used += static_cast<size_t>(n);
  }
  out.resize(used);
  return true;
}

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

mode_t ProcessUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0) return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
  }
  return 022;
}

std::string TempNameIn(const std::string& dir, const std::string& name) {
  static thread_local std::mt19937_64 rng{std::random_device{}()};
  char suffix[17];
  std::snprintf(suffix, sizeof suffix, "%016llx", static_cast<unsigned long long>(rng()));
  return dir + "/." + name + "." + suffix + ".tmp";
}

struct Target {
  std::string path;
  std::string dir;
  std::string name;
  bool exists = false;
  struct stat st {};
};

// Produces the new content into a file opened for writing at its start;
// called once per attempt. Returns 0 or an errno value.
using ContentWriter = std::function<int(int fd)>;

// Fills a new inode and gives it the old file's permissions.
int FillNewFile(int fd, const Target& target, const ContentWriter& write) {
  if (int error = write(fd)) return error;
  if (::fdatasync(fd) != 0) return errno ? errno : EIO;
  if (!target.exists) return 0;
  if (::fchmod(fd, target.st.st_mode & 07777) != 0) return errno;
  if (target.st.st_uid != ::geteuid() || target.st.st_gid != ::getegid()) {
    // Only root can give the file back to its owner; others keep their own.
    (void)!::fchown(fd, target.st.st_uid, target.st.st_gid);
  }
  return 0;
}

// An unnamed file that is linked in only when complete, so a process killed
// while writing leaves nothing behind.
int ReplaceThroughUnnamedFile(const Target& target, const ContentWriter& write, mode_t new_mode) {
  // A new file gets `new_mode` as open() gives it, through the umask.
  int fd = ::open(target.dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, target.exists ? 0600 : new_mode);
  if (fd < 0) return errno;
  int error = FillNewFile(fd, target, write);
  if (error == 0) {
    std::string proc = "/proc/self/fd/" + std::to_string(fd);
    for (int attempt = 0; attempt < 16; ++attempt) {
      std::string temp = TempNameIn(target.dir, target.name);
      if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, temp.c_str(), AT_SYMLINK_FOLLOW) != 0) {
        error = errno;
        if (error == EEXIST) continue;
        break;
      }
      error = ::rename(temp.c_str(), target.path.c_str()) == 0 ? 0 : errno;
      if (error != 0) ::unlink(temp.c_str());
      break;
    }
  }
  ::close(fd);
  return error;
}

int ReplaceThroughNamedFile(const Target& target, const ContentWriter& write, mode_t new_mode) {
  std::string temp = TempNameIn(target.dir, target.name);
  int fd = ::open(temp.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0) return errno;
  int error = FillNewFile(fd, target, write);
  if (error == 0 && !target.exists && ::fchmod(fd, new_mode & ~ProcessUmask()) != 0) error = errno;
  ::close(fd);
  if (error == 0 && ::rename(temp.c_str(), target.path.c_str()) != 0) error = errno;
  if (error != 0) ::unlink(temp.c_str());
  return error;
}

// Last resort for a writable file in a directory we may not create files in:
// rewrite it in place. Not crash-safe, but better than refusing to save.
int RewriteInPlace(const Target& target, const ContentWriter& write) {
  int fd = ::open(target.path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return errno;
  int error = write(fd);
  if (error == 0) {
    off_t end = ::lseek(fd, 0, SEEK_CUR);
    if (end < 0 || ::ftruncate(fd, end) != 0 || ::fdatasync(fd) != 0) error = errno ? errno : EIO;
  }
  ::close(fd);
  return error;
}

int ReplaceOnce(const Target& target, const ContentWriter& write, mode_t new_mode) {
  int error = ReplaceThroughUnnamedFile(target, write, new_mode);
  if (error == EOPNOTSUPP || error == EISDIR || error == EINVAL)
    error = ReplaceThroughNamedFile(target, write, new_mode);
  if ((error == EACCES || error == EPERM) && target.exists && ::access(target.path.c_str(), W_OK) == 0) {
    error = RewriteInPlace(target, write);
  }
  return error;
}

// The one way a whole file is written: see ReplaceFile. A new file gets
// `new_mode` less the umask.
int ReplaceWith(const std::string& path, const ContentWriter& write, mode_t new_mode, std::span<const int> waits) {
  Target target;
  target.path = ResolveLinks(path);
  target.dir = DirectoryOf(target.path);
  target.name = FileNameOf(target.path);
  if (target.name.empty()) return EISDIR;
  target.exists = ::stat(target.path.c_str(), &target.st) == 0;
  if (target.exists && !S_ISREG(target.st.st_mode)) return EISDIR;
  return RetryTransient(waits, [&] { return ReplaceOnce(target, write, new_mode); });
}

// Copies everything from `from` (read from its start) into `to`.
int CopyContent(int from, int to) {
  char buffer[65536];
  for (off_t offset = 0;;) {
    ssize_t n = ::pread(from, buffer, sizeof buffer, offset);
    if (n == 0) return 0;
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (!WriteAll(to, std::string_view(buffer, static_cast<size_t>(n)))) return errno ? errno : EIO;
    offset += n;
  }
}

}  // namespace

ReadStatus ReadWholeFile(const std::string& path, std::string& out, std::span<const int> waits) {
  const std::string* pending = nullptr;
  if (FileChangeHook* hook = InstalledFileChangeHook(); hook && hook->Pending(path, &pending)) {
    if (pending == nullptr) return ReadStatus::kMissing;
    out = *pending;
    return ReadStatus::kOk;
  }
  return ReadWholeFileDirectly(path, out, waits);
}

ReadStatus ReadWholeFileDirectly(const std::string& path, std::string& out, std::span<const int> waits) {
  int fd = -1;
  int error = RetryTransient(waits, [&] {
    fd = OpenForReading(path);
    return fd >= 0 ? 0 : errno;
  });
  if (fd < 0) return error == ENOENT || error == ENOTDIR ? ReadStatus::kMissing : ReadStatus::kOpenFailed;
  bool ok = ReadAll(fd, out);
  ::close(fd);
  return ok ? ReadStatus::kOk : ReadStatus::kReadFailed;
}

bool FileExists(const std::string& path) {
  const std::string* pending = nullptr;
  if (FileChangeHook* hook = InstalledFileChangeHook(); hook && hook->Pending(path, &pending))
    return pending != nullptr;
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

std::vector<std::string> FileNamesIn(const std::string& directory) {
  std::vector<std::string> names;
  std::vector<std::pair<std::string, bool>> pending;
  if (FileChangeHook* hook = InstalledFileChangeHook()) pending = hook->PendingInFolder(directory);
  auto pending_state = [&pending](const std::string& name) -> const bool* {
    for (const auto& [pending_name, exists] : pending) {
      if (pending_name == name) return &exists;
    }
    return nullptr;
  };
  if (DIR* dir = ::opendir(directory.c_str())) {
    while (const dirent* entry = ::readdir(dir)) {
      std::string name = entry->d_name;
      struct stat st {};
      if (name == "." || name == ".." || pending_state(name) != nullptr) continue;
      if (::stat(JoinPath(directory, name).c_str(), &st) == 0 && S_ISREG(st.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
  }
  for (const auto& [name, exists] : pending) {
    if (exists) names.push_back(name);
  }
  return names;
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string ResolveLinks(const std::string& path) {
  std::string current = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) break;
    std::string link(static_cast<size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
    ssize_t n = ::readlink(current.c_str(), link.data(), link.size());
    if (n <= 0 || static_cast<size_t>(n) >= link.size()) break;
    link.resize(static_cast<size_t>(n));
    current = link.front() == '/' ? link : DirectoryOf(current) + "/" + link;
  }
  return current;
}

int ReplaceFile(const std::string& path, std::string_view data, std::span<const int> waits) {
  if (FileChangeHook* hook = InstalledFileChangeHook(); hook && hook->Covers(path)) {
    std::vector<FileChange> changes{{.path = path, .content = std::string(data)}};
    return hook->Apply(changes);
  }
  return ReplaceFileDirectly(path, data, 0666, waits);
}

int ReplaceFileDirectly(const std::string& path, std::string_view data, unsigned new_mode, std::span<const int> waits) {
  auto write = [data](int fd) { return WriteAll(fd, data) ? 0 : (errno ? errno : EIO); };
  return ReplaceWith(path, write, static_cast<mode_t>(new_mode), waits);
}

int RemoveFile(const std::string& path) {
  if (FileChangeHook* hook = InstalledFileChangeHook(); hook && hook->Covers(path)) {
    if (!FileExists(path)) return ENOENT;
    std::vector<FileChange> changes{{.path = path, .remove = true, .content = {}}};
    return hook->Apply(changes);
  }
  return RemoveFileDirectly(path);
}

int RemoveFileDirectly(const std::string& path) { return ::unlink(path.c_str()) == 0 ? 0 : errno; }

namespace {

// Copies and moves that the file change hook takes over: the content as
// the hook sees it, the new file with the source's permissions.
int ChangeThroughHook(FileChangeHook& hook, const std::string& from, const std::string& to, bool remove_source) {
  struct stat st {};
  if (!FileExists(from)) return ENOENT;
  if (::stat(from.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return EISDIR;
  std::vector<FileChange> changes(1);
  if (ReadWholeFile(from, changes[0].content) != ReadStatus::kOk) return EIO;
  changes[0].path = to;
  changes[0].new_mode = st.st_mode != 0 ? (st.st_mode & 0777) : 0666;
  if (remove_source) changes.push_back({.path = from, .remove = true, .content = {}});
  std::string dir = DirectoryOf(ResolveLinks(to));
  if (!IsDirectory(dir)) {
    if (int error = CreateDirectoryPath(dir)) return error;
  }
  return hook.Apply(changes);
}

// A copy changes its target only, but must read a source that the hook
// holds a change for through it; a move changes both.
FileChangeHook* HookFor(const std::string& from, const std::string& to, bool move) {
  FileChangeHook* hook = InstalledFileChangeHook();
  const std::string* pending = nullptr;
  if (hook == nullptr) return nullptr;
  bool wanted = hook->Covers(to) || (move ? hook->Covers(from) : hook->Pending(from, &pending));
  return wanted ? hook : nullptr;
}

}  // namespace

int CreateDirectoryPath(const std::string& path) {
  if (path.empty()) return ENOENT;
  // From the root down: each part either exists as a directory or is made.
  for (size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
    std::string part = path.substr(0, end);
    if (!part.empty() && part.back() != '/' && ::mkdir(part.c_str(), 0777) != 0) {
      // A part that mkdir refuses may still be a directory (one we cannot
      // write into on the way down); a file in its place ends the walk.
      int error = errno;
      if (!IsDirectory(part)) return error == EEXIST ? ENOTDIR : error;
    }
    if (end == std::string::npos) break;
  }
  return IsDirectory(path) ? 0 : ENOTDIR;
}

int CopyFile(const std::string& from, const std::string& to, bool overwrite) {
  if (FileChangeHook* hook = HookFor(from, to, false)) {
    if (FileExists(to) && !overwrite) return EEXIST;
    return ChangeThroughHook(*hook, from, to, false);
  }
  int source = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (source < 0) return errno;
  struct stat st {};
  int error = 0;
  if (::fstat(source, &st) != 0) {
    error = errno;
  } else if (!S_ISREG(st.st_mode)) {
    error = EISDIR;
  } else if (FileExists(to) && !overwrite) {
    error = EEXIST;
  } else {
    std::string dir = DirectoryOf(ResolveLinks(to));
    if (!IsDirectory(dir)) error = CreateDirectoryPath(dir);
  }
  if (error == 0) {
    MakeOwnerWritable(to);
    error = ReplaceWith(
        to, [source](int fd) { return CopyContent(source, fd); }, st.st_mode & 0777, kFileRetryWaitsMs);
  }
  ::close(source);
  return error;
}

int MoveFile(const std::string& from, const std::string& to) {
  if (FileChangeHook* hook = HookFor(from, to, true)) return ChangeThroughHook(*hook, from, to, true);
  struct stat st {};
  if (::stat(from.c_str(), &st) != 0) return errno;
  if (!S_ISREG(st.st_mode)) return EISDIR;
  // rename() does not care whether the target is read-only.
  if (::rename(from.c_str(), ResolveLinks(to).c_str()) == 0) return 0;
  if (errno != EXDEV) return errno;
  if (int error = CopyFile(from, to, true)) return error;
  return ::unlink(from.c_str()) == 0 ? 0 : errno;
}

std::string CleanFileName(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name) {
    if (static_cast<unsigned char>(c) >= 32 && std::string_view("\\/:?*\"<>|").find(c) == std::string_view::npos) {
      out += c;
    }
  }
  return out;
}

std::string CreateTemporaryFile(std::string_view prefix) {
  std::vector<std::string> dirs;
  if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && tmpdir[0] != '\0') dirs.emplace_back(tmpdir);
  dirs.insert(dirs.end(), {"/tmp", "/var/tmp"});
  for (const std::string& dir : dirs) {
    std::string pattern = dir + "/" + std::string(prefix) + "XXXXXX";
    int fd = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd >= 0) {
      ::close(fd);
      return pattern;
    }
  }
  return {};
}

bool CanReplaceFile(const std::string& path) { return WhyCannotReplaceFile(path) == 0; }

int WhyCannotReplaceFile(const std::string& path) {
  std::string target = ResolveLinks(path);
  if (::access(DirectoryOf(target).c_str(), W_OK | X_OK) == 0) return 0;
  int error = errno;
  if (::access(target.c_str(), W_OK) == 0) return 0;
  // A file in the folder's place refuses the folder's test as EACCES.
  return errno == ENOTDIR ? ENOTDIR : error;
}

bool MakeOwnerWritable(const std::string& path) {
  std::string target = ResolveLinks(path);
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0 || (st.st_mode & S_IWUSR)) return false;
  return ::chmod(target.c_str(), (st.st_mode & 07777) | S_IWUSR) == 0;
}

DirectoryLock::DirectoryLock(const std::string& file_path) {
  std::string dir = DirectoryOf(ResolveLinks(file_path));
  fd_ = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  while (::flock(fd_, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd_);
      fd_ = -1;
      return;
    }
  }
}

DirectoryLock::~DirectoryLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  char* cwd = ::getcwd(nullptr, 0);
  if (cwd == nullptr) return path;
  std::string absolute = std::string(cwd) + (cwd[1] == '\0' ? "" : "/") + path;
  std::free(cwd);
  return absolute;
}

std::string DirectoryOf(std::string_view path) {
  size_t slash = path.find_last_of('/');
  if (slash == std::string_view::npos) return ".";
  if (slash == 0) return "/";
  return std::string(path.substr(0, slash));
}

std::string FileNameOf(std::string_view path) {
  size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FileStemOf(std::string_view path) {
  std::string name = FileNameOf(path);
  size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string JoinPath(std::string_view directory, std::string_view name) {
  std::string path(directory);
  if (!path.empty() && path.back() != '/') path += '/';
  path += name;
  return path;
}

std::string FolderOfProgram(const std::string& program_directory, std::string_view name) {
  for (const std::string& candidate : {JoinPath(program_directory, name), JoinPath(program_directory + "/..", name)}) {
    if (IsDirectory(candidate)) return candidate;
  }
  return program_directory;
}

}  // namespace prefig::platform
