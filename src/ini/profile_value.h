#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace prefig {

// One value of an INI file by file name, for the few places that read or
// write before any GIniFile exists. Same syntax and writing rules as
// GIniFile, but a whole-file read or write on every call, no defaults
// written back, and longer waits for a busy file.
size_t ReadProfileValue(std::string_view section, std::string_view key, std::string_view def, char* buffer, size_t size,
                        const std::string& filename);
std::string ReadProfileValue(std::string_view section, std::string_view key, std::string_view def,
                             const std::string& filename);

// True when the file holds the value afterwards (written, or there
// already). False when it could not be read or written, or the section or
// key name is one no read could find again; the failure is also written to
// the module log.
bool WriteProfileValue(std::string_view section, std::string_view key, std::string_view value,
                       const std::string& filename, bool no_retry);

}  // namespace prefig
