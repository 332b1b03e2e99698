#pragma once
// The export of a DNC protocol plug-in (besides DllInit).

extern "C" {
// Fills `name` and `description` (buffers of the given sizes, terminated)
// and returns the protocol's version number.
typedef int (*ProtocolInfoFunction)(char* name, int name_size, char* description, int description_size);
}

namespace prefig {
inline constexpr const char* kProtocolInfoExport = "ProtocolInfo";
inline constexpr int kProtocolNameBufferSize = 33;
inline constexpr int kProtocolDescriptionBufferSize = 129;
inline constexpr int kProtocolMinimumVersion = 40000;  // older protocols are not offered
inline constexpr const char* kProtocolsFolder = "Protocols";
inline constexpr const char* kProtocolExtension = ".so";
}  // namespace prefig
