#pragma once
#include <string>

#include "context/site_folder.h"

namespace prefig::cli {

// The site folder of the configuration that SelectConfiguration chose, read
// as the editor reads it when it starts; no site when it names none.
SiteRead ReadConfigurationSite();

// Whether `path` is that configuration's main INI file or one of its
// machine type files: the files that the site lies under.
bool IsConfigurationFile(const std::string& path);

}  // namespace prefig::cli
