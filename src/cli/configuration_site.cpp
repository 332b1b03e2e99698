#include "cli/configuration_site.h"

#include <filesystem>

#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "ini/ini_text.h"
#include "platform/file_io.h"
#include "record/prefiguration.h"

namespace prefig::cli {
namespace {

std::string MainFileName() { return std::string(kMainIniName) + ".ini"; }

// The same file by another spelling of its path is the same file.
std::string Canonical(const std::string& path) {
  std::error_code error;
  std::filesystem::path canonical = std::filesystem::weakly_canonical(platform::AbsolutePath(path), error);
  return error ? path : canonical.string();
}

}  // namespace

SiteRead ReadConfigurationSite() {
  std::string folder = SiteFolderOf(ConfigPaths());
  if (folder.empty()) return {};
  return ReadSiteFolder(folder, MainFileName());
}

bool IsConfigurationFile(const std::string& path) {
  std::string file = Canonical(path);
  if (file == Canonical(ConfigPaths().GetPath(kCfgKey, MainFileName()))) return true;
  return ini::SameName(std::filesystem::path(file).extension().string(), kTypeFileExtensionForSite) &&
         platform::DirectoryOf(file) == Canonical(ConfigPaths().GetPath(kTypesKey));
}

}  // namespace prefig::cli
