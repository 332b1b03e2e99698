#include "record/prefiguration.h"

#include <cstring>

#include "ini/journal_transaction.h"
#include "platform/module_log.h"

namespace prefig {

GPrefiguration::~GPrefiguration() { Destroy(); }

// What the loader writes (defaults completed, templates copied, upgrades)
// is one save.
int GPrefiguration::InitDnc(std::string_view ini_name, bool use_path_table) {
  journal::JournalTransaction load;
  int result = GEditorDNCCfg::InitDnc(ini_name, use_path_table);
  if (result == kInitDone) global_.Load(*this, SettingsContext());
  return result;
}

void GPrefiguration::Destroy() {
  if (dnc_ready_ && !global_.WriteEditingState(*this)) {
    LogLine("INIT  : Editing state not written to '%s': %s", Path().c_str(), std::strerror(WriteError()));
  }
  GEditorDNCCfg::Destroy();
}

}  // namespace prefig
