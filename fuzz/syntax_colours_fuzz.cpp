// The user colours of a machine type (USRCOLOR%d in GLOBALCOLORLIST) from
// arbitrary bytes, with edits on the Syntax colours page: an entry that
// reads must write back to the same entry, and what the page shows must
// survive the type's file (see CheckMachinePage).
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "page_fixture.h"
#include "record/colour_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;  // a colour table of 242 entries is well below
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string_view first_line = input.substr(0, input.find('\n'));
  prefig::UserColour entry, again;
  if (prefig::ParseUserColour(first_line, entry)) {
    if (!prefig::ParseUserColour(prefig::FormatUserColour(entry), again) || again != entry) abort();
  }
  prefig::fuzz::CheckMachinePage(prefig::PageId::kSyntaxColours, input);
  return 0;
}
