// prefig init, prefig types ...: the configuration record as the editor
// builds it when it starts: context, protocols, machine types.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "pages/machine_types/type_file.h"
#include "platform/file_io.h"
#include "record/prefiguration.h"
#include "schema/registry.h"

namespace prefig::cli {
namespace {

struct TypesArgs {
  std::string root, type, section, other;
};

void PrintList(const GMachineList& types, const std::string& types_directory) {
  for (int i = 0; i < types.Count(); ++i) {
    const GMachineType& type = types.At(i);
    std::printf("%d\t%s\t%s\t%s\n", i + 1, type.Name().c_str(), type.Description().c_str(),
                (types_directory + "/" + platform::FileNameOf(type.Path())).c_str());
  }
}

struct ShownSetting {
  std::string key;  // SECTION/KEY
  std::string value;
};

// Every setting of the type, table by table as the saver writes them. With
// a load context, a setting the loader did not read (its file lacks it, or
// it is read only while another is on) is given its loaded default, so that
// two types compare equal where their files differ only by what is missing.
std::vector<ShownSetting> TypeSettings(GMachineType& type, const std::string& section,
                                       const LoadContext* defaults = nullptr) {
  std::vector<ShownSetting> shown;
  auto show = [&shown](const Setting& s, const std::string& key, std::string value) {
    shown.push_back({std::string(s.section) + "/" + key, std::move(value)});
  };
  std::set<const Setting*> printed;
  for (const SettingTable& table : schema::kTypeTables) {
    for (const Setting* s : table.settings) {
      if (!printed.insert(s).second || (!section.empty() && !ini::SameName(s->section, section))) continue;
      switch (s->held_by) {
        case HeldBy::kValues:
          for (int member = 0; member < s->count; ++member) {
            if (type.Values().IsHeld(*s, member)) {
              show(*s, KeyName(*s, member), type.Values().Format(*s, member));
            } else if (defaults) {
              LoadContext context = *defaults;
              context.basic_type = type.BasicType();
              show(*s, KeyName(*s, member), DefaultText(*s, context, member, &type.Values()));
            }
          }
          break;
        case HeldBy::kIniFile: show(*s, s->key, type.Ini().GetString(s->section, s->key, s->loader)); break;
        case HeldBy::kColourList:
          if (s == &schema::kColourCount) {
            show(*s, s->key, std::to_string(type.Colours().Entries().size()));
          } else if (s == &schema::kUserColour) {
            for (size_t i = 0; i < type.Colours().Entries().size(); ++i) {
              show(*s, KeyName(*s, static_cast<int>(i)), FormatUserColour(type.Colours().Entries()[i]));
            }
          }
          break;
        case HeldBy::kToolTable: {
          ToolTable& tools = s == &schema::kToolCount || s == &schema::kTool ? type.MillTools() : type.TurnTools();
          if (s->count == 1) {
            show(*s, s->key, std::to_string(tools.Tools().size()));
          } else {
            for (size_t i = 0; i < tools.Tools().size(); ++i) {
              show(*s, KeyName(*s, static_cast<int>(i)), FormatToolRecord(tools.Tools()[i]));
            }
          }
          break;
        }
        case HeldBy::kProtocolList:
        case HeldBy::kMacroLibrary: break;  // prefig types macros
      }
    }
  }
  return shown;
}

void PrintType(GMachineType& type, const std::string& section) {
  for (const ShownSetting& setting : TypeSettings(type, section)) {
    std::printf("%s=%s\n", setting.key.c_str(), setting.value.c_str());
  }
}

// One line per macro: number, NAME, group number and name; below it one
// line per parameter, indented by a tab: its number as the lines refer to
// it ($n for a value, @n for a function parameter) and its prompt.
void PrintMacros(const GMacroLibrary& library) {
  const std::vector<std::string>& groups = library.Groups();
  for (size_t i = 0; i < library.Macros().size(); ++i) {
    const Macro& macro = library.Macros()[i];
    int group = macro.Group();
    std::printf("%zu\t%s\t%d\t%s\n", i, macro.Name().c_str(), group,
                group < static_cast<int>(groups.size()) ? groups[static_cast<size_t>(group)].c_str() : "");
    for (size_t p = 0; p < macro.parameters.size(); ++p) {
      const MacroFields& fields = macro.parameters[p].fields;
      std::printf("\t%c%zu\t%s\n", fields.Bool(schema::kParameterIsFunction) ? '@' : '$', p + 1,
                  fields.Text(schema::kParameterDescription).c_str());
    }
  }
}

// The macros as name and text; the lines of a text joined by "\n".
std::vector<ShownSetting> MacroTexts(const GMacroLibrary& library) {
  std::vector<ShownSetting> macros;
  for (const Macro& macro : library.Macros()) {
    std::string text;
    for (const std::string& line : macro.lines) text += (text.empty() ? "" : "\\n") + line;
    macros.push_back({"MACRO/" + macro.Name(), std::move(text)});
  }
  return macros;
}

// The identity is what the machine type list gives every type of its own.
bool IsIdentity(const std::string& key) {
  for (const Setting* s : schema::kTypeIdentity) {
    if (ini::SameName(key, std::string(s->section) + "/" + s->key)) return true;
  }
  return false;
}

// SECTION/KEY TAB value in A TAB value in B for every setting in which they
// differ, in A's order (the saver's), then what only B has.
void PrintDifferences(const std::vector<ShownSetting>& a, const std::vector<ShownSetting>& b) {
  std::map<std::string, const ShownSetting*> in_b;
  for (const ShownSetting& setting : b) in_b.emplace(ini::UpperCase(setting.key), &setting);
  std::set<std::string> seen;
  for (const ShownSetting& setting : a) {
    std::string id = ini::UpperCase(setting.key);
    seen.insert(id);
    auto other = in_b.find(id);
    std::string value_b = other == in_b.end() ? std::string() : other->second->value;
    if ((other == in_b.end() || value_b != setting.value) && !IsIdentity(setting.key)) {
      std::printf("%s\t%s\t%s\n", setting.key.c_str(), setting.value.c_str(), value_b.c_str());
    }
  }
  for (const ShownSetting& setting : b) {
    if (!seen.count(ini::UpperCase(setting.key)) && !IsIdentity(setting.key)) {
      std::printf("%s\t\t%s\n", setting.key.c_str(), setting.value.c_str());
    }
  }
}

void DiffTypes(GPrefiguration& record, GMachineType& a, GMachineType* b) {
  std::unique_ptr<GMachineType> fresh;
  if (!b) {
    TypeContext context = record.MachineTypeContext();
    NewTypeSource source;
    source.basic_type = a.BasicType();
    std::string path = type_file::PathFor(platform::DirectoryOf(a.Path()), "new", "new");
    fresh = type_file::Create(source, path, "new", record.MachineTypes().NewIdentifier(), context);
    if (!fresh) throw Failure("cannot make a new machine type in " + platform::DirectoryOf(a.Path()));
    b = fresh.get();
  }
  LoadContext defaults = record.MachineTypeContext().load;
  std::vector<ShownSetting> settings_a = TypeSettings(a, {}, &defaults), settings_b = TypeSettings(*b, {}, &defaults);
  std::vector<ShownSetting> macros_a = MacroTexts(a.Macros()), macros_b = MacroTexts(b->Macros());
  settings_a.insert(settings_a.end(), macros_a.begin(), macros_a.end());
  settings_b.insert(settings_b.end(), macros_b.begin(), macros_b.end());
  PrintDifferences(settings_a, settings_b);
}

// A subcommand that prints something of one machine type, loaded as the
// editor loads it.
CLI::App* AddTypeCommand(CLI::App* types, const std::shared_ptr<TypesArgs>& args, const char* name, const char* help,
                         std::function<void(GMachineType&)> print) {
  CLI::App* command = types->add_subcommand(name, help);
  command->add_option("TYPE", args->type, "TYPENAME, DESCRIPTION or position")->required();
  command->add_option("--root", args->root, kRootHelp);
  command->callback([args, print] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    StartRecord(record);
    print(FindType(record.MachineTypes(), args->type));
  });
  return command;
}

void AddTypesCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<TypesArgs>();

  CLI::App* init =
      app.add_subcommand("init",
                         "Initialise the configuration as the editor does at start and end: print position, TYPENAME, "
                         "DESCRIPTION and file of every machine type");
  init->add_option("--root", args->root, kRootHelp);
  // The editor starts even when it cannot write its files; this command is
  // asked to write them, so one it could not write is its failure.
  init->callback([args] {
    SelectConfiguration(args->root);
    GPrefiguration record;
    journal::JournalTransaction load;
    StartRecord(record);
    // A start that failed ends without the editing state, which would
    // otherwise be written on its own into a file left half made.
    auto fail = [&record](const std::string& message) {
      record.GEditorDNCCfg::Destroy();
      throw Failure(message);
    };
    if (record.IsReadOnly()) fail("cannot write " + record.Path() + ": " + std::strerror(record.OpenError()));
    if (int error = platform::CreateDirectoryPath(record.TypesDirectory())) {
      fail("cannot create " + record.TypesDirectory() + ": " + std::strerror(error));
    }
    if (int error = load.Commit()) fail("cannot write " + load.FailedPath() + ": " + std::strerror(error));
    PrintList(record.MachineTypes(), record.TypesDirectory());
    record.ClearWriteError();
    record.Destroy();
    if (int error = record.WriteError()) throw Failure("cannot write " + record.Path() + ": " + std::strerror(error));
  });

  CLI::App* types = app.add_subcommand("types", "The machine types, as the editor would load them, changing no file");
  types->require_subcommand(1);
  CLI::App* list = types->add_subcommand("list", "Print position, TYPENAME, DESCRIPTION and file of every type");
  list->add_option("--root", args->root, kRootHelp);
  list->callback([args] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    StartRecord(record);
    PrintList(record.MachineTypes(), scratch.TypesDirectory());
  });
  AddTypeCommand(types, args, "show", "Print every setting of a type as SECTION/KEY=value", [args](GMachineType& type) {
    PrintType(type, args->section);
  })->add_option("SECTION", args->section, "Only this section");
  CLI::App* diff = AddTypeCommand(
      types, args, "diff",
      "Print the settings in which type A differs from B, or from a new type of A's basic type: SECTION/KEY, value in "
      "A and value in B, tab-separated, in the saver's order; macros by name and text",
      [args](GMachineType&) {});
  diff->add_option("B", args->other, "The type to compare with (TYPENAME, DESCRIPTION or position)");
  diff->callback([args] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    StartRecord(record);
    GMachineType& a = FindType(record.MachineTypes(), args->type);
    DiffTypes(record, a, args->other.empty() ? nullptr : &FindType(record.MachineTypes(), args->other));
  });
  AddTypeCommand(types, args, "backplot", "Print the backplot parameter string of a type",
                 [](GMachineType& type) { std::printf("%s\n", type.BackplotParameters().c_str()); });
  AddTypeCommand(types, args, "macros",
                 "Print the macros of a type: number, NAME, group number and name; under each, its parameters "
                 "($n value or @n function parameter, and prompt)",
                 [](GMachineType& type) { PrintMacros(type.Macros()); });
}

const CommandGroup kTypes{"types", &AddTypesCommands};

}  // namespace
}  // namespace prefig::cli
