#include "ui/palette_contrast.h"

namespace prefig::ui {

bool IsDarkPalette(const QPalette& palette) {
  return palette.color(QPalette::Window).lightnessF() < palette.color(QPalette::WindowText).lightnessF();
}

QColor SwatchFrame(const QPalette& palette) {
  return IsDarkPalette(palette) ? QColor(0xB0, 0xB0, 0xB0) : QColor(0x60, 0x60, 0x60);
}

QColor DrawingGround(const QPalette& palette) {
  return IsDarkPalette(palette) ? QColor(0xF2, 0xF2, 0xF2) : QColor(Qt::transparent);
}

}  // namespace prefig::ui
