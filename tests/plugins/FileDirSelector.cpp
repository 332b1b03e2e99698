// A folder chooser that "chooses" <path>/chosen without showing anything, so
// the module's side of the contract can be tested; value 0 means Cancel.
#include <cstring>

extern "C" __attribute__((visibility("default"))) int DllInit(const char* const*) { return 0; }

extern "C" __attribute__((visibility("default"))) int SelectDirectory(char* path, int value, int, void*) {
  if (value == 0) return 0;
  std::strncat(path, "/chosen", 1024 - std::strlen(path));
  return 1;
}
