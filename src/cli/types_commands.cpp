// prefig init, prefig types ...: the configuration record as the editor
// builds it when it starts: context, protocols, machine types.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>

#include "cli/cli_common.h"
#include "cli/host_program.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "platform/file_io.h"
#include "store/ini_text.h"
#include "store/prefiguration.h"
#include "store/schema/registry.h"

namespace prefig::cli {
namespace {

namespace fs = std::filesystem;

struct TypesArgs {
  std::string root, type, section;
};

// The editor's configuration, as its ConfigPaths.cfg resolves it, or the
// one under the root folder given (every directory a subfolder of it).
void SelectConfiguration(const std::string& root) {
  ConfigPaths().SetProgramFile(root.empty() ? ProgramOrHost("")
                                            : platform::AbsolutePath(root) + "/" + kHostProgramName);
}

void Start(GPrefiguration& record) {
  int result = record.InitDnc(kMainIniName, true);
  if (result != GConfiguration::kInitDone) {
    throw Failure("the configuration could not be initialised (code " + std::to_string(result) +
                  "; are the message files in " + record.ProgramDirectory() + "/msg?)");
  }
}

void PrintList(const GMachineList& types, const std::string& types_directory) {
  for (int i = 0; i < types.Count(); ++i) {
    const GMachineType& type = types.At(i);
    std::printf("%d\t%s\t%s\t%s\n", i + 1, type.Name().c_str(), type.Description().c_str(),
                (types_directory + "/" + platform::FileNameOf(type.Path())).c_str());
  }
}

// A configuration of our own in a temporary folder, holding copies of the
// main INI file and the machine types of the real one, its DATA being the
// real one: the record is built there exactly as the editor would build
// it, and no file of the real configuration changes.
class ScratchConfiguration {
 public:
  explicit ScratchConfiguration(const std::string& root) {
    SelectConfiguration(root);
    types_ = ConfigPaths().GetPath(kTypesKey);
    std::string main_ini = ConfigPaths().GetPath(kCfgKey, std::string(kMainIniName) + ".ini");
    std::string data = ConfigPaths().GetPath(kDataKey);
    std::string pattern = (fs::temp_directory_path() / "prefig-types-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw Failure("cannot create a temporary folder");
    dir_ = pattern;
    PathTable table;
    table.Set(kCfgKey, dir_ + "/Cfg");
    table.Set(kTypesKey, dir_ + "/Types");
    table.Set(kDataKey, data);
    if (!GConfigPathHandler::WritePathsFile(table, dir_ + "/ConfigPaths.cfg")) {
      throw Failure("cannot write in " + dir_);
    }
    if (platform::FileExists(main_ini)) platform::CopyFile(main_ini, dir_ + "/Cfg/" + kMainIniName + ".ini");
    std::error_code error;
    for (fs::directory_iterator it(types_, error), end; !error && it != end; it.increment(error)) {
      std::error_code type_error;
      if (it->is_regular_file(type_error)) {
        platform::CopyFile(it->path().string(), dir_ + "/Types/" + it->path().filename().string());
      }
    }
    ConfigPaths().SetProgramFile(dir_ + "/" + kHostProgramName);
  }
  ~ScratchConfiguration() {
    std::error_code error;
    fs::remove_all(dir_, error);
  }
  ScratchConfiguration(const ScratchConfiguration&) = delete;
  ScratchConfiguration& operator=(const ScratchConfiguration&) = delete;

  const std::string& TypesDirectory() const { return types_; }

 private:
  std::string types_;
  std::string dir_;
};

GMachineType& FindType(GMachineList& types, const std::string& name_or_position) {
  bool number = !name_or_position.empty() && name_or_position.find_first_not_of("0123456789") == std::string::npos;
  int position = number ? std::atoi(name_or_position.c_str()) - 1 : types.Find(name_or_position);
  if (position < 0 || position >= types.Count()) throw Failure("no machine type " + name_or_position, kExitNo);
  return types.At(position);
}

void PrintSetting(const Setting& s, const std::string& key, const std::string& value) {
  std::printf("%s/%s=%s\n", s.section, key.c_str(), value.c_str());
}

// Every setting of the type, table by table as the saver writes them.
void PrintType(GMachineType& type, const std::string& section) {
  std::set<const Setting*> printed;
  for (const SettingTable& table : schema::kTypeTables) {
    for (const Setting* s : table.settings) {
      if (!printed.insert(s).second || (!section.empty() && !ini::SameName(s->section, section))) continue;
      switch (s->held_by) {
        case HeldBy::kValues:
          for (int member = 0; member < s->count; ++member) {
            if (type.Values().IsHeld(*s, member)) PrintSetting(*s, KeyName(*s, member), type.Values().Format(*s, member));
          }
          break;
        case HeldBy::kIniFile: PrintSetting(*s, s->key, type.Ini().GetString(s->section, s->key, s->loader)); break;
        case HeldBy::kColourList:
          if (s == &schema::kColourCount) {
            PrintSetting(*s, s->key, std::to_string(type.Colours().Entries().size()));
          } else if (s == &schema::kUserColour) {
            for (size_t i = 0; i < type.Colours().Entries().size(); ++i) {
              PrintSetting(*s, KeyName(*s, static_cast<int>(i)), FormatUserColour(type.Colours().Entries()[i]));
            }
          }
          break;
        case HeldBy::kToolTable: {
          ToolTable& tools = s == &schema::kToolCount || s == &schema::kTool ? type.MillTools() : type.TurnTools();
          if (s->count == 1) {
            PrintSetting(*s, s->key, std::to_string(tools.Tools().size()));
          } else {
            for (size_t i = 0; i < tools.Tools().size(); ++i) {
              PrintSetting(*s, KeyName(*s, static_cast<int>(i)), FormatToolRecord(tools.Tools()[i]));
            }
          }
          break;
        }
        case HeldBy::kProtocolList: break;
      }
    }
  }
}

void AddTypesCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<TypesArgs>();
  const char* root_help = "Use this folder as the configuration (default: as the editor's ConfigPaths.cfg says)";

  CLI::App* init = app.add_subcommand(
      "init", "Initialise the configuration as the editor does at start and end: print position, TYPENAME, "
              "DESCRIPTION and file of every machine type");
  init->add_option("--root", args->root, root_help);
  init->callback([args] {
    SelectConfiguration(args->root);
    GPrefiguration record;
    Start(record);
    PrintList(record.MachineTypes(), record.TypesDirectory());
    record.Destroy();
  });

  CLI::App* types = app.add_subcommand("types", "The machine types, as the editor would load them, changing no file");
  types->require_subcommand(1);
  CLI::App* list = types->add_subcommand("list", "Print position, TYPENAME, DESCRIPTION and file of every type");
  list->add_option("--root", args->root, root_help);
  list->callback([args] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    Start(record);
    PrintList(record.MachineTypes(), scratch.TypesDirectory());
  });
  CLI::App* show = types->add_subcommand("show", "Print every setting of a type as SECTION/KEY=value");
  show->add_option("TYPE", args->type, "TYPENAME, DESCRIPTION or position")->required();
  show->add_option("SECTION", args->section, "Only this section");
  show->add_option("--root", args->root, root_help);
  show->callback([args] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    Start(record);
    PrintType(FindType(record.MachineTypes(), args->type), args->section);
  });
}

const CommandGroup kTypes{"types", &AddTypesCommands};

}  // namespace
}  // namespace prefig::cli
