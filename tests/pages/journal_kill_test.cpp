// A save through the setup dialog's OK that a SIGKILL cuts off at a random
// moment: after the next start every machine type file is all old or all
// new.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "platform/module_log.h"
#include "support/temp_dir.h"
#include "support/test_configuration.h"

namespace prefig::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Driver {
  pid_t pid = -1;
  int out = -1;
};

Driver StartSaveDriver(const std::string& dir, bool save) {
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe_fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipe_fds[0]);
  std::vector<std::string> args{PREFIG_JOURNAL_SAVE_DRIVER, dir};
  if (save) args.emplace_back("save");
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  Driver driver;
  if (posix_spawn(&driver.pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) driver.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipe_fds[1]);
  driver.out = pipe_fds[0];
  return driver;
}

// Reads the driver's output up to `word` on a line of its own.
bool WaitForLine(const Driver& driver, const std::string& word) {
  std::string seen;
  char c;
  while (::read(driver.out, &c, 1) == 1) {
    if (c != '\n') {
      seen += c;
    } else if (seen == word) {
      return true;
    } else {
      seen.clear();
    }
  }
  return false;
}

int Finish(Driver& driver) {
  int status = 0;
  ::waitpid(driver.pid, &status, 0);
  ::close(driver.out);
  return status;
}

// GENERAL/COLINDICATOR of every machine type file, as the files hold them.
std::multiset<std::string> Generations(const std::string& types_dir) {
  std::multiset<std::string> values;
  for (const auto& entry : fs::directory_iterator(types_dir)) {
    if (ini::UpperCase(entry.path().extension().string()) != ".MAC") continue;
    std::string text = ReadFile(entry.path().string());
    auto section = ini::FindSection(text, "GENERAL");
    auto key = section ? ini::FindKey(text, *section, "COLINDICATOR") : std::nullopt;
    values.insert(key ? std::string(ini::ReadValue(text, *key)) : "(missing)");
  }
  return values;
}

bool AllSame(const std::multiset<std::string>& values) {
  return !values.empty() && values.count(*values.begin()) == values.size();
}

TEST(JournalKillTest, SaveOfSeveralTypesCutOffAnywhereIsAllOldOrAllNewAfterTheNextStart) {
  TempDir dir;
  CopyShippedMessages(dir.path());
  fs::copy(std::string(PREFIG_STAGE_DIR) + "/Templates", dir.path() + "/Templates");
  Driver first = StartSaveDriver(dir.path(), false);
  ASSERT_GT(first.pid, 0);
  ASSERT_EQ(Finish(first), 0);
  const std::string types_dir = dir.path() + "/TYPES";
  ASSERT_GE(Generations(types_dir).size(), 5u);

  // How long OK takes here, to kill within it.
  auto window = Clock::duration::zero();
  for (int i = 0; i < 3; ++i) {
    Driver run = StartSaveDriver(dir.path(), true);
    ASSERT_TRUE(WaitForLine(run, "ready"));
    auto ready = Clock::now();
    ASSERT_TRUE(WaitForLine(run, "saved"));
    window = std::max(window, Clock::now() - ready);
    ASSERT_EQ(Finish(run), 0);
  }
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(window).count();

  std::mt19937 random(20261207);
  std::uniform_int_distribution<long> delay(0, micros + micros / 5);
  int mixed_before_start = 0, runs = 0;
  const auto deadline = Clock::now() + std::chrono::seconds(40);
  for (; runs < 300 && Clock::now() < deadline; ++runs) {
    Driver run = StartSaveDriver(dir.path(), true);
    ASSERT_TRUE(WaitForLine(run, "ready"));
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ::kill(run.pid, SIGKILL);
    Finish(run);
    if (!AllSame(Generations(types_dir))) ++mixed_before_start;
    // The next start: attaching the journal rolls a cut-off save back.
    journal::AttachJournal(dir.path() + "/CFG");
    std::multiset<std::string> after = Generations(types_dir);
    ASSERT_TRUE(AllSame(after)) << "run " << runs << ": a mix of " << *after.begin() << " and " << *after.rbegin();
  }
  std::printf("%d saves killed, %d of them in the middle of writing the files\n", runs, mixed_before_start);
  EXPECT_GE(runs, 50);  // a few hundred on an idle machine
  // Otherwise no kill landed inside a save and nothing was tested.
  EXPECT_GT(mixed_before_start, 0);
}

}  // namespace
}  // namespace prefig::test
