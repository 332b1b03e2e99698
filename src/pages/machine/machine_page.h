#pragma once
#include <string>

#include "pages/config_base.h"

namespace prefig {

class GMachineType;

// The base of the pages that edit the current machine type (the one chosen
// on the machine type list). Such a page loads from the current type every
// time it is shown and saves into it when it is hidden and, while shown,
// on OK; saving sets the type's modified flag, so OK writes its file (and
// Cancel restores it). Its banner is "<title> - <description of the type>".
class WMachinePage : public WPrefigBase {
 public:
  using WPrefigBase::WPrefigBase;

  std::string GetTitle(bool for_tree) override;

 protected:
  // The current machine type; null when there is none.
  static GMachineType* CurrentType();
  SettingPlace PlaceOf(const Setting& setting) override;

 private:
  bool ReloadsWhenShown() const final { return true; }
  void Saved() final;
};

}  // namespace prefig
