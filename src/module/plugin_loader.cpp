#include "module/plugin_loader.h"

#include <dlfcn.h>

#include <string>

#include "module/module_state.h"
#include "module/plugin_abi.h"
#include "module/services.h"
#include "platform/file_io.h"
#include "platform/module_log.h"
#include "platform/process.h"

namespace prefig {
namespace {

void* OpenLibrary(const std::string& path) {
  return path.empty() ? nullptr : ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

}  // namespace

std::string FindDllDirectory(std::string_view program_directory) {
  return platform::FolderOfProgram(std::string(program_directory), kPluginDirectoryName);
}

std::string FindDllDirectory() { return FindDllDirectory(platform::ProgramDirectory()); }

void* LoadPluginDll(std::string_view file_name, std::string_view base_directory) {
  std::string name(file_name);
  std::string first =
      base_directory.empty() ? name : std::string(base_directory) + "/" + kPluginDirectoryName + "/" + name;
  void* handle = OpenLibrary(first);
  if (!handle) handle = OpenLibrary(name);
  if (!handle) handle = OpenLibrary(FindDllDirectory() + "/" + name);
  if (!handle) {
    LogLine("DLL could not be loaded: %s", first.c_str());
    return nullptr;
  }
  auto init = reinterpret_cast<DllInitFunction>(::dlsym(handle, kDllInitExport));
  if (init == nullptr || init(Module().message_table) != kDllInitOk) {
    LogLine("OPEN  : Could not load dll %s", first.c_str());
    ::dlclose(handle);
    return nullptr;
  }
  return handle;
}

void FreePluginDll(void* handle) {
  if (handle) ::dlclose(handle);
}

GDll::GDll(std::string_view file_name, std::string_view base_directory, bool quiet)
    : file_name_(file_name), base_directory_(base_directory), quiet_(quiet) {}

GDll::~GDll() { FreePluginDll(handle_); }

void* GDll::GetFunction(const char* name) {
  if (handle_ == nullptr) {
    handle_ = LoadPluginDll(file_name_, base_directory_);
    if (handle_ == nullptr) {
      if (!quiet_) {
        GetServices().MessageBox({"Could not load dll: " + file_name_, kErrorCaptionId, MessageIcon::kStop,
                                  MessageButtons::kOk, MessageOwner::kNone});
      }
      return nullptr;
    }
  }
  void* function = ::dlsym(handle_, name);
  if (function == nullptr && !quiet_) {
    GetServices().MessageBox({"Could not find function '" + std::string(name) + "' in dll " + file_name_,
                              kErrorCaptionId, MessageIcon::kStop, MessageButtons::kOk, MessageOwner::kNone});
  }
  return function;
}

bool SelectDirectory(std::string_view base_directory, char* path, int flag, int value) {
  GDll chooser(kFileDirSelectorLibrary, base_directory, true);
  auto select = chooser.Get<SelectDirectoryFunction>(kSelectDirectoryExport);
  return select != nullptr && select(path, value, flag, nullptr) == 1;
}

}  // namespace prefig
