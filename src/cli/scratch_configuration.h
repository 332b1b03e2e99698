#pragma once
#include <string>

namespace prefig {
class GPrefiguration;
class GMachineList;
class GMachineType;
}  // namespace prefig

namespace prefig::cli {

inline constexpr const char* kRootHelp =
    "Use this folder as the configuration (default: as the editor's ConfigPaths.cfg says)";

// The program whose ConfigPaths.cfg places the configuration: the editor,
// or with a root folder a program there (every directory a subfolder of
// it, unless a ConfigPaths.cfg there says otherwise).
std::string ConfigurationProgram(const std::string& root);

// The editor's configuration, as its ConfigPaths.cfg resolves it, or the
// one under the root folder given.
void SelectConfiguration(const std::string& root);

// Initialises the record as the editor does when it starts: context,
// protocols, machine types; a Failure when it cannot.
void StartRecord(GPrefiguration& record);

// A machine type by TYPENAME, DESCRIPTION or position from 1; a Failure
// with exit code 1 when there is none.
GMachineType& FindType(GMachineList& types, const std::string& name_or_position);

// A configuration of our own in a temporary folder, holding copies of the
// main INI file and the machine types of the real one, its DATA being the
// real one: the record is built there exactly as the editor would build
// it, and no file of the real configuration changes.
class ScratchConfiguration {
 public:
  explicit ScratchConfiguration(const std::string& root);
  ~ScratchConfiguration();
  ScratchConfiguration(const ScratchConfiguration&) = delete;
  ScratchConfiguration& operator=(const ScratchConfiguration&) = delete;

  const std::string& TypesDirectory() const { return types_; }

 private:
  [[noreturn]] void Abandon(const std::string& why);  // removes the copy, then fails the command

  std::string types_;
  std::string dir_;
};

}  // namespace prefig::cli
