// The C functions that the host editor finds in the Prefig module.
#include <cstring>
#include <string>
#include <type_traits>

#include "module/module_abi.h"
#include "module/module_state.h"
#include "pages/get_config_password.h"
#include "pages/run_five_axis.h"
#include "pages/run_setup.h"
#include "platform/module_log.h"
#include "ui/ui_session.h"

#define PREFIG_EXPORT extern "C" __attribute__((visibility("default")))

PREFIG_EXPORT int DllInit(const char* const* message_table) { return prefig::InitModule(message_table); }

PREFIG_EXPORT int DllVersion() { return prefig::kModuleVersion; }

PREFIG_EXPORT int RunSetup(int start_page, prefig::GMachineType** list_out, int* count_out,
                           prefig::GPrefiguration* record, prefig::GDncConfig* dnc_config) {
  prefig::ui::UiSession session;
  return prefig::RunSetupSession(start_page, list_out, count_out, record, dnc_config);
}

PREFIG_EXPORT bool CheckCfgPass(const char* password) {
  prefig::ui::UiSession session;
  return prefig::CheckConfigPassword(password != nullptr ? password : "");
}

PREFIG_EXPORT bool Run5AxisMchSetup(char* definition, prefig::GPrefiguration* record) {
  if (definition == nullptr) return false;
  prefig::ui::UiSession session;
  std::string text(definition, ::strnlen(definition, prefig::kFiveAxisDefinitionSize - 1));
  if (!prefig::RunFiveAxisSetup(text, record) || text.size() >= prefig::kFiveAxisDefinitionSize) return false;
  std::memcpy(definition, text.c_str(), text.size() + 1);
  return true;
}

// The host calls these through the types it was given.
static_assert(std::is_same_v<decltype(&DllVersion), DllVersionFunction>);
static_assert(std::is_same_v<decltype(&CheckCfgPass), CheckCfgPassFunction>);
static_assert(std::is_same_v<decltype(&RunSetup), RunSetupFunction>);
static_assert(std::is_same_v<decltype(&Run5AxisMchSetup), Run5AxisMchSetupFunction>);

namespace {

__attribute__((constructor)) void OnModuleLoad() { prefig::LogLine("DLLOAD: Dll loaded: %s", prefig::kModuleIdentity); }

__attribute__((destructor)) void OnModuleUnload() {
  prefig::LogLine("DLLOAD: Unloading dll: %s", prefig::kModuleIdentity);
}

}  // namespace
