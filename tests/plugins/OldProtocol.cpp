// A DNC protocol plug-in that reports a version from before protocols were
// offered to the user.
#include <cstdio>

extern "C" {
__attribute__((visibility("default"))) int DllInit(const char* const*) { return 0; }
__attribute__((visibility("default"))) int ProtocolInfo(char* name, int name_size, char* description,
                                                        int description_size) {
  std::snprintf(name, static_cast<size_t>(name_size), "OLD");
  std::snprintf(description, static_cast<size_t>(description_size), "An old protocol");
  return 39999;
}
}
