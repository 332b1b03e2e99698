// prefig types export|import: one zip archive that carries a machine type
// from one workstation to another.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "cli/check_report.h"
#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "ini/ini_text.h"
#include "ini/journal_transaction.h"
#include "pages/machine_types/type_file.h"
#include "platform/file_io.h"
#include "record/five_axis_files.h"
#include "record/prefiguration.h"
#include "record/setting_io.h"
#include "record/type_archive.h"
#include "record/type_import.h"
#include "schema/registry.h"

namespace prefig::cli {
namespace {

struct ArchiveArgs {
  std::string root, type, file;
};

// The files a type names that may travel with it: the tool-list template
// and the post processor.
constexpr const Setting* kCarriedFiles[] = {&schema::kTemplate, &schema::kDefaultPostProcessor};

// The configuration's folders, resolved, the most specific first.
std::vector<PathTable::Entry> ConfigurationFolders() {
  std::vector<PathTable::Entry> folders;
  auto add = [&folders](std::string_view key) {
    std::string name = ini::UpperCase(key);
    bool known = std::any_of(folders.begin(), folders.end(), [&name](const auto& f) { return f.key == name; });
    if (!known && name.find('/') == std::string::npos && !WhyUnsafeMemberName(name))
      folders.push_back({name, ConfigPaths().GetPath(name)});
  };
  for (const ConfigPathDefault& folder : kConfigPathDefaults) add(folder.key);
  for (const PathTable::Entry& entry : ConfigPaths().Table()) add(entry.key);
  std::sort(folders.begin(), folders.end(),
            [](const PathTable::Entry& a, const PathTable::Entry& b) { return a.value.size() > b.value.size(); });
  return folders;
}

// "files/KEY/PATH" for a file inside a configuration folder, else nothing.
std::optional<std::string> CarriedName(const std::vector<PathTable::Entry>& folders, const std::string& path) {
  for (const PathTable::Entry& folder : folders) {
    if (folder.value.empty() || path.size() <= folder.value.size() + 1 ||
        path.compare(0, folder.value.size(), folder.value) != 0 || path[folder.value.size()] != '/')
      continue;
    std::string name = std::string(kArchiveFilesFolder) + folder.key + path.substr(folder.value.size());
    if (!WhyUnsafeMemberName(name)) return name;
  }
  return std::nullopt;
}

void ExportType(const ArchiveArgs& args) {
  SelectConfiguration(args.root);
  std::vector<PathTable::Entry> folders = ConfigurationFolders();
  ScratchConfiguration scratch(args.root);
  GPrefiguration record;
  StartRecord(record);
  GMachineType& type = FindType(record.MachineTypes(), args.type);
  std::string file = platform::FileNameOf(type.Path());
  std::vector<ArchiveMember> members(1);
  members[0].name = std::string(kArchiveTypeFolder) + file;
  // The file as the workstation has it, not as the loader completed it.
  std::string real = scratch.TypesDirectory() + "/" + file;
  if (platform::ReadWholeFile(platform::FileExists(real) ? real : type.Path(), members[0].data) !=
      platform::ReadStatus::kOk)
    throw Failure("cannot read " + real);

  if (std::optional<FiveAxisRecord> machine = ParseFiveAxisRecord(type.Values().Text(schema::kCfg5Axis))) {
    std::vector<FiveAxisRecord> named;
    for (FiveAxisRecord& user : ReadFiveAxisFile(UserFiveAxisFile(scratch.TypesDirectory()))) {
      if (user.name == machine->name) named.push_back(std::move(user));
    }
    if (!named.empty()) {
      members.push_back(
          {std::string(kArchiveFiveAxisFolder) + std::string(kUserFiveAxisFileName), FormatFiveAxisLines(named)});
    }
  }
  for (const Setting* s : kCarriedFiles) {
    const std::string& path = type.Values().Text(*s);
    std::optional<std::string> name = path.empty() ? std::nullopt : CarriedName(folders, path);
    if (!name || !platform::FileExists(path)) continue;
    ArchiveMember member{*name, {}};
    if (platform::ReadWholeFile(path, member.data) != platform::ReadStatus::kOk) throw Failure("cannot read " + path);
    members.push_back(std::move(member));
  }
  std::string error = WriteTypeArchive(platform::AbsolutePath(args.file), members);
  if (!error.empty()) throw Failure("cannot write " + args.file + ": " + error);
  for (const ArchiveMember& member : members) std::printf("%s\n", member.name.c_str());
}

// A file that exists is never replaced: the same bytes are used as they
// are, other bytes get a free name beside it, as " (2)".
std::string FreePathFor(const std::string& path, const std::string& data, bool& write) {
  std::string directory = platform::DirectoryOf(path);
  std::string stem = platform::FileStemOf(path);
  std::string extension = platform::FileNameOf(path).substr(stem.size());
  std::string candidate = path;
  for (int number = 2;; ++number) {
    std::string existing;
    if (!platform::FileExists(candidate)) {
      write = true;
      return candidate;
    }
    if (platform::ReadWholeFile(candidate, existing) == platform::ReadStatus::kOk && existing == data) {
      write = false;
      return candidate;
    }
    candidate = directory + "/" + stem + " (" + std::to_string(number) + ")" + extension;
  }
}

// A file of the import in its folder, or a Failure with the reason.
void WriteImported(const std::string& path, std::string_view data) {
  int error = platform::CreateDirectoryPath(platform::DirectoryOf(path));
  if (error == 0) error = platform::ReplaceFile(path, data);
  if (error != 0) throw Failure("cannot write " + path + ": " + std::strerror(error));
}

std::string ArchiveStoredValue(std::string_view text, const Setting& s) {
  return ImportedValue(text, s.section, s.key);
}

void ArchiveSetValue(std::string& text, const Setting& s, std::string_view value) {
  SetImportedValue(text, s.section, s.key, value);
}

bool HasTypeFiles(const std::string& directory) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
    if (ini::SameName(it->path().extension().string(), kTypeFileExtension)) return true;
  }
  return false;
}

int ImportType(const ArchiveArgs& args) {
  SelectConfiguration(args.root);
  std::vector<PathTable::Entry> folders = ConfigurationFolders();
  std::string types_directory = ConfigPaths().GetPath(kTypesKey);
  std::string error;
  std::optional<std::vector<ArchiveMember>> members = ReadTypeArchive(platform::AbsolutePath(args.file), error);
  if (!members) throw Failure("the archive cannot be imported: " + error);
  std::optional<TypeImportPlan> planned = PlanTypeImport(*members, folders, error);
  if (!planned) throw Failure("the archive cannot be imported: " + error);
  TypeImportPlan& plan = *planned;

  // The names the configuration has, as the editor would load it; a
  // configuration without types has none (the templates come only when
  // nothing else is there).
  std::string wanted = ArchiveStoredValue(plan.type->data, schema::kDescription);
  if (wanted.empty()) wanted = platform::FileStemOf(plan.type->name);
  std::string identifier, description = wanted;
  int count = 0;
  if (HasTypeFiles(types_directory)) {
    ScratchConfiguration scratch(args.root);
    GPrefiguration record;
    StartRecord(record);
    GMachineList& list = record.MachineTypes();
    count = list.Count();
    identifier = list.NewIdentifier();
    for (int number = 2; list.Find(description) >= 0; ++number) {
      description = wanted + " (" + std::to_string(number) + ")";
    }
    SelectConfiguration(args.root);
  } else {
    identifier = GMachineList().NewIdentifier();
  }

  // The files of the import are one save, as the editor's saves are: a
  // file that cannot be written leaves none of the others behind.
  auto attached = journal::AttachJournal(ConfigPaths().GetPath(kCfgKey));
  journal::WatchFolder(types_directory);
  for (const TypeImportPlan::Carried& carried : plan.files) {
    journal::WatchFolder(platform::DirectoryOf(carried.path));
  }
  journal::JournalTransaction save;
  std::vector<std::string> written;
  std::string text = plan.type->data;
  ArchiveSetValue(text, schema::kTypeName, identifier);
  ArchiveSetValue(text, schema::kDescription, description);
  ArchiveSetValue(text, schema::kLoadOrder, std::to_string(count + 1));
  for (TypeImportPlan::Carried& carried : plan.files) {
    bool write = false;
    carried.path = FreePathFor(carried.path, carried.member->data, write);
    if (write) WriteImported(carried.path, carried.member->data);
    for (const Setting* s : kCarriedFiles) {
      std::string stored = ArchiveStoredValue(plan.type->data, *s);
      if (!stored.empty() && platform::FileNameOf(stored) == platform::FileNameOf(carried.member->name))
        ArchiveSetValue(text, *s, carried.path);
    }
    written.push_back(carried.path);
  }
  if (plan.five_axis) {
    std::string file = UserFiveAxisFile(types_directory);
    std::vector<FiveAxisRecord> records = ReadFiveAxisFile(file);
    size_t before = records.size();
    for (FiveAxisRecord& imported : ParseFiveAxisLines(plan.five_axis->data)) {
      bool known = std::any_of(records.begin(), records.end(),
                               [&imported](const FiveAxisRecord& r) { return r.name == imported.name; });
      if (!known) records.push_back(std::move(imported));
    }
    if (records.size() > before) {
      int failed = platform::CreateDirectoryPath(types_directory);
      if (failed == 0) failed = WriteFiveAxisFile(file, records);
      if (failed != 0) throw Failure("cannot write " + file + ": " + std::strerror(failed));
      written.push_back(file);
    }
  }
  std::string path = type_file::PathFor(types_directory, description, "Imported");
  if (platform::FileExists(path)) throw Failure("cannot write " + path + ": " + std::strerror(EEXIST));
  WriteImported(path, text);
  if (int failed = save.Commit()) {
    throw Failure("nothing imported, cannot write " + save.FailedPath() + ": " + std::strerror(failed));
  }
  written.push_back(path);
  for (const std::string& file : written) std::printf("%s\n", file.c_str());
  return CheckConfiguration(args.root, description, false);
}

void AddTypeArchiveCommands(CLI::App& app, int& exit_code) {
  CLI::App* types = app.get_subcommand("types");
  auto args = std::make_shared<ArchiveArgs>();
  CLI::App* save = types->add_subcommand(
      "export",
      "Write a machine type to a zip archive: its file with its macros, the 5-axis definitions it names, and the "
      "tool-list template and post processor when they are files of the configuration; prints the members");
  save->add_option("TYPE", args->type, "TYPENAME, DESCRIPTION or position")->required();
  save->add_option("FILE", args->file, "The archive to write")->required();
  save->add_option("--root", args->root, kRootHelp);
  save->callback([args] { ExportType(*args); });

  CLI::App* load = types->add_subcommand(
      "import",
      "Add the machine type of an archive as a new type (new identifier, unique description), replacing no file; "
      "prints the files written, then the findings of check on the new type");
  load->add_option("FILE", args->file, "The archive")->required();
  load->add_option("--root", args->root, kRootHelp);
  load->callback([args, &exit_code] { exit_code = ImportType(*args); });
}

// After "types", whose command it extends.
const CommandGroup kTypeArchive{"types_archive", &AddTypeArchiveCommands};

}  // namespace
}  // namespace prefig::cli
