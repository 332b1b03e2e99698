#pragma once
#include <memory>
#include <string>

#include "entry/scripted_services.h"
#include "store/prefiguration.h"
#include "support/scoped_env.h"

namespace prefig::test {

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
  // Starts the record; `before` may write the main INI file first.
  GPrefiguration& Start(const std::string& main_ini_text = {});
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
