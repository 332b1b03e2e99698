#pragma once
#include <string_view>

namespace prefig {

// The directory keys of ConfigPaths.cfg that the editor uses, and the
// defaults that the paths dialog offers for them (the handler itself starts
// with ROOTDIR = %EXEDIR% only). A file may hold further keys.
inline constexpr std::string_view kRootDirKey = "ROOTDIR";
inline constexpr std::string_view kCfgKey = "CFG";
inline constexpr std::string_view kDataKey = "DATA";
inline constexpr std::string_view kMachinesKey = "MACHINES";
inline constexpr std::string_view kTypesKey = "TYPES";
inline constexpr std::string_view kToolLibsKey = "TOOLLIBS";
inline constexpr std::string_view kLogKey = "LOG";
// The administrator's folder of site defaults and locks; no default (none).
inline constexpr std::string_view kSiteKey = "SITE";

struct ConfigPathDefault {
  std::string_view key;
  std::string_view value;
};

inline constexpr ConfigPathDefault kConfigPathDefaults[] = {
    {kRootDirKey, "%APPDATA%/%VENDORDIR%/%PRODUCTDIR%"},
    {kCfgKey, "%ROOTDIR%/Cfg"},
    {kDataKey, "%ROOTDIR%/Data"},
    {kMachinesKey, "%ROOTDIR%/Machines"},
    {kTypesKey, "%ROOTDIR%/Types"},
    {kToolLibsKey, "%ROOTDIR%/ToolLibs"},
    {kLogKey, "%ROOTDIR%/Log"},
};

}  // namespace prefig
