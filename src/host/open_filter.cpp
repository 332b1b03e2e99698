#include "host/open_filter.h"

#include <algorithm>

#include "ini/ini_text.h"

namespace prefig::host {

std::string OpenFileFilter(std::string_view description, std::string_view default_extension,
                           const std::vector<std::string>& other_extensions) {
  std::vector<std::string> patterns;
  auto add = [&patterns](std::string_view extension) {
    if (extension.empty()) return;
    std::string upper = ini::UpperCase(extension);
    std::string lower = ini::LowerCase(upper);
    for (const std::string& pattern : {"*." + upper, "*." + lower}) {
      if (std::find(patterns.begin(), patterns.end(), pattern) == patterns.end()) patterns.push_back(pattern);
    }
  };
  add(default_extension);
  for (const std::string& extension : other_extensions) add(extension);
  if (patterns.empty()) patterns.emplace_back("*");
  std::string filter(description);
  filter += " (";
  for (size_t i = 0; i < patterns.size(); ++i) filter += (i == 0 ? "" : " ") + patterns[i];
  return filter + ")";
}

}  // namespace prefig::host
