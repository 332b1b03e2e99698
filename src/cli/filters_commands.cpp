// prefig filters: the NC filter table as the setup dialog fills it, in the
// language of the configuration.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "record/prefiguration.h"

namespace prefig::cli {
namespace {

void AddFiltersCommands(CLI::App& app, int& /*exit_code*/) {
  auto root = std::make_shared<std::string>();
  CLI::App* filters = app.add_subcommand(
      "filters", "Print the NC filter table: display name, control key, library, namespace URI, turning (Yes/No)");
  filters->add_option("--root", *root, kRootHelp);
  filters->callback([root] {
    ScratchConfiguration scratch(*root);
    GPrefiguration record;
    StartRecord(record);
    record.NcFilters().Fill();
    for (const NcFilter& f : record.NcFilters().Entries()) {
      std::printf("%s\t%s\t%s\t%s\t%s\n", f.display_name.c_str(), f.control_key.c_str(), f.library.c_str(),
                  f.uri.c_str(), f.turning ? "Yes" : "No");
    }
  });
}

const CommandGroup kFilters{"filters", &AddFiltersCommands};

}  // namespace
}  // namespace prefig::cli
