// The renumbering defaults of a machine type's own file (section
// "RENUM DEFAULT") from arbitrary bytes: the Default button of the
// Renumbering page, then the steps of the input; what the page shows must
// survive the type's file (see CheckMachinePage).
#include <cstdint>
#include <string>
#include <string_view>

#include "page_fixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 8192) return 0;
  auto [type_text, steps] =
      prefig::fuzz::SplitTypeAndSteps(std::string_view(reinterpret_cast<const char*>(data), size));
  std::string input = std::string(type_text) + "\n%%\n*\n" + std::string(steps);
  prefig::fuzz::CheckMachinePage(prefig::PageId::kRenumbering, input);
  return 0;
}
