#pragma once
#include <string>
#include <string_view>
#include <vector>

// What makes the desktop open a file type with our program, in the user's
// own directories (freedesktop.org standards): a desktop entry for the
// program, a MIME type per extension, and the default application in
// mimeapps.list. Each function touches only what we put there.
namespace prefig::platform {

// "nc" for "nc", ".nc" or ".NC".
std::string LowerCaseExtension(std::string_view extension);

// "text/x-velmo-nc" for "nc" or ".NC".
std::string MimeTypeOfExtension(std::string_view extension);

// The desktop entry's file name for a program identifier (characters that
// a desktop file id cannot hold become '_').
std::string DesktopFileId(std::string_view identifier);

std::string DesktopEntryFile(std::string_view desktop_id);
std::string MimePackageFile(std::string_view extension);
std::string MimeAppsFile();

// The Exec line's program part, quoted as the standard asks when it holds
// a reserved character; empty when it cannot be written (a line break).
std::string ExecProgramText(std::string_view program);

// Writes the program's desktop entry handling these MIME types, or
// removes it when there are none. True on success.
bool WriteDesktopEntry(std::string_view desktop_id, std::string_view program, std::string_view name,
                       const std::vector<std::string>& mime_types);

// A MIME type that claims "*.ext", with the description as its comment.
bool InstallMimeType(std::string_view extension, std::string_view description);
bool RemoveMimeType(std::string_view extension);

// Our desktop entry first among the defaults and the added associations of
// the MIME type, or taken out of both again.
bool AddDefaultApplication(std::string_view mime_type, std::string_view desktop_id);
bool RemoveDefaultApplication(std::string_view mime_type, std::string_view desktop_id);

// Rebuilds the caches that desktops read (update-mime-database,
// update-desktop-database) when those programs are installed.
void RefreshDesktopDatabases();

}  // namespace prefig::platform
