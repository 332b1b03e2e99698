#pragma once
#include <optional>

#include "controls/control.h"
#include "pages/binding.h"

namespace prefig {

// The lock that the site sets on a member of a setting where it is held
// (any of a font's keys locks the font), or nothing.
std::optional<ControlLock> SiteLockOf(const Setting& s, int member, const SettingPlace& place);

// The value the site gives a bound control's key, where it is usable: what
// the user gets without a value of their own, so Default's value.
std::optional<SettingValue> SiteDefaultOf(const WControl& control, const SettingPlace& place);

// The Default button on a workstation with a site: a bound control whose
// key the site gives a (usable) value takes that value, which is what the
// user gets without a value of their own. False when the site gives none.
bool DefaultFromSite(WControl& control, const SettingPlace& place);

}  // namespace prefig
