#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace prefig {

// A machine type carried between workstations: a zip archive of the type's
// file and what it uses, each member under a folder that says where it goes:
//   type/NAME.MAC           the type's file, with its macros
//   5axis/User5Axis.cfg     the 5-axis definitions it names
//   files/KEY/PATH          a file of the configuration folder KEY (DATA, ...)
inline constexpr std::string_view kArchiveTypeFolder = "type/";
inline constexpr std::string_view kArchiveFiveAxisFolder = "5axis/";
inline constexpr std::string_view kArchiveFilesFolder = "files/";

// Settings files, macros and templates are kilobytes; an archive member
// beyond this is no part of a machine type.
inline constexpr size_t kArchiveMemberMax = size_t{4} << 20;
inline constexpr size_t kArchiveMembersMax = 64;

struct ArchiveMember {
  std::string name;
  std::string data;
};

// Null when a member name can be placed below a folder (relative, "/"
// separated, no empty, "." or ".." part, no backslash or control
// character), else why not.
const char* WhyUnsafeMemberName(std::string_view name);

// Writes the members (at least one) as a new zip archive at `path`
// (replacing it atomically); an empty text, or why it could not.
std::string WriteTypeArchive(const std::string& path, const std::vector<ArchiveMember>& members);

// Reads every member, after checking all of them: names, count and sizes,
// the sizes as read and not as the archive claims. Nothing, with `error`
// set, when the archive cannot be read or a member is refused.
std::optional<std::vector<ArchiveMember>> ReadTypeArchive(const std::string& path, std::string& error);

}  // namespace prefig
