#include "host/prefig_module.h"

#include <dlfcn.h>

#include <vector>

#include "module/module_abi.h"
#include "module/plugin_abi.h"
#include "module/plugin_loader.h"

namespace prefig::host {

PrefigModule::~PrefigModule() {
  if (handle_ != nullptr) ::dlclose(handle_);
}

bool PrefigModule::Load(std::string* error) {
  path_ = FindDllDirectory() + "/" + kModuleFileName;
  handle_ = ::dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle_ == nullptr && error != nullptr) *error = ::dlerror();
  return handle_ != nullptr;
}

void* PrefigModule::Function(const char* name) const { return handle_ == nullptr ? nullptr : ::dlsym(handle_, name); }

int PrefigModule::DllInit(const char* const* message_table) const {
  auto init = reinterpret_cast<DllInitFunction>(Function(kDllInitExport));
  return init == nullptr ? -1 : init(message_table);
}

int PrefigModule::DllVersion() const {
  auto version = reinterpret_cast<DllVersionFunction>(Function(kDllVersionExport));
  return version == nullptr ? 0 : version();
}

bool PrefigModule::CheckCfgPass(const char* password) const {
  auto check = reinterpret_cast<CheckCfgPassFunction>(Function(kCheckCfgPassExport));
  return check != nullptr && check(password);
}

int PrefigModule::RunSetup(int start_page, GMachineType** list_out, int* count_out, GPrefiguration* record,
                           GDncConfig* dnc_config) const {
  auto run = reinterpret_cast<RunSetupFunction>(Function(kRunSetupExport));
  return run == nullptr ? -1 : run(start_page, list_out, count_out, record, dnc_config);
}

bool PrefigModule::Run5AxisMchSetup(std::string& definition, GPrefiguration* record) const {
  auto run = reinterpret_cast<Run5AxisMchSetupFunction>(Function(kRun5AxisMchSetupExport));
  if (run == nullptr) return false;
  std::vector<char> buffer(kFiveAxisDefinitionSize, '\0');
  definition.copy(buffer.data(), buffer.size() - 1);
  if (!run(buffer.data(), record)) return false;
  definition = buffer.data();
  return true;
}

}  // namespace prefig::host
