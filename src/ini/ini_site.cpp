#include "ini/ini_site.h"

#include "ini/ini_text.h"

namespace prefig {

void GIniSite::Add(std::string file_name, std::string_view text) {
  std::string source = folder_ + "/" + file_name;
  files_.emplace_back(std::move(file_name), GIniOverlay(std::move(source), text));
}

const GIniOverlay* GIniSite::For(std::string_view path) const {
  size_t slash = path.find_last_of('/');
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  for (const auto& [file_name, overlay] : files_) {
    if (ini::SameName(file_name, name)) return &overlay;
  }
  return nullptr;
}

}  // namespace prefig
