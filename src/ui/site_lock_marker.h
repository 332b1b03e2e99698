#pragma once
#include <QWidget>

namespace prefig {
class WControl;
}

namespace prefig::ui {

// Shows whether the site locks the control's setting: a padlock on the
// widget (in a check box's icon place, else at its right end,
// before a drop-down arrow or spin buttons) and a tooltip naming the site
// file, shown although the widget is disabled. An unlocked control's widget
// gets its own tooltip back.
void ShowSiteLock(const WControl& control, QWidget* widget);

}  // namespace prefig::ui
