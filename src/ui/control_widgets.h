#pragma once
#include <QWidget>

namespace prefig {
class WControl;
}

namespace prefig::ui {

// Makes the widget that shows `control` and keeps the two in step: model
// changes are shown at once, user changes go to the model. Labels are made
// with the control (LabelWidget gives them).
QWidget* CreateControlWidget(WControl& control, QWidget* parent);

// The widget that shows a control, or its label's widget; null when none.
QWidget* WidgetOf(const WControl* control);
QWidget* LabelWidgetOf(const WControl* control);
// The control that `widget` or one of its parents shows; null when none.
WControl* ControlOf(const QWidget* widget);

}  // namespace prefig::ui
