// A DNC protocol plug-in as the host loads them from its Protocols folder:
// it follows the DllInit contract and describes itself through
// ProtocolInfo. The transfer itself is the host's DNC module's business;
// this one stands for a plain serial line without handshake.
#include <cstdio>

#include "module/plugin_abi.h"
#include "module/protocol_abi.h"

namespace {
constexpr int kVersion = 80402;
constexpr int kMarkerMessageId = 711;
}  // namespace

extern "C" {

__attribute__((visibility("default"))) int DllInit(const char* const* message_table) {
  return message_table != nullptr && message_table[kMarkerMessageId] != nullptr ? 0 : 11;
}

__attribute__((visibility("default"))) int ProtocolInfo(char* name, int name_size, char* description,
                                                        int description_size) {
  if (name && name_size > 0) std::snprintf(name, static_cast<size_t>(name_size), "%s", "SERIAL");
  if (description && description_size > 0) {
    std::snprintf(description, static_cast<size_t>(description_size), "%s", "Serial line, no handshake (sample)");
  }
  return kVersion;
}
}
