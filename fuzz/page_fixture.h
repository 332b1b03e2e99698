#pragma once
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "context/config_path_handler.h"
#include "module/module_state.h"
#include "pages/config_base.h"
#include "pages/page_table.h"
#include "pages/page_text.h"
#include "pages/scripted_services.h"
#include "pages/setup_session.h"
#include "platform/registry.h"
#include "record/prefiguration.h"
#include "work_dir.h"

namespace prefig::fuzz {

// The configuration that the page targets show their pages on: a record
// started once per run on a program directory in the work directory (with
// the home and the registries there too, so nothing outside is touched),
// scripted services that answer every question with OK, and per input a
// machine type of its own as the current one.
class PageFixture {
 public:
  static PageFixture& Get() {
    static PageFixture* fixture = new PageFixture;  // never destroyed: the record outlives every input
    return *fixture;
  }

  // The sections of `text` in front of a complete type file, as the
  // current machine type's file, loaded as the setup dialog finds it; the
  // type lives until the next call. The sections in front are the ones
  // read; with the rest complete, no default is written while loading.
  GMachineType& UseType(std::string_view text) { return LoadType(std::string(text) + "\n" + complete_); }

  // The type's file as OK writes it.
  std::string Save() {
    type_->SetChanged();
    type_->Save();
    return ReadText(type_path_);
  }

  // The type's file written as OK writes it and loaded again as the current
  // type; its text.
  std::string SaveAndReload() {
    std::string text = Save();
    LoadType(text);
    return text;
  }

 private:
  PageFixture() {
    const std::string& work = WorkDir();
    for (const char* folder : {"/home", "/appdata", "/machine-registry", "/program"}) {
      mkdir((work + folder).c_str(), 0700);
    }
    setenv("HOME", (work + "/home").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (work + "/home").c_str(), 1);
    setenv("XDG_DATA_HOME", (work + "/home").c_str(), 1);
    setenv("APPDATA", (work + "/appdata").c_str(), 1);
    setenv(platform::kMachineRegistryVariable, (work + "/machine-registry").c_str(), 1);
    setenv("LC_ALL", "C", 1);
    SetServices(&services_);
    std::string program = work + "/program/prefig-host";
    ConfigPaths().SetProgramFile(program);
    record_.SetProgram({program}, program);
    record_.InitDnc(kMainIniName, true);
    Module().record = &record_;
    type_path_ = work + "/fuzz.mac";
    LoadType("[GENERAL]\nTYPENAME=46555A5A\nDESCRIPTION=Fuzz\n");
    complete_ = Save();
  }

  GMachineType& LoadType(const std::string& text) {
    SetupSession() = SetupSessionState{};
    type_.reset();
    WriteText(type_path_, text);
    type_ = std::make_unique<GMachineType>(type_path_);
    type_->Load(record_.MachineTypeContext());
    SetupSession().working_types.push_back(type_.get());
    SetupSession().current_type = 0;
    services_.message_boxes.clear();
    return *type_;
  }

  ScriptedServices services_;
  GPrefiguration record_;
  std::string type_path_;
  std::string complete_;  // a type file that holds every key
  std::unique_ptr<GMachineType> type_;
};

// Steps of `prefig page set` from the lines of `text`: "CONTROL=VALUE" is
// an edit, "!CONTROL" a click (unless not `clicks`), "*" the Default
// button; a step the page refuses changes nothing, as on the command line.
inline void RunSteps(WConfigBase& page, std::string_view text, bool clicks = true) {
  constexpr size_t kMaxSteps = 16;
  for (size_t step = 0; step < kMaxSteps && !text.empty(); ++step) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.find('\0') != std::string_view::npos) continue;  // no argument of a command line holds one
    if (line == "*") {
      page.ResetToDefaults();
      continue;
    }
    std::string error;
    bool click = !line.empty() && line.front() == '!';
    size_t equals = line.find('=');
    std::string_view name = click ? line.substr(1) : line.substr(0, equals);
    if (click ? !clicks : equals == std::string_view::npos) continue;
    WControl* control = page_text::Find(page_text::Describe(page), name, &error);
    if (control == nullptr) continue;
    if (click) {
      page_text::Click(*control, &error);
    } else {
      page_text::Edit(*control, line.substr(equals + 1), &error);
    }
  }
}

// Splits an input into the machine type's file text and the steps after a
// line "%%".
inline std::pair<std::string_view, std::string_view> SplitTypeAndSteps(std::string_view input) {
  size_t mark = input.find("\n%%\n");
  if (mark == std::string_view::npos) return {input, {}};
  return {input.substr(0, mark), input.substr(mark + 4)};
}

[[noreturn]] inline void Fail(const char* what, const std::string& first, const std::string& second) {
  fprintf(stderr, "%s\n--- first\n%s\n--- second\n%s\n", what, first.c_str(), second.c_str());
  abort();
}

// A machine-type page on the type of the input, after its steps: what it
// shows once it has saved into the type and loaded again must survive the
// type's file (written, read again, shown by a new page). The file itself
// may change on a second save: the input's sections stand in front of the
// complete file's, and a saver that clears a section clears the first.
inline void CheckMachinePage(PageId id, std::string_view input) {
  auto make = PageTable()[static_cast<size_t>(id)].make;
  auto [type_text, steps] = SplitTypeAndSteps(input);
  PageFixture& fixture = PageFixture::Get();
  // A type whose TYPENAME or DESCRIPTION the input spoils is neither read
  // further nor written: its page only has to take the steps.
  bool valid = fixture.UseType(type_text).IsValid();
  std::string shown;
  {
    std::unique_ptr<WConfigBase> page = make();
    page->ShowPage(true);
    RunSteps(*page, steps);
    page->ShowPage(false);
    page->ShowPage(true);
    shown = page_text::Format(page_text::Describe(*page));
    page->ShowPage(false);
  }
  if (!valid) return;
  fixture.SaveAndReload();
  std::unique_ptr<WConfigBase> again = make();
  again->ShowPage(true);
  std::string reread = page_text::Format(page_text::Describe(*again));
  if (reread != shown) Fail("the page shows other values after its type was written and read", shown, reread);
}

}  // namespace prefig::fuzz
