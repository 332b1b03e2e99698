#pragma once
// The C functions that plug-in libraries export and the module calls.

extern "C" {

// Every plug-in: called with the module's message table when the library is
// loaded; 0 accepts, anything else makes the loader unload it again.
typedef int (*DllInitFunction)(const char* const* message_table);

// FileDirSelector: shows a folder chooser starting at `path` (a buffer of
// kSelectDirectoryPathSize bytes that it edits in place) and returns 1 when a
// folder was chosen. `value` and `flag` are passed through from the caller;
// `reserved` is null.
typedef int (*SelectDirectoryFunction)(char* path, int value, int flag, void* reserved);
}

namespace prefig {
inline constexpr unsigned kSelectDirectoryPathSize = 1025;
inline constexpr const char* kDllInitExport = "DllInit";
inline constexpr const char* kSelectDirectoryExport = "SelectDirectory";
inline constexpr const char* kFileDirSelectorLibrary = "FileDirSelector.so";
}  // namespace prefig
