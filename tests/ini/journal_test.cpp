#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>

#include "ini/ini_file.h"
#include "ini/journal_entries.h"
#include "ini/journal_transaction.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "support/temp_dir.h"

namespace prefig::journal {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;

// What every file the store opens carries, so that opening writes nothing.
constexpr const char* kJournalVersionBlock = "[INIFILEVERSION]\r\nVERSION\t\t= 200\r\n";
using test::WriteFile;

// A configuration folder with two settings files, its journal attached,
// and the module log in a file of its own.
class JournalTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  test::TempDir log_dir;
  std::string cfg = dir.path() + "/CFG";
  std::string types = dir.path() + "/TYPES";
  std::string main_ini = cfg + "/Prefig.ini";
  std::string type_file = types + "/Mill.mac";
  std::string new_type = types + "/Lathe.mac";
  std::string log = log_dir.File("prefig.log");
  std::unique_ptr<JournalAttachment> attached;

  void SetUp() override {
    SetLogFileName(log);
    fs::create_directories(cfg);
    fs::create_directories(types);
    WriteFile(main_ini, std::string(kJournalVersionBlock) + "[SYSTEM]\r\nTABCHARS\t= 4\r\nBEEP\t\t= Yes\r\n");
    WriteFile(type_file, "[GENERAL]\r\nTYPENAME\t= Mill\r\nCOLINDICATOR\t= 0\r\n");
    Attach();
  }
  void TearDown() override {
    attached.reset();
    SetLogFileName("");
  }
  void Attach() {
    attached.reset();
    SetJournalProgram("journal test");
    attached = AttachJournal(cfg);
    WatchFolder(types);
  }
  // One save of three files: a changed key in each settings file, a new type.
  void SaveThreeFiles() {
    JournalTransaction save;
    GIniFile main;
    main.Open(main_ini);
    main.WriteInt("SYSTEM", "TABCHARS", 8);
    platform::ReplaceFile(type_file, "[GENERAL]\r\nTYPENAME\t= Mill\r\nCOLINDICATOR\t= 1\r\n");
    platform::ReplaceFile(new_type, "[GENERAL]\r\nTYPENAME\t= Lathe\r\n");
    ASSERT_EQ(save.Commit(), 0);
  }
  std::string Entry(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "/%06d", number);
    return cfg + "/Journal" + name;
  }
};

TEST_F(JournalTest, ChangesOfATransactionWaitForItsEndAndAreReadMeanwhile) {
  {
    JournalTransaction save;
    GIniFile main;
    main.Open(main_ini);
    main.WriteInt("SYSTEM", "TABCHARS", 8);
    main.WriteBool("SYSTEM", "BEEP", false);  // reads the first change back
    platform::ReplaceFile(new_type, "[GENERAL]\r\nTYPENAME\t= Lathe\r\n");
    EXPECT_EQ(ReadFile(main_ini), std::string(kJournalVersionBlock) + "[SYSTEM]\r\nTABCHARS\t= 4\r\nBEEP\t\t= Yes\r\n");
    EXPECT_FALSE(fs::exists(new_type));
    EXPECT_TRUE(platform::FileExists(new_type));
    EXPECT_EQ(main.GetInt("SYSTEM", "TABCHARS", 0, 0, 99), 8);
  }
  EXPECT_EQ(ReadFile(main_ini), std::string(kJournalVersionBlock) + "[SYSTEM]\r\nTABCHARS\t= 8\r\nBEEP\t\t= No\r\n");
  EXPECT_EQ(ReadFile(new_type), "[GENERAL]\r\nTYPENAME\t= Lathe\r\n");
  std::vector<EntrySummary> history = AttachedJournal()->History();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].number, 1);
  EXPECT_EQ(history[0].manifest.program, "journal test");
  ASSERT_EQ(history[0].manifest.files.size(), 2u);
  EXPECT_EQ(history[0].manifest.files[0].path, main_ini);
  EXPECT_EQ(history[0].manifest.files[0].keys, (std::vector<std::string>{"SYSTEM/TABCHARS", "SYSTEM/BEEP"}));
  EXPECT_EQ(history[0].manifest.files[1].fate, FileFate::kCreated);
  EXPECT_EQ(ReadFile(Entry(1) + "/old"),
            std::string(kJournalVersionBlock) + "[SYSTEM]\r\nTABCHARS\t= 4\r\nBEEP\t\t= Yes\r\n");
  EXPECT_TRUE(fs::exists(Entry(1) + "/complete"));
}

TEST_F(JournalTest, EachWriteOutsideATransactionIsASaveAndOtherFoldersAreLeftOut) {
  GIniFile main;
  main.Open(main_ini);
  main.WriteInt("SYSTEM", "TABCHARS", 5);
  main.WriteInt("SYSTEM", "TABCHARS", 5);  // changes nothing: no save
  main.WriteInt("SYSTEM", "TABCHARS", 6);
  platform::ReplaceFile(dir.File("elsewhere.ini"), "[A]\r\n");
  std::vector<EntrySummary> history = AttachedJournal()->History();
  ASSERT_EQ(history.size(), 2u);
  EXPECT_EQ(history[0].number, 2);
  EXPECT_EQ(history[1].manifest.files.at(0).keys, std::vector<std::string>{"SYSTEM/TABCHARS"});
}

TEST_F(JournalTest, AMoveIsOneSaveOfTwoFilesAndACopyReadsAChangeHeldBack) {
  const std::string old_type = ReadFile(type_file);
  ASSERT_EQ(platform::MoveFile(type_file, new_type), 0);
  EXPECT_EQ(ReadFile(new_type), old_type);
  std::vector<EntrySummary> history = AttachedJournal()->History();
  ASSERT_EQ(history.size(), 1u);
  ASSERT_EQ(history[0].manifest.files.size(), 2u);
  EXPECT_EQ(history[0].manifest.files[0].fate, FileFate::kCreated);
  EXPECT_EQ(history[0].manifest.files[1].fate, FileFate::kRemoved);
  {
    JournalTransaction save;
    platform::ReplaceFile(new_type, "held back");
    EXPECT_EQ(platform::CopyFile(new_type, dir.File("copy.mac")), 0);
  }
  EXPECT_EQ(ReadFile(dir.File("copy.mac")), "held back");
  ASSERT_EQ(AttachedJournal()->Undo(1, "undo"), 0);
  EXPECT_EQ(ReadFile(type_file), old_type);
  EXPECT_FALSE(fs::exists(new_type));
}

TEST_F(JournalTest, AnExceptionDropsTheChangesOfItsTransaction) {
  try {
    JournalTransaction save;
    platform::ReplaceFile(type_file, "changed");
    throw std::runtime_error("step refused");
  } catch (const std::runtime_error&) {}
  EXPECT_EQ(ReadFile(type_file), "[GENERAL]\r\nTYPENAME\t= Mill\r\nCOLINDICATOR\t= 0\r\n");
  EXPECT_TRUE(AttachedJournal()->History().empty());
}

// A save whose second file cannot be written puts the first back, whether
// its caller commits it (and hears why) or its scope ends it (and only the
// module log can say so).
TEST_F(JournalTest, AFileThatCannotBeWrittenPutsTheOthersBack) {
  const std::string old_type = ReadFile(type_file);
  for (bool by_scope : {false, true}) {
    SCOPED_TRACE(by_scope ? "ended by its scope" : "committed");
    fs::create_directories(types + "/Gone");
    WatchFolder(types + "/Gone");
    {
      JournalTransaction save;
      platform::ReplaceFile(type_file, "new");
      platform::ReplaceFile(types + "/Gone/Lathe.mac", "new");
      fs::remove(types + "/Gone");
      if (!by_scope) {
        EXPECT_EQ(save.Commit(), ENOENT);
      }
    }
    EXPECT_EQ(ReadFile(type_file), old_type);
    EXPECT_TRUE(AttachedJournal()->History().empty());
    EXPECT_FALSE(fs::exists(Entry(1)));
    EXPECT_EQ(ReadFile(log).find("JRNL  : A save was not made: No such file or directory") != std::string::npos,
              by_scope);
  }
}

// A change that the save could not make is refused at once, with the
// reason the folder gives.
TEST_F(JournalTest, AChangeInAFolderThatIsGoneIsRefusedWithItsReason) {
  const std::string old_main = ReadFile(main_ini);
  JournalTransaction save;
  EXPECT_EQ(platform::ReplaceFile(main_ini, "new"), 0);
  fs::remove_all(types);
  EXPECT_EQ(platform::ReplaceFile(type_file, "new"), ENOENT);
  WriteFile(types, "a file in the folder's place");
  EXPECT_EQ(platform::ReplaceFile(type_file, "new"), ENOTDIR);
  save.Abandon();
  EXPECT_EQ(ReadFile(main_ini), old_main);
}

TEST_F(JournalTest, AFileThatCannotBeReadRefusesTheSaveBeforeAnyIsWritten) {
  const std::string old_type = ReadFile(type_file);
  fs::create_directories(types + "/Folder.mac");
  JournalTransaction save;
  platform::ReplaceFile(type_file, "new");
  platform::ReplaceFile(types + "/Folder.mac", "new");
  EXPECT_EQ(save.Commit(), EISDIR);
  EXPECT_EQ(save.FailedPath(), types + "/Folder.mac");
  EXPECT_EQ(ReadFile(type_file), old_type);
  EXPECT_FALSE(fs::exists(Entry(1)));
}

TEST_F(JournalTest, ASaveCutOffIsRolledBackWhenTheJournalIsAttachedAgain) {
  const std::string old_main = ReadFile(main_ini), old_type = ReadFile(type_file);
  SaveThreeFiles();
  // As if killed after the first file: no marker, the second file still old.
  fs::remove(Entry(1) + "/complete");
  WriteFile(type_file, old_type);
  fs::create_directories(cfg + "/Journal/.000002.tmp");
  WriteFile(cfg + "/Journal/.000002.tmp/old", "half");
  Attach();
  EXPECT_EQ(ReadFile(main_ini), old_main);
  EXPECT_EQ(ReadFile(type_file), old_type);
  EXPECT_FALSE(fs::exists(new_type));
  EXPECT_FALSE(fs::exists(Entry(1)));
  EXPECT_FALSE(fs::exists(cfg + "/Journal/.000002.tmp"));
  std::string logged = ReadFile(log);
  EXPECT_NE(logged.find("JRNL  : Rolled back the cut-off save 1 of 'journal test'"), std::string::npos) << logged;
  EXPECT_NE(logged.find("JRNL  : Removed the unfinished entry .000002.tmp"), std::string::npos) << logged;
}

TEST_F(JournalTest, DamagedEntriesAreLoggedAndLeftAlone) {
  SaveThreeFiles();
  SaveThreeFiles();  // changes nothing: still one entry
  platform::ReplaceFile(type_file, "second save");
  const std::string now_main = ReadFile(main_ini), now_type = ReadFile(type_file);
  // Entry 1 cut off with a manifest cut in half, entry 2 with old contents
  // that do not match their checksums.
  fs::remove(Entry(1) + "/complete");
  std::string manifest = ReadFile(Entry(1) + "/manifest");
  WriteFile(Entry(1) + "/manifest", manifest.substr(0, manifest.size() / 2));
  WriteFile(Entry(2) + "/old", "garbage");
  Attach();
  EXPECT_EQ(ReadFile(main_ini), now_main);
  EXPECT_EQ(ReadFile(type_file), now_type);
  EXPECT_EQ(AttachedJournal()->Undo(2, "undo"), EBADMSG);
  EXPECT_EQ(AttachedJournal()->Undo(1, "undo"), ENOENT);
  EXPECT_EQ(AttachedJournal()->Undo(7, "undo"), ENOENT);
  WriteFile(Entry(2) + "/manifest", "prefig journal 1\ntime\n");
  EXPECT_TRUE(AttachedJournal()->History().empty());
  EXPECT_EQ(AttachedJournal()->Newest(), 0);
  std::string logged = ReadFile(log);
  EXPECT_NE(
      logged.find("JRNL  : Entry 1 was cut off and is damaged, its files are left as they are: a line without its end"),
      std::string::npos)
      << logged;
  EXPECT_NE(logged.find("JRNL  : Entry 2 cannot be undone, it is damaged: the old content of"), std::string::npos);
  EXPECT_NE(logged.find("JRNL  : Entry 2 skipped, it is damaged: no end line"), std::string::npos);
}

TEST_F(JournalTest, UndoPutsTheFilesBackByteForByteAndCanItselfBeUndone) {
  const std::string old_main = ReadFile(main_ini), old_type = ReadFile(type_file);
  SaveThreeFiles();
  const std::string new_main = ReadFile(main_ini), new_type_text = ReadFile(type_file);
  GJournal& journal = *AttachedJournal();
  ASSERT_EQ(journal.Undo(journal.Newest(), "undo 1"), 0);
  EXPECT_EQ(ReadFile(main_ini), old_main);
  EXPECT_EQ(ReadFile(type_file), old_type);
  EXPECT_FALSE(fs::exists(new_type));
  ASSERT_EQ(journal.Newest(), 2);
  EXPECT_EQ(journal.History()[0].manifest.files[2].fate, FileFate::kRemoved);
  ASSERT_EQ(journal.Undo(2, "undo 2"), 0);
  EXPECT_EQ(ReadFile(main_ini), new_main);
  EXPECT_EQ(ReadFile(type_file), new_type_text);
  EXPECT_EQ(ReadFile(new_type), "[GENERAL]\r\nTYPENAME\t= Lathe\r\n");
}

TEST_F(JournalTest, KeepsTheNewestHundredEntries) {
  for (size_t i = 1; i <= kEntriesKept + 3; ++i) platform::ReplaceFile(type_file, "round " + std::to_string(i));
  std::vector<EntrySummary> history = AttachedJournal()->History();
  ASSERT_EQ(history.size(), kEntriesKept);
  EXPECT_EQ(history.front().number, static_cast<int>(kEntriesKept) + 3);
  EXPECT_EQ(history.back().number, 4);
}

TEST_F(JournalTest, KeepsNoMoreThanFiftyMegabytesButAlwaysTheNewestEntry) {
  const std::string big(kBytesKept / 3, 'x');
  for (int i = 0; i < 5; ++i) platform::ReplaceFile(type_file, big + std::to_string(i));
  EXPECT_EQ(AttachedJournal()->History().size(), 2u);  // each entry holds a third of the limit
  platform::ReplaceFile(type_file, std::string(kBytesKept + 10, 'y'));
  platform::ReplaceFile(type_file, "small");
  std::vector<EntrySummary> history = AttachedJournal()->History();
  ASSERT_EQ(history.size(), 1u);
  EXPECT_EQ(history[0].manifest.files[0].size, kBytesKept + 10);
}

}  // namespace
}  // namespace prefig::journal
