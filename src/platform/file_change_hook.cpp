#include "platform/file_change_hook.h"

namespace prefig::platform {
namespace {
FileChangeHook* installed_hook = nullptr;
}

FileChangeHook* InstallFileChangeHook(FileChangeHook* hook) {
  FileChangeHook* previous = installed_hook;
  installed_hook = hook;
  return previous;
}

FileChangeHook* InstalledFileChangeHook() { return installed_hook; }

}  // namespace prefig::platform
