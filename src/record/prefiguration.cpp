#include "record/prefiguration.h"

namespace prefig {

GPrefiguration::~GPrefiguration() { Destroy(); }

int GPrefiguration::InitDnc(std::string_view ini_name, bool use_path_table) {
  int result = GEditorDNCCfg::InitDnc(ini_name, use_path_table);
  if (result == kInitDone) global_.Load(*this, SettingsContext());
  return result;
}

void GPrefiguration::Destroy() {
  if (dnc_ready_) global_.WriteEditingState(*this);
  GEditorDNCCfg::Destroy();
}

}  // namespace prefig
