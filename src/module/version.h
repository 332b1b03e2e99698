#pragma once

namespace prefig {

// The module's version, as DllVersion reports it and as a machine type file
// records the version that last wrote it.
inline constexpr int kModuleVersion = 80402;  // 8.04.02

}  // namespace prefig
