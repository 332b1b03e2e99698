#pragma once
#include <string>
#include <utility>
#include <vector>

namespace prefig::platform {

// One change of a whole file: its new content, or its removal.
struct FileChange {
  std::string path;
  bool remove = false;
  std::string content;
  unsigned new_mode = 0666;  // for a file that does not exist yet, less the umask
};

// Lets a journal of saves take over the changes of whole files: the
// replacements, removals, copies and moves of file_io pass through it. It
// may hold changes back and make them later, together; meanwhile reads and
// existence tests of file_io see the content it holds.
class FileChangeHook {
 public:
  virtual ~FileChangeHook() = default;
  // Whether the hook wants the changes of this file.
  virtual bool Covers(const std::string& path) = 0;
  // Makes the changes of one operation (a move is two), or holds them back
  // to make them with others. Returns 0 or an errno value.
  virtual int Apply(std::vector<FileChange>& changes) = 0;
  // A change held back for the file: true and the content it gives (null
  // for a removal), false when none is.
  virtual bool Pending(const std::string& path, const std::string** content) = 0;
  // The files of a folder that changes held back create (true) or remove
  // (false), by name.
  virtual std::vector<std::pair<std::string, bool>> PendingInFolder(const std::string& folder) = 0;
};

// One hook per process (the settings run on one thread); returns the one
// installed before. Null removes it.
FileChangeHook* InstallFileChangeHook(FileChangeHook* hook);
FileChangeHook* InstalledFileChangeHook();

}  // namespace prefig::platform
