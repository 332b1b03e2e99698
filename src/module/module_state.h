#pragma once
#include <memory>
#include <vector>

#include "record/machine_type.h"

namespace prefig {

class GDncConfig;
class GPrefiguration;

inline constexpr int kModuleVersion = 80402;  // 8.04.02
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
  bool list_changed = false;         // the machine type list changed while the setup dialog was open

  // While the setup dialog is open: the machine types in the order the user
  // gives them, the one the machine-type pages edit, the ones removed, and
  // the ones made meanwhile (owned here until the dialog closes).
  std::vector<GMachineType*> working_types;
  int current_type = -1;
  std::vector<GMachineType*> removed_types;
  std::vector<std::unique_ptr<GMachineType>> new_types;
};
inline constexpr size_t kRemovedTypesMax = 1024;

ModuleState& Module();
// The machine type that the machine-type pages edit, or null.
GMachineType* CurrentMachineType();

// The DllInit contract that the module and every plug-in follow: the first
// non-null table is kept for good; 0 when it is usable, 11 when not.
inline constexpr int kDllInitOk = 0;
inline constexpr int kDllInitFailed = 11;
int InitModule(MessageTable table);

// The text of a message id in the stored table, or null.
const char* MessageText(int id);

}  // namespace prefig
