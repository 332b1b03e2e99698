// prefig assoc ...: register the editor as the program that opens file
// extensions, per user (and machine-wide for an administrator).
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/cli_common.h"
#include "cli/host_program.h"
#include "context/message_file.h"
#include "platform/file_associations.h"

namespace prefig::cli {
namespace {

struct AssocArgs {
  std::string extensions, description, program;
};

void AddAssocCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<AssocArgs>();
  const char* program_help = "The program that opens the files (default: the editor beside prefig)";
  CLI::App* assoc = app.add_subcommand("assoc", "File associations of the editor");
  assoc->require_subcommand(1);

  CLI::App* reg = assoc->add_subcommand("register", "Open these extensions with the editor");
  reg->add_option("EXTENSIONS", args->extensions, "Comma list, e.g. nc,.tap")->required();
  reg->add_option("--description", args->description, "Type name (default: \"NC File\" for nc)");
  reg->add_option("--program", args->program, program_help);
  reg->callback([args] {
    if (!platform::RegisterExtensions(args->extensions, args->description, ProgramOrHost(args->program), 0, {},
                                      FileWord())) {
      throw Failure("not every registration could be written");
    }
  });

  CLI::App* unreg = assoc->add_subcommand("unregister", "Remove the registrations of these extensions");
  unreg->add_option("EXTENSIONS", args->extensions, "Comma list")->required();
  unreg->add_option("--program", args->program, program_help);
  unreg->callback([args] {
    if (!platform::UnregisterExtensions(args->extensions, ProgramOrHost(args->program))) {
      throw Failure("not every registration could be removed");
    }
  });

  CLI::App* list = assoc->add_subcommand("list", "Print the extensions registered for the editor, one per line");
  list->add_option("--program", args->program, program_help);
  list->callback([args] {
    for (const std::string& extension : platform::RegisteredExtensions(ProgramOrHost(args->program))) {
      std::printf("%s\n", extension.c_str());
    }
  });
}

}  // namespace

static const CommandGroup kAssocCommands{"assoc", &AddAssocCommands};

}  // namespace prefig::cli
