#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The key files of the freedesktop.org standards (desktop entries,
// mimeapps.list): "[Group]" headers, "Key=Value" lines, "#" comments, LF
// line ends. Other programs own these files too, so an edit changes only
// the lines it is about and leaves every other byte alone. Keys are
// compared exactly, as the standard says.
namespace prefig::platform::key_file {

std::optional<std::string> Value(std::string_view text, std::string_view group, std::string_view key);

// Replaces the key's first line in the group, or adds a line after the
// group's last entry, or appends the group. True when the text changed.
bool SetValue(std::string& text, std::string_view group, std::string_view key, std::string_view value);

// Removes the key's lines from the group; a group left without entries
// goes too. True when the text changed.
bool RemoveValue(std::string& text, std::string_view group, std::string_view key);

// Lists such as "a.desktop;b.desktop;".
std::vector<std::string> SplitList(std::string_view value);
std::string JoinList(const std::vector<std::string>& items);

}  // namespace prefig::platform::key_file
