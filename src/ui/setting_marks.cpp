#include "ui/setting_marks.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QToolButton>

#include "pages/config_base.h"
#include "pages/setting_search.h"
#include "ui/control_widgets.h"
#include "ui/icons.h"
#include "ui/qt_text.h"

namespace prefig::ui {
namespace {

constexpr char kModifiedProperty[] = "prefigModified";
constexpr char kFoundProperty[] = "prefigFound";
constexpr char kFilteredOutProperty[] = "prefigFilteredOut";
// The bar before a modified label, and the room after it for the reset button.
constexpr int kBarWidth = 3;

WConfigBase* PageOfControl(const WControl& control) { return dynamic_cast<WConfigBase*>(control.Owner()); }

bool ShowsModified(const WControl& control) {
  WConfigBase* page = PageOfControl(control);
  return page != nullptr && page->IsModified(control);
}

// The widget that carries the marks: the label, or a check box's own text.
QWidget* MarkTarget(const WControl& control) {
  if (QWidget* label = LabelWidgetOf(&control)) return label;
  return qobject_cast<QAbstractButton*>(WidgetOf(&control));
}

// The room the hover button takes after a modified label's text.
int ResetButtonSide(const QWidget* target) { return target->fontMetrics().height(); }

void ApplyMarkStyle(QWidget* target) {
  QString style;
  if (target->property(kModifiedProperty).toBool()) {
    style += QStringLiteral(
                 "font-weight: bold; border: none; border-left: %1px solid %2; padding-left: %1px; "
                 "padding-right: %3px;")
                 .arg(kBarWidth)
                 .arg(target->palette().color(QPalette::Highlight).name())
                 .arg(ResetButtonSide(target) + kBarWidth);
  }
  if (target->property(kFoundProperty).toBool()) {
    // Half transparent, so it reads on a light and on a dark palette.
    style += QStringLiteral("background-color: rgba(255, 190, 0, 110);");
  }
  // Named by class, so that the reset button inside the label keeps its own look.
  if (!style.isEmpty())
    style = QStringLiteral("%1 { %2 }").arg(QLatin1String(target->metaObject()->className()), style);
  if (target->styleSheet() != style) target->setStyleSheet(style);
}

bool ResetToPageDefault(WControl& control) {
  WConfigBase* page = PageOfControl(control);
  return page != nullptr && page->ResetControl(control);
}

// The context menu of a bound control's widgets with Reset to default, and
// on its label the reset button while the mouse is over it. A field keeps
// its own edit commands above the reset.
class ResetCommand : public QObject {
 public:
  // An ASCII field's own menu stays its own; its label has the command.
  ResetCommand(WControl& control, QWidget* widget) : QObject(widget), control_(control) {
    if (control.Kind() != ControlKind::kEditAscii) widget->installEventFilter(this);
    if (QWidget* target = MarkTarget(control); target != nullptr && target != widget) target->installEventFilter(this);
  }

  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return false;
    switch (event->type()) {
      case QEvent::ContextMenu: Menu(widget, static_cast<QContextMenuEvent*>(event)->globalPos()); return true;
      case QEvent::Enter:
        if (widget == MarkTarget(control_)) ShowButton(widget);
        return false;
      case QEvent::Leave:
        if (button_ != nullptr) button_->hide();
        return false;
      default: return false;
    }
  }

 private:
  void Menu(QWidget* widget, const QPoint& at) {
    QMenu* menu = nullptr;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
      menu = spin->findChild<QLineEdit*>()->createStandardContextMenu();
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      menu = edit->createStandardContextMenu();
    } else {
      menu = new QMenu;
    }
    if (!menu->isEmpty()) menu->addSeparator();
    QAction* reset = menu->addAction(Icon("reset"), Message(setting_search::kResetToDefaultId, true));
    reset->setEnabled(control_.IsEnabled() && ShowsModified(control_));
    connect(reset, &QAction::triggered, this, [this] { ResetToPageDefault(control_); });
    menu->exec(at);
    delete menu;
  }

  void ShowButton(QWidget* target) {
    if (!control_.IsEnabled() || !ShowsModified(control_)) return;
    if (button_ == nullptr) {
      button_ = new QToolButton(target);
      button_->setObjectName(QStringLiteral("resetSetting"));
      button_->setAutoRaise(true);
      button_->setIcon(Icon("reset"));
      button_->setToolTip(Message(setting_search::kResetToDefaultId, true));
      button_->setFocusPolicy(Qt::NoFocus);
      connect(button_, &QToolButton::clicked, this, [this] {
        button_->hide();
        ResetToPageDefault(control_);
      });
    }
    int side = ResetButtonSide(target);
    button_->setGeometry(target->width() - side - 1, (target->height() - side) / 2, side, side);
    button_->show();
    button_->raise();
  }

  WControl& control_;
  QPointer<QToolButton> button_;
};

}  // namespace

void RefreshMarks(WControl& control) {
  if (control.BoundSetting() == nullptr) return;
  MarkEvents::Instance().Post();
  QWidget* target = MarkTarget(control);
  if (target == nullptr) return;
  bool modified = ShowsModified(control);
  if (target->property(kModifiedProperty).toBool() == modified) return;
  target->setProperty(kModifiedProperty, modified);
  ApplyMarkStyle(target);
}

void SetSearchMark(WControl& control, bool found) {
  QWidget* target = MarkTarget(control);
  if (target == nullptr) target = WidgetOf(&control);
  if (target == nullptr || target->property(kFoundProperty).toBool() == found) return;
  target->setProperty(kFoundProperty, found);
  ApplyMarkStyle(target);
}

void SetFilteredOut(WControl& control, bool out) {
  auto apply = [out](QWidget* widget, const WControl* model) {
    if (widget == nullptr || model == nullptr || widget->property(kFilteredOutProperty).toBool() == out) return;
    widget->setProperty(kFilteredOutProperty, out);
    widget->setHidden(out || !model->IsVisible());
  };
  apply(WidgetOf(&control), &control);
  apply(LabelWidgetOf(&control), control.Label());
}

bool IsFilteredOut(const QWidget* widget) { return widget->property(kFilteredOutProperty).toBool(); }

void AddResetCommand(WControl& control, QWidget* widget) {
  if (control.BoundSetting() != nullptr) new ResetCommand(control, widget);
}

MarkEvents& MarkEvents::Instance() {
  static MarkEvents events;
  return events;
}

void MarkEvents::Post() {
  if (posted_) return;
  posted_ = true;
  QTimer::singleShot(0, this, [this] {
    posted_ = false;
    emit valuesChanged();
  });
}

}  // namespace prefig::ui
