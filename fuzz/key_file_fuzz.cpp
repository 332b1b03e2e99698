// mimeapps.list of any content: an edit must not crash, must read back,
// and taking a line out must find nothing left.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/key_file.h"

namespace pk = prefig::platform::key_file;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  static const char* const kGroups[] = {"Default Applications", "Added Associations", "Other"};
  static const char* const kKeys[] = {"text/x-velmo-nc", "text/plain", "a"};
  for (int round = 0; round < 6; ++round) {
    const char* group = kGroups[(size + round) % 3];
    const char* key = kKeys[(size / 3 + round) % 3];
    std::string value = "ours.desktop;" + std::to_string(round) + ";";
    pk::SetValue(text, group, key, value);
    if (pk::Value(text, group, key) != value) abort();
    pk::RemoveValue(text, group, key);
    if (pk::Value(text, group, key)) abort();
  }
  return 0;
}
