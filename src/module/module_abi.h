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
// The host's 5-axis machine record (in, and out after OK: room for
// kFiveAxisDefinitionSize bytes); the record for the password, or null.
typedef bool (*Run5AxisMchSetupFunction)(char* definition, prefig::GPrefiguration* record);
}

namespace prefig {
inline constexpr const char* kModuleFileName = "Prefig.so";
inline constexpr const char* kDllVersionExport = "DllVersion";
inline constexpr const char* kCheckCfgPassExport = "CheckCfgPass";
inline constexpr const char* kRunSetupExport = "RunSetup";
inline constexpr const char* kRun5AxisMchSetupExport = "Run5AxisMchSetup";
// The caller's buffer is not sized by the call, so its size is part of the
// contract: every record the dialog can hand back fits, terminator included.
inline constexpr int kFiveAxisDefinitionSize = 1024;
inline constexpr int kMachineListOutMax = 256;
}  // namespace prefig
