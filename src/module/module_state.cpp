#include "module/module_state.h"

#include "platform/module_log.h"

namespace prefig {

ModuleState& Module() {
  static ModuleState state;
  return state;
}

GMachineType* CurrentMachineType() {
  const ModuleState& module = Module();
  if (module.current_type < 0 || module.current_type >= static_cast<int>(module.working_types.size())) return nullptr;
  return module.working_types[module.current_type];
}

int InitModule(MessageTable table) {
  ModuleState& module = Module();
  if (module.message_table == nullptr) module.message_table = table;
  if (module.message_table == nullptr || module.message_table[kMarkerMessageId] == nullptr) {
    LogLine("DLLINI: DllInit failed: %s", kModuleIdentity);
    return kDllInitFailed;
  }
  LogLine("DLLINI: DllInit OK: %s", kModuleIdentity);
  return kDllInitOk;
}

const char* MessageText(int id) {
  MessageTable table = Module().message_table;
  if (table == nullptr || id < 0 || id >= kMessageIdLimit) return nullptr;
  return table[id];
}

}  // namespace prefig
