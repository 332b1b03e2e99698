#pragma once
#include <QString>

class QWidget;

namespace prefig {
class WControl;
}

namespace prefig::ui {

// What a screen reader calls a control: the text of its label, else its own
// text, else (an icon button) its tooltip; without mnemonic marks and the
// label's closing colon.
QString AccessibleNameOf(const WControl& control);
QString AccessibleText(const QString& shown);

// Names `widget` after `control` (nothing when the control has no text yet,
// so that a later label text still arrives).
void NameForScreenReaders(const WControl& control, QWidget* widget);

}  // namespace prefig::ui
