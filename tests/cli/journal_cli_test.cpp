#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "support/page_cli_test_base.h"
#include "support/temp_dir.h"

namespace prefig::test {
namespace {

namespace fs = std::filesystem;

class JournalCliTest : public PageCliTest {
 protected:
  ProgramResult Journal(std::vector<std::string> args) {
    args.insert(args.end(), {"--root", root.path()});
    return Prefig(args);
  }
};

TEST_F(JournalCliTest, UndoAfterPageSetRestoresTheFilesByteForByteAndUndoAgainBringsTheChangeBack) {
  const auto before = ConfigurationFiles(root.path());
  ASSERT_EQ(Page({"set", "1", "SYSTEM/TABCHARS=7"}).exit_code, 0);
  const auto after = ConfigurationFiles(root.path());
  ASSERT_NE(after, before);

  ProgramResult history = Journal({"history"});
  ASSERT_EQ(history.exit_code, 0) << history.err;
  const std::string main_ini = root.path() + "/CFG/Prefig.ini";
  EXPECT_NE(history.out.find("\tprefig page set 1 SYSTEM/TABCHARS=7 --root " + root.path() + "\n\tchanged\t" +
                             main_ini + "\tSYSTEM/TABCHARS\n"),
            std::string::npos)
      << history.out;

  ProgramResult undo = Journal({"undo"});
  ASSERT_EQ(undo.exit_code, 0) << undo.err;
  EXPECT_EQ(ConfigurationFiles(root.path()), before);
  ASSERT_EQ(Journal({"undo"}).exit_code, 0);
  EXPECT_EQ(ConfigurationFiles(root.path()), after);
  // The undo of the undo is the newest save, the page's save below it.
  history = Journal({"history"});
  EXPECT_EQ(history.out.rfind("prefig page set 1"), history.out.find("prefig page set 1")) << history.out;
  EXPECT_LT(history.out.find("prefig undo --root"), history.out.find("prefig page set 1"));
}

TEST_F(JournalCliTest, ADamagedEntryIsSkippedByHistoryAndRefusedByUndo) {
  ASSERT_EQ(Page({"set", "1", "SYSTEM/TABCHARS=7"}).exit_code, 0);
  std::string entry;
  for (const auto& it : fs::directory_iterator(root.path() + "/CFG/Journal"))
    entry = std::max(entry, it.path().string());
  ASSERT_FALSE(entry.empty());
  WriteFile(entry + "/manifest", "prefig journal 1\ntime 2026-");
  ProgramResult history = Journal({"history"});
  EXPECT_EQ(history.exit_code, 0);
  EXPECT_EQ(history.out.find("page set"), std::string::npos);
  ProgramResult undo = Journal({"undo", std::to_string(std::stoi(fs::path(entry).filename().string()))});
  EXPECT_EQ(undo.exit_code, 2);
  EXPECT_NE(undo.err.find("is damaged in the journal"), std::string::npos) << undo.err;
  EXPECT_EQ(Journal({"undo", "4711"}).exit_code, 1);
}

}  // namespace
}  // namespace prefig::test
