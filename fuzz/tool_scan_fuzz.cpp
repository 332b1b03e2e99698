// The tool scan words of a machine type (TOOLSCAN and INSPECT) from
// arbitrary bytes, with edits on the Tool scan page: what the page shows
// must survive the type's file (see CheckMachinePage).
#include <cstdint>
#include <string_view>

#include "page_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  prefig::fuzz::CheckMachinePage(prefig::PageId::kToolScan,
                                 std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
