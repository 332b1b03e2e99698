#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_overlay.h"

namespace prefig {

// The site files of one folder, read once, by the name of the user file
// each lies under (compared without regard to case, as the names of
// machine type files are matched everywhere). Whoever knows where the site
// folder is reads it; the store only asks it for the overlay of a file.
class GIniSite {
 public:
  explicit GIniSite(std::string folder) : folder_(std::move(folder)) {}

  const std::string& Folder() const { return folder_; }
  // The file `file_name` of the folder, read from `text`.
  void Add(std::string file_name, std::string_view text);
  // The overlay for a user file of that name (its directory is ignored), or null.
  const GIniOverlay* For(std::string_view path) const;
  // The files in the order added.
  const std::vector<std::pair<std::string, GIniOverlay>>& Files() const { return files_; }

 private:
  std::string folder_;
  std::vector<std::pair<std::string, GIniOverlay>> files_;
};

}  // namespace prefig
