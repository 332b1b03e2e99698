#include "host/dark_palette.h"

namespace prefig::host {

QPalette DarkPalette() {
  const QColor window(0x2B, 0x2B, 0x2E);
  const QColor base(0x1E, 0x1E, 0x20);
  const QColor text(0xE6, 0xE6, 0xE6);
  const QColor disabled(0x80, 0x80, 0x80);
  QPalette palette;
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, window);
  palette.setColor(QPalette::ToolTipBase, window);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::PlaceholderText, disabled);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Button, QColor(0x35, 0x35, 0x39));
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::BrightText, Qt::white);
  palette.setColor(QPalette::Light, QColor(0x48, 0x48, 0x4D));
  palette.setColor(QPalette::Midlight, QColor(0x3C, 0x3C, 0x40));
  palette.setColor(QPalette::Mid, QColor(0x5A, 0x5A, 0x60));
  palette.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x1A));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(0x2F, 0x6F, 0xC0));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  palette.setColor(QPalette::Link, QColor(0x6C, 0xB0, 0xFF));
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Disabled, role, disabled);
  }
  palette.setColor(QPalette::Disabled, QPalette::Base, window);
  return palette;
}

}  // namespace prefig::host
