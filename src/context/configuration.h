#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_file.h"
#include "ini/ini_site.h"
#include "ini/journal_transaction.h"

namespace prefig {

// The run-time context of the configuration record. The record is its own
// main INI file; the editor's record classes derive from this one and add
// their settings.
class GConfiguration : public GIniFile {
 public:
  // Results of Init.
  static constexpr int kInitBadCommandLine = 0;
  static constexpr int kInitNoMessages = 1;
  static constexpr int kInitDone = 3;

  static constexpr size_t kProgramDirectoryMax = 1024;

  // Where the main INI file keeps the language of this run and the one of
  // the last run. The settings schema, a layer above, declares them; the
  // record that derives from this class passes them in.
  struct LanguageKeys {
    std::string_view section, key;
    std::string_view last_section, last_key;
  };

  explicit GConfiguration(LanguageKeys keys) : language_keys_(keys) {}
  ~GConfiguration() override;

  // Sets up the run-time context for the running program: the program
  // directory; the main INI file <ini_name>.ini in the configuration
  // directory CFG (or, without the path table, Cfg/ in the program
  // directory), attached to this record; the language; the module's message
  // table from msg/msg_<language>.bin; the localisation library. Before
  // the main INI file is read, the journal of the configuration directory
  // rolls back the saves that were cut off, and records the saves of this
  // record from then on (ini/journal_transaction.h). On
  // kInitDone `arguments` (when given) receives the program's arguments.
  virtual int Init(std::string_view ini_name, std::string* arguments, bool use_path_table);

  // The program that Init sets up for: the running one (its command line
  // and program file) unless another is given here, as tests and tools do.
  // The command line is the program as called, then its arguments.
  void SetProgram(std::vector<std::string> command_line, std::string program_file);

  const std::string& ProgramDirectory() const { return program_directory_; }
  const std::string& Arguments() const { return arguments_; }
  // The language code in use (at most 10 characters).
  const std::string& Language() const { return language_; }
  bool IsInitialized() const { return initialized_; }
  // The language differs from the one of the last run.
  bool LanguageChanged() const { return language_changed_; }
  // The user's locale is one of the American ones, which measure in inches.
  bool UsesInches() const { return uses_inches_; }
  // The site defaults and locks that Init read from the folder that
  // ConfigPaths.cfg names (null: none). The main INI file uses them; every
  // other file of the configuration that has a site file should too.
  const std::shared_ptr<const GIniSite>& Site() const { return site_; }

 private:
  std::string ChooseLanguage(const std::string& default_language);
  int LoadMessages();

  LanguageKeys language_keys_;
  bool own_program_ = false;
  std::vector<std::string> command_line_;
  std::string program_file_;
  std::string program_directory_;
  std::string arguments_;
  std::string language_;
  bool initialized_ = false;
  bool language_changed_ = false;
  bool uses_inches_ = false;
  std::shared_ptr<const GIniSite> site_;
  // Saves of this configuration go through its journal while it lives.
  std::unique_ptr<journal::JournalAttachment> journal_;
};

}  // namespace prefig
