// prefig site ...: the administrator's defaults and locks as the editor
// reads them from the folder that ConfigPaths.cfg names with SITE.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <memory>

#include "cli/cli_common.h"
#include "cli/configuration_site.h"
#include "cli/scratch_configuration.h"
#include "context/config_path_handler.h"
#include "context/site_folder.h"

namespace prefig::cli {
namespace {

void AddSiteCommands(CLI::App& app, int& /*exit_code*/) {
  auto root = std::make_shared<std::string>();
  CLI::App* site = app.add_subcommand("site", "The site folder's defaults and locks");
  site->require_subcommand(1);
  CLI::App* show = site->add_subcommand(
      "show", "Every site value and lock: FILE, SECTION/KEY (KEY * for a whole section), default or locked, value");
  show->add_option("--root", *root, kRootHelp);
  show->callback([root] {
    SelectConfiguration(*root);
    if (SiteFolderOf(ConfigPaths()).empty()) {
      throw Failure("the configuration has no site folder (no SITE key in " + ConfigPaths().PathsFile() + ")", kExitNo);
    }
    SiteRead read = ReadConfigurationSite();
    for (const std::string& problem : read.problems) std::fprintf(stderr, "prefig: %s\n", problem.c_str());
    if (!read.site) throw Failure("no site defaults or locks in use");
    for (const auto& [name, overlay] : read.site->Files()) {
      for (const GIniOverlay::Entry& e : overlay.Entries()) {
        std::printf("%s\t%s/%s\t%s\t%s\n", overlay.Source().c_str(), e.section.c_str(), e.key.c_str(),
                    e.locked ? "locked" : "default", e.value ? e.value->c_str() : "");
      }
    }
  });
}

const CommandGroup kSite{"site", &AddSiteCommands};

}  // namespace
}  // namespace prefig::cli
