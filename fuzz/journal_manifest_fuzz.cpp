// A journal manifest of any content: reading it must not crash, and a
// manifest that reads must be written back to the same manifest.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ini/journal_keys.h"
#include "ini/journal_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string reason;
  if (auto manifest = prefig::journal::ParseManifest(text, &reason)) {
    std::string again = prefig::journal::FormatManifest(*manifest);
    auto back = prefig::journal::ParseManifest(again, &reason);
    if (!back || prefig::journal::FormatManifest(*back) != again) abort();
  } else if (reason.empty()) {
    abort();
  }
  // The same bytes as two texts of an INI file, halves against each other.
  prefig::journal::ChangedKeys(text.substr(0, size / 2), text.substr(size / 2));
  return 0;
}
