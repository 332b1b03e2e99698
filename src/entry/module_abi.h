#pragma once
// The C functions that the Prefig module exports and the host calls.

extern "C" {
typedef int (*DllVersionFunction)();
typedef bool (*CheckCfgPassFunction)(const char* password);
}

namespace prefig {
inline constexpr const char* kModuleFileName = "Prefig.so";
inline constexpr const char* kDllVersionExport = "DllVersion";
inline constexpr const char* kCheckCfgPassExport = "CheckCfgPass";
}  // namespace prefig
