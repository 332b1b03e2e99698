// prefig page ...: every page of the setup dialog as text, through the same
// page models, rules and savers as the dialog.
#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>

#include "cli/answer_services.h"
#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "pages/editor_setup_main.h"
#include "module/module_abi.h"
#include "module/module_state.h"
#include "pages/run_setup.h"
#include "pages/config_base.h"
#include "pages/page_text.h"
#include "ini/ini_text.h"
#include "record/prefiguration.h"

namespace prefig::cli {
namespace {

struct PageArgs {
  std::string root, page, type;
};

// One step of a session, in the order given on the command line.
struct Step {
  enum Kind { kDefaults, kEdit, kClick } kind;
  std::string control, value;
};

struct Session {
  std::vector<Step> steps;
  std::deque<std::string> answers;
};

// CONTROL=VALUE, --click CONTROL, --answer TEXT and --defaults, in order.
Session ParseSteps(const std::vector<std::string>& words) {
  Session session;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& word = words[i];
    auto argument = [&]() -> const std::string& {
      if (i + 1 >= words.size()) throw Failure(word + " needs an argument");
      return words[++i];
    };
    if (word == "--defaults") {
      session.steps.push_back({Step::kDefaults, {}, {}});
    } else if (word == "--click") {
      session.steps.push_back({Step::kClick, argument(), {}});
    } else if (word == "--answer") {
      session.answers.push_back(argument());
    } else if (size_t equals = word.find('='); equals != std::string::npos && word.rfind("--", 0) != 0) {
      session.steps.push_back({Step::kEdit, word.substr(0, equals), word.substr(equals + 1)});
    } else {
      throw Failure("unexpected argument '" + word + "' (CONTROL=VALUE, --click CONTROL, --answer TEXT, --defaults)");
    }
  }
  return session;
}

bool IsNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The index in the tree of the page named by its class, start page number
// or title as the tree shows it.
int FindPage(const DEditorSetupMain& dialog, const std::string& name) {
  const auto& tree = dialog.Tree();
  for (size_t i = 0; i < tree.size(); ++i) {
    const PageEntry& entry = PageTable()[static_cast<size_t>(tree[i].id)];
    bool by_number = IsNumber(name) && entry.start_page == std::atoi(name.c_str());
    if (by_number || ini::SameName(entry.class_name, name) || tree[i].title == name) return static_cast<int>(i);
  }
  throw Failure("no page '" + name + "' in the tree (prefig page list shows them)");
}

// The record as the editor has it when the user opens the settings.
class PageSession {
 public:
  PageSession(const PageArgs& args, bool scratch, std::deque<std::string> answers)
      : services_(std::move(answers)) {
    if (scratch) {
      scratch_.emplace(args.root);
    } else {
      SelectConfiguration(args.root);
    }
    StartRecord(record_);
    if (!args.type.empty()) record_.Host().current_machine_type = FindType(args.type);
    Module().record = &record_;
    Module().restart_notice = false;
    dialog_ = std::make_unique<DEditorSetupMain>(FeatureSwitchesOf(record_), false);
    dialog_->Open(0);
  }
  ~PageSession() {
    dialog_.reset();
    Module().record = nullptr;
  }

  DEditorSetupMain& Dialog() { return *dialog_; }
  GPrefiguration& Record() { return record_; }
  AnswerServices& Services() { return services_; }

  // Shows the page and runs the steps; a step that cannot be made is a
  // failure before anything is written.
  WConfigBase& Run(const std::string& page_name, const std::vector<Step>& steps) {
    dialog_->Select(FindPage(*dialog_, page_name));
    WConfigBase& page = *dialog_->CurrentPage();
    for (const Step& step : steps) {
      if (step.kind == Step::kDefaults) {
        page.ResetToDefaults();
        continue;
      }
      std::string error;
      WControl* control = page_text::Find(page_text::Describe(page), step.control, &error);
      bool done = control != nullptr && (step.kind == Step::kEdit ? page_text::Edit(*control, step.value, &error)
                                                                  : page_text::Click(*control, &error));
      if (!done) throw Failure(control == nullptr ? error : step.control + " " + error);
      if (!services_.Error().empty()) throw Failure(services_.Error());
    }
    return page;
  }

 private:
  int FindType(const std::string& name) {
    GMachineList& types = record_.MachineTypes();
    int position = IsNumber(name) ? std::atoi(name.c_str()) - 1 : types.Find(name);
    if (position < 0 || position >= types.Count()) throw Failure("no machine type " + name);
    return position;
  }

  std::optional<ScratchConfiguration> scratch_;
  GPrefiguration record_;
  AnswerServices services_;
  std::unique_ptr<DEditorSetupMain> dialog_;
};

void AddStepOptions(CLI::App* command, const std::shared_ptr<PageArgs>& args) {
  command->add_option("PAGE", args->page, "Class name (DGlobal), start page number, or title")->required();
  command->add_option("--type", args->type, "The current machine type: TYPENAME, DESCRIPTION or position");
  command->add_option("--root", args->root, kRootHelp);
  command->allow_extras();
  command->footer(
      "Then, in order: --defaults (the Default button), CONTROL=VALUE (an edit as a user makes it), "
      "--click CONTROL, --answer TEXT (the answer to the next question or chooser: yes, no, ok, cancel, "
      "a path, #RRGGBB, a font FACE,HEIGHT,WEIGHT,ITALIC, a text). CONTROL is SECTION/KEY, KEY alone when "
      "unique, or #MESSAGEID.");
}

void AddPageCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<PageArgs>();
  CLI::App* page = app.add_subcommand("page", "The pages of the setup dialog as text: list, show, set");
  page->require_subcommand(1);

  CLI::App* list = page->add_subcommand("list", "One line per page of the tree: start page, title, class name");
  list->add_option("--root", args->root, kRootHelp);
  list->callback([args] {
    PageSession session(*args, true, {});
    for (const auto& entry : session.Dialog().Tree()) {
      const PageEntry& row = PageTable()[static_cast<size_t>(entry.id)];
      std::printf("%d\t%s\t%s\n", row.start_page, entry.title.c_str(), row.class_name);
    }
  });

  CLI::App* show = page->add_subcommand(
      "show", "The page after loading (and the steps given): NAME, KIND, VALUE, STATE per control, changing no file");
  AddStepOptions(show, args);
  show->callback([args, show] {
    Session steps = ParseSteps(show->remaining());
    PageSession session(*args, true, std::move(steps.answers));
    WConfigBase& shown = session.Run(args->page, steps.steps);
    std::fputs(page_text::Format(page_text::Describe(shown)).c_str(), stdout);
  });

  CLI::App* set = page->add_subcommand("set", "The steps given, then OK: writes exactly what the dialog's OK writes");
  AddStepOptions(set, args);
  set->callback([args, set] {
    Session steps = ParseSteps(set->remaining());
    PageSession session(*args, false, std::move(steps.answers));
    session.Run(args->page, steps.steps);
    GPrefiguration& record = session.Record();
    record.ClearWriteError();
    session.Dialog().Ok();
    GMachineType* handed_back[kMachineListOutMax];
    int count = -1;
    session.Dialog().Close(handed_back, &count);
    if (int error = record.WriteError()) {
      throw Failure("cannot write " + record.Path() + ": " + std::strerror(error));
    }
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      GMachineType& type = record.MachineTypes().At(i);
      if (int error = type.Ini().WriteError()) throw Failure("cannot write " + type.Path() + ": " + std::strerror(error));
    }
    if (Module().restart_notice) std::fprintf(stderr, "prefig: %s\n", MessageString(kRestartNoticeId).c_str());
  });
}

const CommandGroup kPage{"page", &AddPageCommands};

}  // namespace
}  // namespace prefig::cli
