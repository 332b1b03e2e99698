#include "pages/machine/machine_page.h"

#include "pages/setup_session.h"
#include "record/prefiguration.h"

namespace prefig {

std::string WMachinePage::GetTitle(bool for_tree) {
  std::string title = WPrefigBase::GetTitle(for_tree);
  const GMachineType* type = CurrentType();
  if (for_tree || type == nullptr) return title;
  return title + " - " + type->Description();
}

GMachineType* WMachinePage::CurrentType() { return CurrentMachineType(); }

SettingPlace WMachinePage::PlaceOf(const Setting& setting) {
  GPrefiguration* record = Record();
  GMachineType* type = CurrentType();
  if (record == nullptr || type == nullptr || !InScope(setting.scope, Scope::kType)) return {};
  LoadContext context = record->SettingsContext();
  context.basic_type = type->BasicType();
  return {&type->Values(), nullptr, context, type->Ini().Overlay()};
}

void WMachinePage::Saved() {
  if (GMachineType* type = CurrentType()) type->SetChanged();
}

}  // namespace prefig
