#pragma once
#include <optional>

#include "record/setting_io.h"

namespace prefig {

class GIniFile;
class GIniOverlay;
class SettingValues;
class WControl;

// Where the settings of a page are held and written: the record's values
// and the main INI file for the global pages; a machine type's values for
// the machine-type pages, which the type's saver writes on OK.
struct SettingPlace {
  SettingValues* values = nullptr;  // null: nowhere (no record), the control is left alone
  GIniFile* file = nullptr;         // null: the values only; their owner writes the file
  LoadContext context;
  const GIniOverlay* site = nullptr;  // the site's defaults and locks of the values' file
};

// Whether the control can show its bound setting's kind and member (a check
// box a yes/no, a colour swatch a colour, ...); one that cannot is left
// alone by the three below.
bool CanBind(const WControl& control);

// A bound control shows the held value of its setting's member, saves what
// it shows into the values and, when there is one, the file (numbers
// clamped to the setting's range, so a page never writes what the next
// start would have to repair), and takes the page's default, which may
// leave it alone.
void LoadControl(WControl& control, const SettingValues& values);
void SaveControl(const WControl& control, SettingValues& values, GIniFile* file);
void DefaultControl(WControl& control, const LoadContext& context);

// A bound control's value as a value of its setting: what it shows (no
// `held`), or what it would show once loaded from `held` (a page not yet
// loaded); nothing when it cannot show its setting or `held` lacks it.
std::optional<SettingValue> ValueAsShown(const WControl& control, const SettingValues* held);

// Whether a bound control differs from the page's default, both taken as
// the control shows them (a per-cent spin, a clamped index compare as the
// user sees them), with ValueAsShown's `held`. `instead` is the default
// that Default gives in place of the page's (the site's value). False when
// Default leaves the control alone.
bool DiffersFromDefault(const WControl& control, const SettingValues* held, const LoadContext& context,
                        const std::optional<SettingValue>& instead = std::nullopt);

}  // namespace prefig
