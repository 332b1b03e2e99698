// prefig: the administrators' command line for the configuration store.
#include <CLI/CLI.hpp>
#include <cstdio>

#include "cli/cli_common.h"
#include "module/module_state.h"

int main(int argc, char** argv) {
  using namespace prefig::cli;
  CLI::App app{"Prefig: read and write the CNC editor's settings files"};
  app.require_subcommand(1);
  int exit_code = kExitOk;

  app.add_subcommand("version", "Print the module version")->callback([] {
    std::printf("%d\n", prefig::kModuleVersion);
  });
  AddAllCommandGroups(app, exit_code);

  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::fputs(app.help().c_str(), stdout);
    return kExitOk;
  } catch (const CLI::CallForAllHelp&) {
    std::fputs(app.help("", CLI::AppFormatMode::All).c_str(), stdout);
    return kExitOk;
  } catch (const CLI::ParseError& e) {
    // A subcommand's --help arrives here as a "success" error.
    if (e.get_exit_code() == 0) return app.exit(e);
    std::fprintf(stderr, "prefig: %s\n", e.what());
    return kExitUsage;
  } catch (const Failure& failure) {
    std::fprintf(stderr, "prefig: %s\n", failure.what());
    return failure.code;
  }
  return exit_code;
}
