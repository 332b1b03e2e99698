#pragma once
#include <optional>

#include "controls/control.h"
#include "pages/binding.h"

namespace prefig {

// The lock that the site sets on a member of a setting where it is held
// (any of a font's keys locks the font), or nothing.
std::optional<ControlLock> SiteLockOf(const Setting& s, int member, const SettingPlace& place);

}  // namespace prefig
