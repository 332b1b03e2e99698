#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/retry.h"

namespace prefig::platform {

enum class ReadStatus {
  kOk,
  kMissing,     // no such file
  kOpenFailed,  // the file exists but could not be opened after the retries
  kReadFailed,  // opened, but its size or content could not be read
};

// Reads a whole file into `out` (replacing its content). A change that the
// file change hook holds back is what the read sees.
ReadStatus ReadWholeFile(const std::string& path, std::string& out, std::span<const int> waits = kFileRetryWaitsMs);
// The same from the disk alone.
ReadStatus ReadWholeFileDirectly(const std::string& path, std::string& out,
                                 std::span<const int> waits = kFileRetryWaitsMs);

bool FileExists(const std::string& path);
// The names of the regular files in a directory, in the order the file
// system gives them, as the changes that the file change hook holds back
// will leave it (the files they create last).
std::vector<std::string> FileNamesIn(const std::string& directory);
bool IsDirectory(const std::string& path);

// The file a path finally names after following symbolic links (the path
// itself when it is none). A dangling link gives the file it would create.
std::string ResolveLinks(const std::string& path);

// Replaces the whole file with `data` so that a reader, a crash or a full disk
// sees either the old or the new content: the data goes to a new file in the
// same directory, is flushed to disk and renamed over the old one, which keeps
// its permissions. A path through symbolic links replaces the link's target.
// Returns 0 or an errno value; failures leave the old file as it was.
// The file change hook, when one is installed, may take the change over.
int ReplaceFile(const std::string& path, std::string_view data, std::span<const int> waits = kFileRetryWaitsMs);
// The same past the hook; a new file gets `new_mode` less the umask.
int ReplaceFileDirectly(const std::string& path, std::string_view data, unsigned new_mode = 0666,
                        std::span<const int> waits = kFileRetryWaitsMs);

// Removes a file (through the file change hook when one is installed).
// Returns 0 or an errno value (ENOENT when there was none).
int RemoveFile(const std::string& path);
int RemoveFileDirectly(const std::string& path);

// Whether ReplaceFile can succeed: the directory takes new files, or the
// file itself is writable.
bool CanReplaceFile(const std::string& path);
// 0 when it can, else the errno value that the directory gives (ENOENT,
// ENOTDIR, EACCES, ...), so that a refusal can say why.
int WhyCannotReplaceFile(const std::string& path);

// Creates a directory and every missing parent, from the root down.
// Returns 0 when the directory exists afterwards (also when it existed
// before), else an errno value: ENOTDIR when a part of the path is a file.
int CreateDirectoryPath(const std::string& path);

// Copies a regular file's content over `to` the way ReplaceFile writes:
// atomically, an existing target keeping its permissions (a read-only one
// made owner-writable first), a new one getting the source's. Creates the
// target's directory when needed. With `overwrite` false an existing
// target is left alone and EEXIST returned. Returns 0 or an errno value.
int CopyFile(const std::string& from, const std::string& to, bool overwrite = true);

// Moves a file, replacing `to` whether it is read-only or not: a rename on
// one file system, else a copy and then the removal of the source.
int MoveFile(const std::string& from, const std::string& to);

// The text without the characters that cannot stand in a file name on any
// of the platforms the files travel between: \ / : ? * " < > | and the
// control characters.
std::string CleanFileName(std::string_view name);

// Creates a new empty file, readable by its owner only, in the temporary
// directory ($TMPDIR, else /tmp, else /var/tmp), its name starting with
// `prefix`. Returns its path, or an empty text when no directory takes it.
std::string CreateTemporaryFile(std::string_view prefix);

// Gives the owner write permission on an existing file; true when that
// changed anything.
bool MakeOwnerWritable(const std::string& path);

// Serialises read-modify-write cycles on the files of one directory between
// processes (an advisory lock on the directory, held while the object lives).
// A directory that cannot be locked gives no lock and no error.
class DirectoryLock {
 public:
  explicit DirectoryLock(const std::string& file_path);
  ~DirectoryLock();
  DirectoryLock(const DirectoryLock&) = delete;
  DirectoryLock& operator=(const DirectoryLock&) = delete;
  bool locked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// The path made absolute against the working directory (not resolved).
std::string AbsolutePath(const std::string& path);

std::string DirectoryOf(std::string_view path);
std::string FileNameOf(std::string_view path);
// The file name without its last extension; a name that only starts with a
// dot keeps it.
std::string FileStemOf(std::string_view path);
// `name` inside `directory`, with one separator between them; an empty
// directory gives the name alone.
std::string JoinPath(std::string_view directory, std::string_view name);
// The folder `name` of the program directory, else of its parent (a
// development tree keeps them one level up), else the program directory.
std::string FolderOfProgram(const std::string& program_directory, std::string_view name);

}  // namespace prefig::platform
