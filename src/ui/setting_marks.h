#pragma once
#include <QObject>

class QWidget;

namespace prefig {
class WControl;
}

namespace prefig::ui {

// The marks a control's widgets carry besides its value: a setting that
// differs from its page's default has its label in bold behind a small bar
// (the check box's own text when it has no label), a control the search
// found is highlighted. Their context menu (and a small button shown while
// the mouse is over a modified control's label) offers Reset to default.

// Called whenever the control's model changed; draws its modified mark.
void RefreshMarks(WControl& control);
// The search's highlight on the control's label (or on the control).
void SetSearchMark(WControl& control, bool found);
// The Modified only filter: a control left out is hidden with its label,
// whatever its page says, until it is let in again.
void SetFilteredOut(WControl& control, bool out);
bool IsFilteredOut(const QWidget* widget);
// Adds the Reset to default command to the widgets of a bound control.
void AddResetCommand(WControl& control, QWidget* widget);

// Tells whoever shows more than one control (the tree's marks, the
// modified-only filter) that a value changed, once per turn of the event
// loop however many changed.
class MarkEvents : public QObject {
  Q_OBJECT

 public:
  static MarkEvents& Instance();
  void Post();

 signals:
  void valuesChanged();

 private:
  bool posted_ = false;
};

}  // namespace prefig::ui
