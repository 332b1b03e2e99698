#pragma once
#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_site.h"

namespace prefig {

class GConfigPathHandler;

// A folder on a share that does not answer within this time is left out.
inline constexpr std::chrono::milliseconds kSiteFolderDeadline{3000};
inline constexpr std::string_view kTypeFileExtensionForSite = ".mac";

// The folder that the SITE key of ConfigPaths.cfg names (normalised), or
// empty: a configuration has no site folder unless it says so.
std::string SiteFolderOf(const GConfigPathHandler& paths);

struct SiteRead {
  std::shared_ptr<const GIniSite> site;  // null: no site folder to use
  std::vector<std::string> problems;     // one log line each (after the tag "SITE  : ")
};

// Reads the site files of `folder` once: the one named like the main INI
// file and the machine type files (*.mac), by name in byte order. A
// missing, unreadable or slow folder gives no site; a damaged file (no
// text, unreadable) is left out. Each problem is one line of the module log.
SiteRead ReadSiteFolder(const std::string& folder, std::string_view main_file_name,
                        std::chrono::milliseconds deadline = kSiteFolderDeadline);

}  // namespace prefig
