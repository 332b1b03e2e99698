#include "cli/scratch_configuration.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "cli/cli_common.h"
#include "cli/host_program.h"
#include "context/config_path_handler.h"
#include "context/config_path_keys.h"
#include "context/site_folder.h"
#include "platform/file_io.h"
#include "record/prefiguration.h"

namespace prefig::cli {

namespace fs = std::filesystem;

std::string ConfigurationProgram(const std::string& root) {
  return root.empty() ? ProgramOrHost("") : platform::AbsolutePath(root) + "/" + kHostProgramName;
}

void SelectConfiguration(const std::string& root) { ConfigPaths().SetProgramFile(ConfigurationProgram(root)); }

void StartRecord(GPrefiguration& record) {
  int result = record.InitDnc(kMainIniName, true);
  if (result != GConfiguration::kInitDone) {
    throw Failure("the configuration could not be initialised (code " + std::to_string(result) +
                  "; are the message files in " + record.ProgramDirectory() + "/msg?)");
  }
}

GMachineType& FindType(GMachineList& types, const std::string& name_or_position) {
  bool number = !name_or_position.empty() && name_or_position.find_first_not_of("0123456789") == std::string::npos;
  int position = number ? std::atoi(name_or_position.c_str()) - 1 : types.Find(name_or_position);
  if (position < 0 || position >= types.Count()) throw Failure("no machine type " + name_or_position, kExitNo);
  return types.At(position);
}

ScratchConfiguration::ScratchConfiguration(const std::string& root) {
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
  // The copy reads as the configuration does, with its site's defaults and locks.
  if (std::string site = SiteFolderOf(ConfigPaths()); !site.empty()) table.Set(kSiteKey, site);
  if (int written = GConfigPathHandler::WritePathsFile(table, dir_ + "/ConfigPaths.cfg")) {
    Abandon("cannot write in " + dir_ + ": " + std::strerror(written));
  }
  // An answer about a copy that lacks a file would be an answer about
  // another configuration: a file that cannot be copied ends the command.
  auto copy = [this](const std::string& from, const std::string& to) {
    if (int copied = platform::CopyFile(from, to)) Abandon("cannot copy " + from + ": " + std::strerror(copied));
  };
  if (platform::FileExists(main_ini)) copy(main_ini, dir_ + "/Cfg/" + kMainIniName + ".ini");
  std::error_code error;
  for (fs::directory_iterator it(types_, error), end; !error && it != end; it.increment(error)) {
    std::error_code type_error;
    if (it->is_regular_file(type_error)) copy(it->path().string(), dir_ + "/Types/" + it->path().filename().string());
  }
  // No types folder is a configuration without types.
  if (error && error != std::errc::no_such_file_or_directory) {
    Abandon("cannot read " + types_ + ": " + error.message());
  }
  ConfigPaths().SetProgramFile(dir_ + "/" + kHostProgramName);
}

void ScratchConfiguration::Abandon(const std::string& why) {
  std::error_code error;
  fs::remove_all(dir_, error);
  throw Failure(why);
}

ScratchConfiguration::~ScratchConfiguration() {
  std::error_code error;
  fs::remove_all(dir_, error);
}

}  // namespace prefig::cli
