// prefig history and prefig undo: the journal of saves of a configuration.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "ini/journal_entries.h"
#include "ini/journal_transaction.h"

namespace prefig::cli {
namespace {

constexpr const char* kJournalFateNames[] = {"changed", "created", "removed"};

// Attaching rolls back a save that was cut off, as every start does.
std::unique_ptr<journal::JournalAttachment> AttachConfigurationJournal(const std::string& root) {
  SelectConfiguration(root);
  return journal::AttachJournal(ConfigPaths().GetPath(kCfgKey));
}

void PrintJournalHistory(const std::vector<journal::EntrySummary>& history) {
  for (const journal::EntrySummary& entry : history) {
    const journal::Manifest& m = entry.manifest;
    std::printf("%d\t%s\t%s\t%s\n", entry.number, m.time.c_str(), m.user.c_str(), m.program.c_str());
    for (const journal::ManifestFile& file : m.files) {
      std::printf("\t%s\t%s", kJournalFateNames[static_cast<int>(file.fate)], file.path.c_str());
      for (const std::string& key : file.keys) std::printf("\t%s", key.c_str());
      std::printf("\n");
    }
  }
}

void AddJournalCommands(CLI::App& app, int& /*exit_code*/) {
  auto root = std::make_shared<std::string>();
  CLI::App* history = app.add_subcommand(
      "history",
      "The saves of the configuration, newest first: number, time, user, program; under each the files "
      "(changed, created or removed) with the keys that changed");
  history->add_option("--root", *root, kRootHelp);
  history->callback([root] {
    auto attached = AttachConfigurationJournal(*root);
    PrintJournalHistory(journal::AttachedJournal()->History());
  });

  auto number = std::make_shared<int>(0);
  CLI::App* undo = app.add_subcommand(
      "undo", "Put the files of a save (default: the newest) back as they were before it, as a new save");
  undo->add_option("N", *number, "The save's number as history shows it");
  undo->add_option("--root", *root, kRootHelp);
  undo->callback([root, number] {
    auto attached = AttachConfigurationJournal(*root);
    journal::GJournal& journal = *journal::AttachedJournal();
    int entry = *number > 0 ? *number : journal.Newest();
    if (entry <= 0) throw Failure("the journal holds no save", kExitNo);
    int error = journal.Undo(entry, journal::JournalProgram());
    if (error == ENOENT) throw Failure("the journal holds no save " + std::to_string(entry), kExitNo);
    if (error == EBADMSG) throw Failure("save " + std::to_string(entry) + " is damaged in the journal");
    if (error != 0) {
      throw Failure("nothing restored, cannot write " + journal.FailedPath() + ": " + std::strerror(error));
    }
    std::printf("undone %d\n", entry);
  });
}

const CommandGroup kJournal{"journal", &AddJournalCommands};

}  // namespace
}  // namespace prefig::cli
