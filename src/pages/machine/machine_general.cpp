#include "pages/machine/machine_general.h"

namespace prefig {
namespace {

constexpr int kTitleId = 1547;
constexpr int kGroupId = 1551;

}  // namespace

DMchGeneral::DMchGeneral() : WMachinePage(kTitleId, schema::kMachineGeneralPage) {
  using namespace layout;
  SetLayout(Column{
      Group{kGroupId, {Form{print_columns_, column_indicator_}, insert_spaces_}},
      Stretch{},
  });
}

}  // namespace prefig
