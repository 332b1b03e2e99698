#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace prefig::host {

// The name filter of the editor's Open dialog for a machine type: its
// description and its extensions, the default one first, each in upper and
// lower case (the file system tells case apart), every one once:
// "ISO Mill (*.NC *.nc *.NCL *.ncl)". Without extensions, every file.
std::string OpenFileFilter(std::string_view description, std::string_view default_extension,
                           const std::vector<std::string>& other_extensions);

}  // namespace prefig::host
