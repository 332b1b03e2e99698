#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ini/journal_manifest.h"
#include "platform/file_change_hook.h"

namespace prefig::journal {

inline constexpr const char* kJournalFolderName = "Journal";
// The journal keeps the newest entries within both limits (and always the
// newest one).
inline constexpr size_t kEntriesKept = 100;
inline constexpr uint64_t kBytesKept = uint64_t{50} << 20;

// One entry of the journal as history lists it.
struct EntrySummary {
  int number = 0;
  Manifest manifest;
};

// The journal of a configuration: a folder of numbered entries, each the
// old contents of the files that one save changed (file "old"), its
// manifest (file "manifest") and, once every file is written, the marker
// file "complete". An entry without the marker is a save that was cut off;
// the next start rolls its files back. Every operation holds a lock on the
// folder, so a start never rolls back a save that another program is
// making.
class GJournal {
 public:
  explicit GJournal(std::string folder) : folder_(std::move(folder)) {}
  const std::string& Folder() const { return folder_; }

  // Makes the changes as one save: the old contents are put in a new entry
  // first, then the files are replaced one by one, then the entry is marked
  // complete. Changes that change nothing are dropped; with none left no
  // entry is made. When a file cannot be written, the ones written are
  // put back and the entry goes. Returns 0 or an errno value.
  int Commit(std::vector<platform::FileChange> changes, const std::string& program);
  // The file (or the journal's folder) that the last failed Commit could
  // not read or write, for the user to be told.
  const std::string& FailedPath() const { return failed_path_; }
  // Rolls back the files of every entry that a cut-off save left
  // incomplete, and removes half-written entries. Each step is logged.
  void Recover();
  // The complete entries, newest first; a damaged one is logged and left out.
  std::vector<EntrySummary> History();
  // Puts the files of entry `number` back as they were before it, as a new
  // save (which can itself be undone). 0, ENOENT when there is no such
  // entry, EBADMSG when it is damaged, or the errno value of the save.
  int Undo(int number, const std::string& program);
  // The number of the newest complete entry, or 0.
  int Newest();

 private:
  struct Entry {
    Manifest manifest;
    std::string old;  // the old contents, in manifest order
  };
  std::optional<Entry> ReadEntry(int number, std::string* reason);
  std::vector<int> Numbers();
  bool IsComplete(int number);
  std::string EntryFolder(int number) const;
  int CommitLocked(std::vector<platform::FileChange>& changes, const std::string& program);
  void Prune();

  std::string failed_path_;
  std::string folder_;
};

}  // namespace prefig::journal
