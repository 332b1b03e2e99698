// prefig settings modified: what a configuration changed from the defaults.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/cli_common.h"
#include "cli/scratch_configuration.h"
#include "record/modified_settings.h"
#include "record/prefiguration.h"

namespace prefig::cli {
namespace {

struct SettingsArgs {
  std::string root, type;
};

void PrintModified(const SettingValues& values, const LoadContext& context) {
  for (const ModifiedSetting& setting : ModifiedSettings(values, context)) {
    std::printf("%s\t%s\t%s\n", setting.key.c_str(), setting.value.c_str(), setting.default_value.c_str());
  }
}

void AddSettingsCommands(CLI::App& app, int& /*exit_code*/) {
  auto args = std::make_shared<SettingsArgs>();
  CLI::App* settings = app.add_subcommand("settings", "The stored settings against their defaults: modified");
  settings->require_subcommand(1);
  CLI::App* modified = settings->add_subcommand(
      "modified",
      "Every stored setting of the main INI file (and of a machine type's file with --type) whose value differs "
      "from its default, as SECTION/KEY, value and default, tab-separated, in schema order; changes no file");
  modified->add_option("--type", args->type, "Also this machine type's file: TYPENAME, DESCRIPTION or position");
  modified->add_option("--root", args->root, kRootHelp);
  modified->callback([args] {
    ScratchConfiguration scratch(args->root);
    GPrefiguration record;
    StartRecord(record);
    GMachineType* type = args->type.empty() ? nullptr : &FindType(record.MachineTypes(), args->type);
    LoadContext context = record.SettingsContext();
    PrintModified(record.Global().Values(), context);
    if (type == nullptr) return;
    context.basic_type = type->BasicType();
    PrintModified(type->Values(), context);
  });
}

const CommandGroup kSettings{"settings", &AddSettingsCommands};

}  // namespace
}  // namespace prefig::cli
