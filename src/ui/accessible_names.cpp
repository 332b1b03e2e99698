#include "ui/accessible_names.h"

#include <QWidget>

#include "controls/control.h"
#include "controls/push_button.h"
#include "ui/qt_text.h"

namespace prefig::ui {

QString AccessibleText(const QString& shown) {
  QString text = shown;
  text.remove(QLatin1Char('&'));
  text = text.trimmed();
  if (text.endsWith(QLatin1Char(':'))) text.chop(1);
  return text.trimmed();
}

QString AccessibleNameOf(const WControl& control) {
  if (const WStatic* label = control.Label()) {
    QString text = AccessibleText(ToQt(label->Text()));
    if (!text.isEmpty()) return text;
  }
  if (control.Kind() == ControlKind::kIconButton) {
    return AccessibleText(ToQt(static_cast<const WIcoButton&>(control).Tooltip()));
  }
  return AccessibleText(ToQt(control.Text()));
}

void NameForScreenReaders(const WControl& control, QWidget* widget) {
  QString name = AccessibleNameOf(control);
  if (!name.isEmpty() && widget->accessibleName() != name) widget->setAccessibleName(name);
}

}  // namespace prefig::ui
