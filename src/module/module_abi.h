#pragma once
// The C functions that the Prefig module exports and the host calls.

namespace prefig {
class GDncConfig;
class GMachineType;
class GPrefiguration;
}  // namespace prefig

extern "C" {
typedef int (*DllVersionFunction)();
typedef bool (*CheckCfgPassFunction)(const char* password);
// Start page; the machine types out (room for 256) and their number (-1:
// unchanged); the record; the DNC configuration object or null. Returns 0.
typedef int (*RunSetupFunction)(int start_page, prefig::GMachineType** list_out, int* count_out,
                                prefig::GPrefiguration* record, prefig::GDncConfig* dnc_config);
}

namespace prefig {
inline constexpr const char* kModuleFileName = "Prefig.so";
inline constexpr const char* kDllVersionExport = "DllVersion";
inline constexpr const char* kCheckCfgPassExport = "CheckCfgPass";
inline constexpr const char* kRunSetupExport = "RunSetup";
inline constexpr int kMachineListOutMax = 256;
}  // namespace prefig
