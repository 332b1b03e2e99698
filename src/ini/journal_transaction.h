#pragma once
#include <memory>
#include <string>

namespace prefig::journal {

class GJournal;

// The journal of the configuration this process works on. While one is
// attached, every change of a whole file in a watched folder (the
// configuration's own folder and those added with WatchFolder) goes into
// it: inside a JournalTransaction the changes wait for the end of the
// outermost one and are made together; outside any, each change is a save
// of its own.
class JournalAttachment {
 public:
  ~JournalAttachment();
  JournalAttachment(const JournalAttachment&) = delete;
  JournalAttachment& operator=(const JournalAttachment&) = delete;

 private:
  friend std::unique_ptr<JournalAttachment> AttachJournal(const std::string& configuration_folder);
  explicit JournalAttachment(int id) : id_(id) {}
  int id_;
};

// Attaches the journal in `configuration_folder`/Journal, after rolling
// back the saves there that were cut off. It stays attached while the
// handle lives (or until another is attached).
std::unique_ptr<JournalAttachment> AttachJournal(const std::string& configuration_folder);
// The attached journal, or null.
GJournal* AttachedJournal();
void WatchFolder(const std::string& folder);
// What the entries name as the program that saved: the command line
// unless set.
void SetJournalProgram(std::string program);
std::string JournalProgram();

// One save: the file changes made while the outermost transaction is open
// are made together when it ends, all or none. Reads in the meantime see
// the new contents.
class JournalTransaction {
 public:
  JournalTransaction();
  // Commits when Commit was not called, unless an exception ends the
  // transaction's scope: then its changes are dropped.
  ~JournalTransaction();
  JournalTransaction(const JournalTransaction&) = delete;
  JournalTransaction& operator=(const JournalTransaction&) = delete;
  // Ends the transaction; the outermost one makes the changes. Returns 0 or
  // the errno value of the save that failed (then no file changed).
  int Commit();
  // Ends the transaction, dropping its changes: no file changes.
  void Abandon();
  // After a Commit that failed: the file it could not read or write.
  const std::string& FailedPath() const { return failed_path_; }

 private:
  std::string failed_path_;
  bool open_ = true;
  int exceptions_;
};

}  // namespace prefig::journal
