#pragma once
#include <QPalette>

namespace prefig::host {

// A dark palette as a desktop in dark mode hands its programs: light text
// on dark windows and fields, a blue highlight, greyed text for disabled
// controls. `--dark` puts it on the application, so that the module's
// dialog can be seen (and photographed) as such a desktop shows it.
QPalette DarkPalette();

}  // namespace prefig::host
