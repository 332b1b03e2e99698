#pragma once
#include <array>
#include <memory>

#include "pages/config_base.h"

namespace prefig {

// Every page of the setup dialog, in the order of its tree.
enum class PageId {
  kGeneral,
  kEditor,
  kPrinter,
  kMachineTypes,
  kSyntaxColours,
  kRenumbering,
  kLoadSave,
  kFileCompare,
  kMachine,
  kBackplot,
  kToolScan,
  kCadCamPost,
  kMultiChannel,
  kToolList,
  kMachineGeneral,
  kBackplotColours,
  kDncAdministration,
  kDncPortList,
  kExternalCommands,
  kMazatrolView,
  kFeatureSelection,
};
inline constexpr int kPageCount = 21;

// The switches of the feature selection that take pages out of the tree.
struct FeatureSwitches {
  bool backplot_off = false;      // DISABLEBACKPLOT
  bool cadcam_post_off = false;   // DISABLEDRAFTER
  bool file_compare_off = false;  // DISABLEFILECOMP
  bool quiver_off = false;        // DISABLEQUIVER
  bool math_off = false;          // DISABLEMATHFUNC
  bool dnc_off = false;           // DISABLEDNCADM
  bool mazatrol_off = false;      // DISABLEMAZAKVIEW
};

struct PageEntry {
  PageId id;
  const char* class_name;                  // how `prefig page` and the logs name the page
  PageId parent;                           // itself for a root entry
  int start_page;                          // the number RunSetup opens it by; 0 for none
  std::unique_ptr<WConfigBase> (*make)();  // null while the page is not built
  bool expand_after;                       // expand the parent once this entry is added
};

// The tree in order, with the parents and start page numbers.
const std::array<PageEntry, kPageCount>& PageTable();
// The order in which OK saves the pages.
const std::array<PageId, kPageCount>& SaveOrder();
// Whether a page belongs in the tree.
bool IsPagePresent(PageId page, const FeatureSwitches& switches, bool has_dnc_object);

}  // namespace prefig
