#pragma once
#include <memory>
#include <string>

#include "pages/scripted_services.h"
#include "record/prefiguration.h"
#include "support/scoped_env.h"

namespace prefig::test {

// Copies the staged message files (English and German) into `directory`/msg.
void CopyShippedMessages(const std::string& directory);

// A key of an INI file as a fresh reader finds it, or "(missing)".
std::string StoredValue(const std::string& path, const char* section, const char* key);

// A program directory of its own (msg/ with the shipped message files,
// Templates/) and a record started on it as the host starts it; every
// configuration directory lies below it (CFG, TYPES). Scripted services
// answer everything modal; the home is isolated, so associations and the
// registry stay inside too.
class TestConfiguration {
 public:
  TestConfiguration();
  ~TestConfiguration();

  // The main INI file as it is now, and the record (started on first use).
  std::string MainIniText() const;
  const std::string& MainIniPath() const { return main_ini_; }
  // Starts the record; `main_ini_text` may write the main INI file first.
  GPrefiguration& Start(const std::string& main_ini_text = {});
  // Destroys the record, which writes its editing state.
  void Stop();
  // What the record's initialisation returned.
  int init_result = -1;
  GPrefiguration& record() { return *record_; }
  const std::string& directory() const { return home_.dir().path(); }

  ScopedScriptedServices services;

 private:
  IsolatedHome home_;
  std::string program_;
  std::string main_ini_;
  std::unique_ptr<GPrefiguration> record_;
};

}  // namespace prefig::test
