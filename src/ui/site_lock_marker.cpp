#include "ui/site_lock_marker.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QToolTip>
#include <QVariant>

#include "context/message_ids.h"
#include "controls/control.h"
#include "ui/icons.h"
#include "ui/qt_text.h"

namespace prefig::ui {
namespace {

constexpr int kMarkerSize = 12;
constexpr int kMarkerGap = 3;
constexpr const char* kMarkerName = "prefig-site-lock";
constexpr const char* kOwnToolTip = "prefig-own-tooltip";

// Where the padlock stands inside the widget: left of what the style draws
// at the right end of a combo or spin box, else at the right end.
int MarkerRight(QWidget* widget) {
  if (auto* combo = qobject_cast<QComboBox*>(widget)) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo).left();
  }
  if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
    QStyleOptionSpinBox option;
    option.initFrom(spin);
    option.buttonSymbols = spin->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    return spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin).left();
  }
  return widget->width();
}

// The padlock of a widget that has no icon place; it follows the widget's size.
class LockBadge : public QLabel {
 public:
  explicit LockBadge(QWidget* widget) : QLabel(widget) {
    setObjectName(kMarkerName);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    setFixedSize(kMarkerSize, kMarkerSize);
    setPixmap(Icon("site-lock").pixmap(QSize(kMarkerSize, kMarkerSize), widget->devicePixelRatioF()));
    widget->installEventFilter(this);
    Place();
    show();
  }
  void Place() {
    QWidget* widget = parentWidget();
    move(MarkerRight(widget) - kMarkerSize - kMarkerGap, (widget->height() - kMarkerSize) / 2);
    raise();
  }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == parentWidget() && event->type() == QEvent::Resize) Place();
    return false;
  }
};

// Installed after the adapters' own filters, so it sees the tooltip event
// first: a locked control explains the lock instead of its hover help.
class LockTip : public QObject {
 public:
  LockTip(QWidget* widget, QString text) : QObject(widget), widget_(widget), text_(std::move(text)) {
    setObjectName(kMarkerName);
    widget->installEventFilter(this);
  }
  void SetText(QString text) { text_ = std::move(text); }
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object != widget_ || event->type() != QEvent::ToolTip) return false;
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text_, widget_);
    return true;
  }

 private:
  QWidget* widget_;
  QString text_;
};

}  // namespace

void ShowSiteLock(const WControl& control, QWidget* widget) {
  auto* tip = widget->findChild<LockTip*>(kMarkerName, Qt::FindDirectChildrenOnly);
  auto* badge = widget->findChild<LockBadge*>(kMarkerName, Qt::FindDirectChildrenOnly);
  auto* button = qobject_cast<QCheckBox*>(widget);
  if (!control.IsLocked()) {
    if (tip == nullptr) return;
    widget->setToolTip(widget->property(kOwnToolTip).toString());
    delete tip;
    delete badge;
    if (button != nullptr) button->setIcon(QIcon());
    return;
  }
  QString text = ToQt(MessageWithText(kSiteLockedMessageId, control.Lock()->site_file));
  if (tip == nullptr) {
    widget->setProperty(kOwnToolTip, widget->toolTip());
    tip = new LockTip(widget, text);
    if (button != nullptr) {
      button->setIcon(Icon("site-lock"));
    } else {
      badge = new LockBadge(widget);
    }
  }
  tip->SetText(text);
  widget->setToolTip(text);
  if (badge != nullptr) {
    badge->setToolTip(text);
    badge->Place();
  }
}

}  // namespace prefig::ui
