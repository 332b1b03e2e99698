#include "pages/page_table.h"

#include "pages/global/dnc_administration.h"
#include "pages/global/editor.h"
#include "pages/global/external_commands.h"
#include "pages/global/feature_selection.h"
#include "pages/global/general.h"
#include "pages/global/mazak_view.h"
#include "pages/global/printer.h"
#include "pages/machine/file_compare.h"
#include "pages/machine/backplot.h"
#include "pages/machine/backplot_colors.h"
#include "pages/machine/cad_cam_post.h"
#include "pages/machine/load_save.h"
#include "pages/machine/machine_general.h"
#include "pages/machine/machine_syntax.h"
#include "pages/machine/machine_types.h"
#include "pages/machine/multi_channel.h"
#include "pages/machine/renumbering.h"
#include "pages/machine/syntax_colors.h"
#include "pages/machine/tool_list.h"
#include "pages/machine/tool_scan.h"

namespace prefig {
namespace {

template <typename Page>
std::unique_ptr<WConfigBase> Make() {
  return std::make_unique<Page>();
}

}  // namespace

// To add a page: put its Make<> here instead of nullptr.
const std::array<PageEntry, kPageCount>& PageTable() {
  using P = PageId;
  static const std::array<PageEntry, kPageCount> kTable{{
      {P::kGeneral, "DGlobal", P::kGeneral, 1, &Make<DGlobal>, false},
      {P::kEditor, "DEditor", P::kGeneral, 2, &Make<DEditor>, false},
      {P::kPrinter, "DPrinter", P::kGeneral, 3, &Make<DPrinter>, true},
      {P::kMachineTypes, "DMch", P::kMachineTypes, 4, &Make<DMch>, false},
      {P::kSyntaxColours, "DMchColors", P::kMachineTypes, 5, &Make<DMchColors>, false},
      {P::kRenumbering, "DMchRenum", P::kMachineTypes, 6, &Make<DMchRenum>, false},
      {P::kLoadSave, "DMchFile", P::kMachineTypes, 8, &Make<DMchFile>, false},
      {P::kFileCompare, "DMchFilecompare", P::kMachineTypes, 9, &Make<DMchFilecompare>, false},
      {P::kMachine, "DMchMachine", P::kMachineTypes, 12, &Make<DMchMachine>, false},
      {P::kBackplot, "DMchInspect", P::kMachineTypes, 10, &Make<DMchInspect>, false},
      {P::kToolScan, "DMchInspectToolscan", P::kMachineTypes, 0, &Make<DMchInspectToolscan>, false},
      {P::kCadCamPost, "DMchPlanar", P::kMachineTypes, 11, &Make<DMchPlanar>, false},
      {P::kMultiChannel, "WMchMultiChannel", P::kMachineTypes, 20, &Make<WMchMultiChannel>, false},
      {P::kToolList, "DMchToollist", P::kMachineTypes, 19, &Make<DMchToollist>, false},
      {P::kMachineGeneral, "DMchGeneral", P::kMachineTypes, 13, &Make<DMchGeneral>, true},
      {P::kBackplotColours, "DInspectColors", P::kBackplotColours, 16, &Make<DInspectColors>, false},
      {P::kDncAdministration, "DDNCAdm", P::kDncAdministration, 14, &Make<DDNCAdm>, false},
      {P::kDncPortList, "DDNCAdmPortlist", P::kDncAdministration, 0, &Make<DDNCAdmPortlist>, false},
      {P::kExternalCommands, "DExternalCmd", P::kExternalCommands, 0, &Make<DExternalCmd>, false},
      {P::kMazatrolView, "DSetupMazakView", P::kMazatrolView, 0, &Make<DSetupMazakView>, false},
      {P::kFeatureSelection, "DPlugingSelect", P::kFeatureSelection, 0, &Make<DPlugingSelect>, false},
  }};
  return kTable;
}

const std::array<PageId, kPageCount>& SaveOrder() {
  using P = PageId;
  static constexpr std::array<PageId, kPageCount> kOrder{
      P::kGeneral,           P::kEditor,       P::kPrinter,          P::kMachineTypes,
      P::kSyntaxColours,     P::kRenumbering,  P::kLoadSave,         P::kFileCompare,
      P::kMachine,           P::kBackplot,     P::kToolScan,         P::kCadCamPost,
      P::kBackplotColours,   P::kMultiChannel, P::kToolList,         P::kMachineGeneral,
      P::kDncAdministration, P::kDncPortList,  P::kExternalCommands, P::kMazatrolView,
      P::kFeatureSelection,
  };
  return kOrder;
}

bool IsPagePresent(PageId page, const FeatureSwitches& s, bool has_dnc_object) {
  switch (page) {
    case PageId::kFileCompare: return !(s.file_compare_off && s.quiver_off);
    case PageId::kBackplot:
    case PageId::kToolScan: return !s.backplot_off;
    case PageId::kCadCamPost: return !s.cadcam_post_off;
    case PageId::kMultiChannel:
    case PageId::kToolList: return !s.math_off;
    case PageId::kBackplotColours: return !(s.backplot_off && s.cadcam_post_off);
    case PageId::kDncAdministration:
    case PageId::kDncPortList: return !s.dnc_off && has_dnc_object;
    case PageId::kMazatrolView: return !s.mazatrol_off;
    default: return true;
  }
}

}  // namespace prefig
