#pragma once
#include <QPoint>
#include <QString>

class QWidget;

namespace prefig::ui {

// Shows a help text in a small window at `at` (global position), laid out
// at most `width` pixels wide, Qt rich text for a text that begins with
// "<"; it closes on the next click or key. One at a time.
void ShowHelpTip(const QString& text, QPoint at, int width, int margin, QWidget* owner);
void HideHelpTip();

}  // namespace prefig::ui
