#pragma once
#include <string>
#include <string_view>
#include <vector>

// File associations: the editor as the program that opens NC files. The
// registry (registry.h) records what is registered, in the keys the
// editor's other tools know; on the desktop the per-user registration also
// installs what the freedesktop.org standards need (desktop_integration.h).
// The per-user registration always happens; the machine-wide one only for
// an administrator.
namespace prefig::platform {

inline constexpr int kProgramIdentifierVersion = 8;

// "VELMO.%s%s.v%d": the program's file name without extension, the suffix
// and the version.
std::string ProgramIdentifier(std::string_view program, std::string_view suffix = {});

// The items of a comma list, trimmed, without a leading dot, empty ones
// left out.
std::vector<std::string> SplitExtensions(std::string_view list);

// Letters, digits, "_", "+", "-", "~" and inner dots: what can stand in a
// registry key, a file name and a MIME glob without changing their meaning.
bool IsUsableExtension(std::string_view extension);

// The word after the extension in a file type's name ("NC File") when no
// description is given; callers with a message table pass its translation.
inline constexpr std::string_view kFileWord = "File";

// `program` empty: the running program. True only when every write
// succeeded; an unusable extension is skipped and makes the result false.
bool RegisterExtensions(std::string_view extensions, std::string_view description = {}, std::string_view program = {},
                        int icon_index = 0, std::string_view suffix = {}, std::string_view file_word = kFileWord);

// Removes the registrations of the extensions that open with this
// program: machine-wide (for an administrator) the extension keys and the
// type keys no other extension uses; per user what names the program's
// identifier, and its desktop files. Registrations of other programs stay.
// True when everything that should go is gone.
bool UnregisterExtensions(std::string_view extensions, std::string_view program = {}, std::string_view suffix = {});

// The extensions (without dot, in lower case: the registry keeps names in
// upper case) that open with the program, per user or machine-wide, each once.
std::vector<std::string> RegisteredExtensions(std::string_view program = {}, std::string_view suffix = {});

}  // namespace prefig::platform
