#include "support/test_configuration.h"

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/message_file.h"
#include "ini/ini_file.h"
#include "module/module_state.h"
#include "pages/setup_session.h"
#include "support/temp_dir.h"

namespace prefig::test {

namespace fs = std::filesystem;

void CopyShippedMessages(const std::string& directory) {
  fs::create_directories(directory + "/msg");
  for (const char* language : {"en-US", "de-DE"}) {
    fs::copy_file(std::string(PREFIG_STAGE_DIR) + "/msg/" + MessageFileName(language),
                  directory + "/msg/" + MessageFileName(language));
  }
}

std::string StoredValue(const std::string& path, const char* section, const char* key) {
  GIniFile file;
  file.Open(path);
  return file.GetString(section, key, "(missing)");
}

TestConfiguration::TestConfiguration() {
  Module() = ModuleState{};
  SetupSession() = SetupSessionState{};
  home_.env().Set("LC_ALL", "C");
  const std::string& dir = home_.dir().path();
  program_ = dir + "/prefig-host";
  CopyShippedMessages(dir);
  fs::copy(std::string(PREFIG_STAGE_DIR) + "/Templates", dir + "/Templates");
  ConfigPaths().SetProgramFile(program_);
  main_ini_ = dir + "/CFG/" + kMainIniName + ".ini";
}

TestConfiguration::~TestConfiguration() {
  record_.reset();
  ConfigPaths().SetProgramFile({});
  SetupSession() = SetupSessionState{};
  Module() = ModuleState{};
}

void TestConfiguration::Stop() {
  if (Module().record == record_.get()) Module().record = nullptr;
  record_.reset();
}

std::string TestConfiguration::MainIniText() const { return ReadFile(main_ini_); }

GPrefiguration& TestConfiguration::Start(const std::string& main_ini_text) {
  if (!main_ini_text.empty()) {
    fs::create_directories(fs::path(main_ini_).parent_path());
    WriteFile(main_ini_, main_ini_text);
  }
  record_ = std::make_unique<GPrefiguration>();
  record_->SetProgram({program_}, program_);
  init_result = record_->InitDnc(kMainIniName, true);
  Module().record = record_.get();
  services.message_boxes.clear();  // Init misses the localisation library beside the test
  return *record_;
}

}  // namespace prefig::test
