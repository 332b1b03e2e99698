#include "module/module_state.h"

#include "platform/module_log.h"

namespace prefig {

ModuleState& Module() {
  static ModuleState state;
  return state;
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
