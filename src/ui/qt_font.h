#pragma once
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>

#include "ui/font_mapping.h"

// The stored logical-font record as a Qt font. Header only: the host
// program, which does not link the module's view, uses it too.
namespace prefig::ui {

// The logical resolution of the primary screen (96 without one).
inline double ScreenDpi() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->logicalDotsPerInchY() : kLogicalDpi;
}

inline QFont ToQFont(const FontDescription& font, double dpi = ScreenDpi()) {
  ScreenFont screen = ToScreenFont(font, dpi);
  QFont result(QString::fromUtf8(screen.family.c_str()));
  if (screen.fixed_pitch) result.setStyleHint(QFont::TypeWriter);
  result.setWeight(static_cast<QFont::Weight>(screen.weight));
  result.setItalic(screen.italic);
  result.setUnderline(screen.underline);
  result.setStrikeOut(screen.strike_out);
  if (screen.pixel_size > 0) {
    result.setPixelSize(screen.pixel_size);
    // A cell height counts the line's ascent and descent, which the family decides.
    qreal cell = QFontMetricsF(result).height();
    if (screen.cell_height && cell > 0) {
      result.setPixelSize(std::max(1, static_cast<int>(std::lround(screen.pixel_size * screen.pixel_size / cell))));
    }
  }
  return result;
}

// The height of a font's characters in pixels, whether it was given in points or pixels.
inline double PixelHeight(const QFont& font, double dpi = ScreenDpi()) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return font.pointSizeF() > 0 ? font.pointSizeF() * dpi / 72 : 0;
}

}  // namespace prefig::ui
