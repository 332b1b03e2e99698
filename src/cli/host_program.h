#pragma once
#include <string>

#include "platform/file_io.h"
#include "platform/process.h"

namespace prefig::cli {

// The editor program beside this one: the paths and associations that the
// command line shows and changes are the editor's.
inline constexpr const char* kHostProgramName = "prefig-host";

// The program a --program option names (made absolute), else the editor.
inline std::string ProgramOrHost(const std::string& option) {
  if (!option.empty()) return platform::AbsolutePath(option);
  return platform::ProgramDirectory() + "/" + kHostProgramName;
}

}  // namespace prefig::cli
