// prefig paths ...: the configuration directories as the editor sees them,
// from ConfigPaths.cfg beside the editor (or beside --program).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <memory>

#include "cli/cli_common.h"
#include "cli/host_program.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "platform/file_io.h"

namespace prefig::cli {
namespace {

struct PathsArgs {
  std::string program, key, file, source;
  bool create = false;
};

GConfigPathHandler& Handler(const PathsArgs& args) {
  GConfigPathHandler& handler = ConfigPaths();
  handler.SetProgramFile(ProgramOrHost(args.program));
  return handler;
}

// Every key of the table, then the dialog's keys that the file lacks (they
// are subdirectories of ROOTDIR): key, path as written, directory.
void ListPaths(const PathsArgs& args) {
  GConfigPathHandler& handler = Handler(args);
  PathTable raw;
  raw.Set(kRootDirKey, "%EXEDIR%");
  handler.ReadPathsFile(raw);
  for (const ConfigPathDefault& known : kConfigPathDefaults) {
    if (raw.Find(known.key) == nullptr) raw.Set(known.key, "");
  }
  for (const PathTable::Entry& entry : raw) {
    std::printf("%s\t%s\t%s\n", entry.key.c_str(), entry.value.c_str(), handler.GetPath(entry.key).c_str());
  }
}

void AddPathsCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<PathsArgs>();
  const char* program_help = "The program whose ConfigPaths.cfg is used (default: the editor beside prefig)";
  CLI::App* paths = app.add_subcommand("paths", "Show the configuration directories: key, path as written, directory");
  paths->require_subcommand(0, 1);
  paths->add_option("--program", args->program, program_help);
  paths->callback([args, paths] {
    if (paths->get_subcommands().empty()) ListPaths(*args);
  });

  CLI::App* get = paths->add_subcommand("get", "Print the directory of a key, optionally followed by a file name");
  get->add_option("KEY", args->key, "Directory key (CFG, TYPES, ...)")->required();
  get->add_option("FILE", args->file, "File name or subpath to append");
  get->add_flag("--create", args->create, "Create the directory with its parents");
  get->add_option("--program", args->program, program_help);
  get->callback([args] {
    GConfigPathHandler& handler = Handler(*args);
    if (std::string directory = handler.GetPath(args->key); args->create && !directory.empty()) {
      if (int error = platform::CreateDirectoryPath(directory)) {
        throw Failure("cannot create " + directory + ": " + std::strerror(error));
      }
    }
    std::printf("%s\n", handler.GetPath(args->key, args->file).c_str());
  });

  // An installed program directory is not the user's to write: the package
  // ships this file so that the configuration lives in the user's folders.
  CLI::App* defaults = paths->add_subcommand(
      "defaults", "Write a ConfigPaths.cfg with the paths dialog's defaults (the user's config directory)");
  defaults->add_option("FILE", args->file, "The file to write")->required();
  defaults->callback([args] {
    PathTable table;
    for (const ConfigPathDefault& known : kConfigPathDefaults) table.Set(known.key, std::string(known.value));
    if (int error = GConfigPathHandler::WritePathsFile(table, args->file)) {
      throw Failure("cannot write " + args->file + ": " + std::strerror(error));
    }
  });

  CLI::App* install = paths->add_subcommand(
      "install",
      "Put a file in place as ConfigPaths.cfg beside the program (what the paths dialog runs as administrator)");
  install->add_option("SOURCE", args->source, "The new ConfigPaths.cfg")->required();
  install->add_option("--program", args->program, program_help);
  install->callback([args] {
    std::string target = Handler(*args).PathsFile();
    if (int error = platform::CopyFile(args->source, target)) {
      throw Failure("cannot install " + args->source + " as " + target + ": " + std::strerror(error));
    }
  });
}

}  // namespace

static const CommandGroup kPathsCommands{"paths", &AddPathsCommands};

}  // namespace prefig::cli
