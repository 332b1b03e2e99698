#pragma once
#include <QColor>
#include <QPalette>

namespace prefig::ui {

// Whether the palette is a dark one (light text on a dark window), as a
// desktop in dark mode gives it.
bool IsDarkPalette(const QPalette& palette);

// The ring around a colour swatch: dark grey on a light list, light grey on
// a dark one, so that the swatch's true colour keeps a visible edge.
QColor SwatchFrame(const QPalette& palette);

// What a drawing made for paper (dark lines, transparent ground) is laid
// on: nothing in a light palette, a light card in a dark one.
QColor DrawingGround(const QPalette& palette);

}  // namespace prefig::ui
