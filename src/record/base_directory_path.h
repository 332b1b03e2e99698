#pragma once
#include <string>
#include <string_view>

namespace prefig {

// The older location rule, for paths composed from the base configuration
// directory instead of the configuration paths: a relative path that begins
// with "Types" (after at most one leading separator) lies in the folder that
// GLOBAL/TYPESDIR of Cfg/VELMO.INI under the base directory names, when it
// names one ($USERNAME and $COMPUTERNAME replaced, created when missing);
// any other path lies under the base directory. Empty when the result would
// exceed 1023 characters (a cut path would name another file).
std::string ComposeFromBaseDirectory(std::string_view base_directory, std::string_view relative);

inline constexpr size_t kComposedPathMax = 1023;

}  // namespace prefig
