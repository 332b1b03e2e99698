#pragma once
#include <cstdint>

// What passes between the module and the host editor's main window.
namespace prefig {

inline constexpr uint32_t kHostMessageBase = 0x400;  // the application message base

// Sent with the help topic "index" and kHelpCommand; the host answers
// kHelpShown when it showed help.
inline constexpr uint32_t kMsgShowHelp = kHostMessageBase + 42;  // 0x42A
inline constexpr uint32_t kHelpCommand = 0xF001;
inline constexpr intptr_t kHelpShown = 717;

// Sent with (machine type, 1): a type stored in the NC program database was removed.
inline constexpr uint32_t kMsgTypeRemoved = kHostMessageBase + 85;  // 0x455

// Posted with (machine type, setup dialog window): open the tool library.
inline constexpr uint32_t kMsgOpenToolLibrary = kHostMessageBase + 121;  // 1145

// Posted with a newly allocated OpenFileRecord that the host frees.
inline constexpr uint32_t kMsgOpenFile = kHostMessageBase + 50;  // 1074

inline constexpr unsigned kOpenFilePathSize = 1025;

// Both paths hold the file to open; every other field is zero.
struct OpenFileRecord {
  char path[kOpenFilePathSize] = {};
  char display_path[kOpenFilePathSize] = {};
  uint32_t flags = 0;
  uint32_t line = 0;
  uint32_t column = 0;
  void* reserved = nullptr;
};

}  // namespace prefig
