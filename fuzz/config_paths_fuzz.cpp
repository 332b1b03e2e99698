// ConfigPaths.cfg of any content: reading and resolving must not crash or
// hang, and whatever the writer accepts must read back as it was.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "context/config_path_handler.h"
#include "context/config_paths_file.h"
#include "work_dir.h"

using prefig::fuzz::WorkDir;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Resolving takes the square of the number of keys times the length of
  // the values (which references make grow); real files hold a dozen keys
  // in a few hundred bytes. Longer inputs brought a campaign down to 200
  // runs a second.
  if (size > 1024) return 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string file = WorkDir() + "/ConfigPaths.cfg";
  FILE* out = fopen(file.c_str(), "wb");
  if (!out) abort();
  fwrite(text.data(), 1, text.size(), out);
  fclose(out);

  prefig::GConfigPathHandler handler(WorkDir() + "/editor");
  for (const auto& entry : handler.Table()) {
    std::string path = handler.GetPath(entry.key, "file.ini");
    if (path.find("//", 1) != std::string::npos) abort();  // runs of separators are gone
  }

  prefig::PathTable raw;
  prefig::ParsePathsText(text, raw);
  if (auto written = prefig::FormatPathsText(raw)) {
    prefig::PathTable back;
    prefig::ParsePathsText(*written, back);
    if (back.size() != raw.size()) abort();
    auto it = back.begin();
    for (const auto& entry : raw) {
      if (it->key != entry.key || it->value != entry.value) abort();
      ++it;
    }
  }
  return 0;
}
