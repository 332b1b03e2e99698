// prefig page ...: every page of the setup dialog, and the 5-axis and
// paths dialogs, as text, through the same models, rules and savers as the
// dialogs.
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
#include "cli/host_program.h"
#include "cli/scratch_configuration.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "module/module_abi.h"
#include "module/module_state.h"
#include "pages/config_base.h"
#include "pages/config_paths_dialog.h"
#include "pages/editor_setup_main.h"
#include "pages/five_axis_dialog.h"
#include "pages/page_text.h"
#include "pages/run_setup.h"
#include "pages/setting_search.h"
#include "record/dnc_config.h"
#include "record/five_axis_files.h"
#include "record/prefiguration.h"

namespace prefig::cli {
namespace {

struct PageArgs {
  std::string root, page, type, current;
};

// The dialogs that are no page of the tree, by the name PAGE gives them.
constexpr const char* kFiveAxisDialogName = "5axis";
constexpr const char* kPathsDialogName = "paths";

// One step of a session, in the order given on the command line.
struct Step {
  enum Kind { kDefaults, kEdit, kClick, kReset } kind;
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
    } else if (word == "--reset") {
      session.steps.push_back({Step::kReset, argument(), {}});
    } else if (word == "--answer") {
      session.answers.push_back(argument());
    } else if (size_t equals = word.find('='); equals != std::string::npos && word.rfind("--", 0) != 0) {
      session.steps.push_back({Step::kEdit, word.substr(0, equals), word.substr(equals + 1)});
    } else {
      throw Failure("unexpected argument '" + word +
                    "' (CONTROL=VALUE, --click CONTROL, --reset CONTROL, --answer TEXT, --defaults)");
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

// Runs the steps on the controls that `describe` lists; a step that cannot
// be made is a failure before anything is written.
template <typename Describe, typename Defaults, typename Reset>
void RunSteps(const std::vector<Step>& steps, const AnswerServices& services, Describe describe, Defaults defaults,
              Reset reset) {
  for (const Step& step : steps) {
    if (step.kind == Step::kDefaults) {
      defaults();
      continue;
    }
    std::string error;
    WControl* control = page_text::Find(describe(), step.control, &error);
    bool done = false;
    if (control != nullptr) {
      switch (step.kind) {
        case Step::kEdit: done = page_text::Edit(*control, step.value, &error); break;
        case Step::kClick: done = page_text::Click(*control, &error); break;
        default: done = reset(*control, &error); break;
      }
    }
    if (!done) throw Failure(control == nullptr ? error : step.control + " " + error);
    if (!services.Error().empty()) throw Failure(services.Error());
  }
}

bool IsDialogName(const std::string& name) {
  return ini::SameName(name, kFiveAxisDialogName) || ini::SameName(name, kPathsDialogName);
}

// The record as the editor has it when the user opens the settings.
class PageSession {
 public:
  PageSession(const PageArgs& args, bool scratch, std::deque<std::string> answers) : services_(std::move(answers)) {
    if (!args.current.empty()) throw Failure("--current is for the 5axis dialog");
    if (scratch) {
      scratch_.emplace(args.root);
    } else {
      SelectConfiguration(args.root);
    }
    StartRecord(record_);
    if (!args.type.empty()) record_.Host().current_machine_type = FindType(args.type);
    Module().record = &record_;
    Module().restart_notice = false;
    dialog_ = std::make_unique<DEditorSetupMain>(FeatureSwitchesOf(record_), true);
    dialog_->Open(0);
  }
  ~PageSession() {
    dialog_.reset();
    Module().record = nullptr;
    Module().dnc_config = nullptr;
  }

  DEditorSetupMain& Dialog() { return *dialog_; }
  GPrefiguration& Record() { return record_; }
  GDncConfig& Dnc() { return dnc_; }
  AnswerServices& Services() { return services_; }

  // Shows the page and runs the steps.
  // As the host, which gives its DNC client's object, the DNC pages are in
  // the tree; the object's file is read (and so completed) only for them.
  WConfigBase& Run(const std::string& page_name, const std::vector<Step>& steps) {
    int index = FindPage(*dialog_, page_name);
    PageId id = dialog_->Tree()[static_cast<size_t>(index)].id;
    if (id == PageId::kDncAdministration || id == PageId::kDncPortList) {
      record_.InitDncConfig(dnc_);
      Module().dnc_config = &dnc_;
    }
    dialog_->Select(index);
    WConfigBase& page = *dialog_->CurrentPage();
    RunSteps(
        steps, services_, [&page] { return page_text::Describe(page); }, [&page] { page.ResetToDefaults(); },
        [&page](WControl& control, std::string* error) {
          if (page.ResetControl(control)) return true;
          *error = "has no default of its own (the page's Default leaves it or sets it from other controls)";
          return false;
        });
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
  GDncConfig dnc_;
  AnswerServices services_;
  std::unique_ptr<DEditorSetupMain> dialog_;
};

// The 5-axis or the paths dialog as the host opens it: the message texts of
// a copy of the configuration, the files of the configuration itself.
class DialogSession {
 public:
  DialogSession(const PageArgs& args, std::deque<std::string> answers)
      : scratch_(args.root), services_(std::move(answers)), handler_(ConfigurationProgram(args.root)) {
    if (!args.type.empty()) throw Failure("--type is for the pages of a machine type");
    StartRecord(record_);
    if (ini::SameName(args.page, kPathsDialogName)) {
      if (!args.current.empty()) throw Failure("--current is for the 5axis dialog");
      dialog_ = std::make_unique<DConfigPaths>(handler_, nullptr);
      return;
    }
    std::optional<FiveAxisRecord> current;
    if (!args.current.empty()) {
      current = ParseFiveAxisRecord(args.current);
      if (!current) throw Failure("--current is not a readable 5-axis machine record");
    }
    user_file_ = UserFiveAxisFile(handler_.GetPath(kTypesKey));
    std::string templates = TemplateFiveAxisFile(platform::DirectoryOf(ProgramOrHost("")));
    dialog_ = std::make_unique<WInspect5Axis>(user_file_, templates, current);
  }

  FormDialog& Run(const std::vector<Step>& steps) {
    RunSteps(
        steps, services_, [this] { return page_text::Describe(*dialog_); },
        [] { throw Failure("--defaults is the Default button of a page; click a dialog's own"); },
        [](WControl&, std::string*) -> bool { throw Failure("--reset is for the controls of a page"); });
    return *dialog_;
  }

  // OK as the dialog's button: what it writes, and for the 5-axis dialog
  // the record it hands the host on standard output.
  void Ok() {
    if (auto* five_axis = dynamic_cast<WInspect5Axis*>(dialog_.get())) {
      if (!five_axis->Check()) {
        throw Failure(five_axis->FocusControl()->ControlName() + " has a letter that the type does not allow");
      }
      five_axis->Ok();
      if (!five_axis->HasEnded()) throw Failure("cannot write " + user_file_);
      std::printf("%s\n", FormatFiveAxisRecord(*five_axis->Result()).c_str());
      return;
    }
    auto& paths = static_cast<DConfigPaths&>(*dialog_);
    paths.Ok();
    if (paths.LastOutcome() == DConfigPaths::Outcome::kNotWritten)
      throw Failure("cannot write " + handler_.PathsFile());
  }

 private:
  ScratchConfiguration scratch_;
  GPrefiguration record_;
  AnswerServices services_;
  GConfigPathHandler handler_;
  std::string user_file_;
  std::unique_ptr<FormDialog> dialog_;
};

void AddStepOptions(CLI::App* command, const std::shared_ptr<PageArgs>& args) {
  command
      ->add_option("PAGE", args->page,
                   "Class name (DGlobal), start page number, or title; 5axis or paths for "
                   "the 5-axis machines or the configuration paths dialog")
      ->required();
  command->add_option("--type", args->type, "The current machine type: TYPENAME, DESCRIPTION or position");
  command->add_option("--current", args->current, "The host's current 5-axis record (5axis)");
  command->add_option("--root", args->root, kRootHelp);
  command->allow_extras();
  command->footer(
      "Then, in order: --defaults (the Default button), CONTROL=VALUE (an edit as a user makes it), "
      "--click CONTROL, --reset CONTROL (the control's Reset to default), --answer TEXT (the answer to the next "
      "question or chooser: yes, no, ok, cancel, "
      "a path, #RRGGBB, a font FACE,HEIGHT,WEIGHT,ITALIC, the text typed into a prompt). CONTROL is SECTION/KEY, "
      "KEY alone when unique, the control's name (a dialog's L1, path, ...), or #MESSAGEID.");
}

void AddPageCommands(CLI::App& app, int& exit_code) {
  auto args = std::make_shared<PageArgs>();
  CLI::App* page = app.add_subcommand(
      "page", "The pages of the setup dialog, and the 5-axis and paths dialogs, as text: list, find, show, set");
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

  auto find_text = std::make_shared<std::string>();
  CLI::App* find = page->add_subcommand(
      "find",
      "Every control of every page that TEXT finds (its text, help, SECTION/KEY or value, without regard "
      "to case or accents): PAGE, NAME, the text that matched; exit 1 when none");
  find->add_option("TEXT", *find_text, "What a user types into the settings' search field")->required();
  find->add_option("--type", args->type, "The current machine type: TYPENAME, DESCRIPTION or position");
  find->add_option("--root", args->root, kRootHelp);
  find->callback([args, find_text, &exit_code] {
    PageSession session(*args, true, {});
    std::vector<setting_search::Match> matches = setting_search::Find(session.Dialog(), {*find_text});
    for (const setting_search::Match& match : matches) {
      const PageEntry& row = PageTable()[static_cast<size_t>(session.Dialog().Tree()[match.entry].id)];
      std::printf("%s\t%s\t%s\n", row.class_name, match.name.c_str(), match.text.c_str());
    }
    exit_code = matches.empty() ? kExitNo : kExitOk;
  });

  CLI::App* show = page->add_subcommand(
      "show", "The page after loading (and the steps given): NAME, KIND, VALUE, STATE per control, changing no file");
  AddStepOptions(show, args);
  show->callback([args, show] {
    Session steps = ParseSteps(show->remaining());
    if (IsDialogName(args->page)) {
      DialogSession session(*args, std::move(steps.answers));
      std::fputs(page_text::Format(page_text::Describe(session.Run(steps.steps))).c_str(), stdout);
      return;
    }
    PageSession session(*args, true, std::move(steps.answers));
    WConfigBase& shown = session.Run(args->page, steps.steps);
    std::fputs(page_text::Format(page_text::Describe(shown)).c_str(), stdout);
  });

  CLI::App* set = page->add_subcommand("set", "The steps given, then OK: writes exactly what the dialog's OK writes");
  AddStepOptions(set, args);
  set->callback([args, set] {
    Session steps = ParseSteps(set->remaining());
    // The files change together when the command ends, or none does.
    auto commit = [](journal::JournalTransaction& save) {
      if (int error = save.Commit()) {
        throw Failure("nothing saved, cannot write " + save.FailedPath() + ": " + std::strerror(error));
      }
    };
    if (IsDialogName(args->page)) {
      DialogSession session(*args, std::move(steps.answers));
      journal::JournalTransaction save;
      session.Run(steps.steps);
      session.Ok();
      commit(save);
      return;
    }
    PageSession session(*args, false, std::move(steps.answers));
    journal::JournalTransaction save;
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
    if (int error = session.Dnc().Ini().WriteError()) {
      throw Failure("cannot write " + session.Dnc().Ini().Path() + ": " + std::strerror(error));
    }
    for (int i = 0; i < record.MachineTypes().Count(); ++i) {
      GMachineType& type = record.MachineTypes().At(i);
      if (int error = type.Ini().WriteError())
        throw Failure("cannot write " + type.Path() + ": " + std::strerror(error));
    }
    commit(save);
    if (Module().restart_notice) std::fprintf(stderr, "prefig: %s\n", MessageString(kRestartNoticeId).c_str());
  });
}

const CommandGroup kPage{"page", &AddPageCommands};

}  // namespace
}  // namespace prefig::cli
