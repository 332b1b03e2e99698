#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace prefig {

// One value of an INI file by file name, for the few places that read or
// write before any GIniFile exists. Same syntax and writing rules as
// GIniFile, but a whole-file read or write on every call, no defaults
// written back, and longer waits for a busy file.
size_t ReadProfileValue(std::string_view section, std::string_view key, std::string_view def, char* buffer,
                        size_t size, const std::string& filename);
std::string ReadProfileValue(std::string_view section, std::string_view key, std::string_view def,
                             const std::string& filename);

// Always reports success, as callers expect; a write that cannot be made is
// written to the module log.
bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& filename, bool no_retry);

}  // namespace prefig
