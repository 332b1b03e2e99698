// The values of `prefig page set` (CONTROL=VALUE, through the page text
// face) on any page, from arbitrary bytes: the first byte chooses the page,
// the rest is a machine type's file and the steps. A machine-type page
// must show after its type was written and read what it showed before (see
// CheckMachinePage); a global page, shown on the shared record and never
// saved, must take or refuse every edit without harm (its buttons are not
// clicked: some write the configuration's files).
#include <cstdint>
#include <iterator>
#include <memory>
#include <string_view>

#include "page_fixture.h"
#include "pages/page_table.h"

namespace {

using namespace prefig;

void GlobalPage(PageId id, std::string_view input) {
  auto [type_text, steps] = fuzz::SplitTypeAndSteps(input);
  fuzz::PageFixture::Get().UseType(type_text);
  std::unique_ptr<WConfigBase> page = PageTable()[static_cast<size_t>(id)].make();
  if (!page) return;
  page->ShowPage(true);
  fuzz::RunSteps(*page, steps, false);
  page_text::Format(page_text::Describe(*page));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1 || size > 8192) return 0;
  std::string_view input(reinterpret_cast<const char*>(data + 1), size - 1);
  // The pages that edit the machine type, then global pages but the DNC
  // ones (they need the host's object) and the machine type list (it moves
  // files).
  static constexpr PageId kPages[] = {PageId::kSyntaxColours,    PageId::kRenumbering,    PageId::kLoadSave,
                                      PageId::kFileCompare,      PageId::kMachine,        PageId::kBackplot,
                                      PageId::kToolScan,         PageId::kCadCamPost,     PageId::kMultiChannel,
                                      PageId::kToolList,         PageId::kMachineGeneral, PageId::kGeneral,
                                      PageId::kEditor,           PageId::kPrinter,        PageId::kBackplotColours,
                                      PageId::kExternalCommands, PageId::kMazatrolView,   PageId::kFeatureSelection};
  PageId id = kPages[data[0] % std::size(kPages)];
  if (id >= PageId::kSyntaxColours && id <= PageId::kMachineGeneral) {
    fuzz::CheckMachinePage(id, input);
  } else {
    GlobalPage(id, input);
  }
  return 0;
}
