#pragma once
#include <QFont>
#include <cstdlib>

#include "schema/font_description.h"

// The stored logical-font record as a Qt font. Header only: the
// host program, which does not link the module's view, uses it too.
namespace prefig::ui {

// A negative height is the character height in pixels, a positive one the
// cell height (a little more than the characters); weight 700 is bold.
inline QFont ToQFont(const FontDescription& font) {
  QFont result(QString::fromUtf8(font.face_name.c_str()));
  int height = std::abs(font.height);
  if (height > 0) result.setPixelSize(font.height < 0 ? height : height * 4 / 5);
  result.setWeight(static_cast<QFont::Weight>(font.weight <= 0 ? 400 : font.weight));
  result.setItalic(font.italic != 0);
  result.setUnderline(font.underline != 0);
  result.setStrikeOut(font.strike_out != 0);
  if ((font.pitch_and_family & 0x03) == 1) result.setStyleHint(QFont::TypeWriter);
  return result;
}

}  // namespace prefig::ui
