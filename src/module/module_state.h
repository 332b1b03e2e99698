#pragma once
#include "module/version.h"

namespace prefig {

class GDncConfig;
class GPrefiguration;

inline constexpr const char* kModuleIdentity = "PrefigDLL";

// The host's message table: text pointers indexed by message id. The host
// owns it; the module never copies or frees it.
using MessageTable = const char* const*;
inline constexpr int kMessageIdLimit = 16888;  // every id in use is below this
inline constexpr int kMarkerMessageId = 711;   // "***" in every usable table

// What the module keeps between calls from the host.
struct ModuleState {
  MessageTable message_table = nullptr;
  GPrefiguration* record = nullptr;
  GDncConfig* dnc_config = nullptr;  // the host's, when it gave one
  bool restart_notice = false;       // a saved change takes effect after a restart
};

ModuleState& Module();

// The DllInit contract that the module and every plug-in follow: the first
// non-null table is kept for good; 0 when it is usable, 11 when not.
inline constexpr int kDllInitOk = 0;
inline constexpr int kDllInitFailed = 11;
int InitModule(MessageTable table);

// The text of a message id in the stored table, or null.
const char* MessageText(int id);

}  // namespace prefig
