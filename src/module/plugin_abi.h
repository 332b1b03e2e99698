#pragma once
// The C functions that plug-in libraries export and the module calls.

extern "C" {

// Every plug-in: called with the module's message table when the library is
// loaded; 0 accepts, anything else makes the loader unload it again.
typedef int (*DllInitFunction)(const char* const* message_table);

// FileDirSelector: shows a folder chooser starting at `path` (a buffer of
// kSelectDirectoryPathSize bytes that it edits in place) and returns 1 when a
// folder was chosen. `value` is the message id of its caption (0: none),
// `flag` holds kSelectDirectory... bits; `reserved` is null.
typedef int (*SelectDirectoryFunction)(char* path, int value, int flag, void* reserved);

// Localization: the translations of one language, read from a translation
// file (msg_<language>.xmlz).
//  ReadLocaleFile: replaces the library's translations with those of the
//    file; returns how many it holds, or -1 (translations unchanged) when the
//    file cannot be read.
//  GetTranslateList: a copy of the current translations that stays valid
//    until it is given to DeleteTranslateList; never null.
typedef struct LocalizationTranslation {
  const char* source;  // the English text
  const char* target;  // in the file's language
} LocalizationTranslation;
typedef struct LocalizationTranslateList {
  const char* language;  // the language of the file read, empty before
  int count;
  const LocalizationTranslation* entries;
} LocalizationTranslateList;
typedef int (*LocalizationReadLocaleFileFunction)(const char* path);
typedef LocalizationTranslateList* (*LocalizationGetTranslateListFunction)(void);
typedef void (*LocalizationDeleteTranslateListFunction)(LocalizationTranslateList* list);
}

namespace prefig {
inline constexpr unsigned kSelectDirectoryPathSize = 1025;
inline constexpr int kSelectDirectoryMayCreate = 1;  // the user may make a new folder
inline constexpr const char* kDllInitExport = "DllInit";
inline constexpr const char* kSelectDirectoryExport = "SelectDirectory";
inline constexpr const char* kFileDirSelectorLibrary = "FileDirSelector.so";
inline constexpr const char* kLocalizationLibrary = "Localization.so";
inline constexpr const char* kReadLocaleFileExport = "Localization_ReadLocaleFile";
inline constexpr const char* kGetTranslateListExport = "Localization_GetTranslateList";
inline constexpr const char* kDeleteTranslateListExport = "Localization_DeleteTranslateList";
}  // namespace prefig
