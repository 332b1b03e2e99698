#pragma once
#include <string_view>

namespace prefig {

// Folders of the program directory that the settings read.
// The machine type templates and the template 5-axis machines; never written.
inline constexpr std::string_view kTemplatesFolder = "Templates";

}  // namespace prefig
