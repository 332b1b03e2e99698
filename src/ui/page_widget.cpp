#include "ui/page_widget.h"

#include <QApplication>
#include <QBoxLayout>
#include <QKeyEvent>

#include "ui/control_widgets.h"
#include "ui/layout_builder.h"

namespace prefig::ui {

PageWidget::PageWidget(WConfigBase& page, QWidget* parent) : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  AddLayoutItem(page.Layout(), top, this);
  page.AttachView(this);
  setVisible(false);
}

PageWidget::~PageWidget() { page_.AttachView(nullptr); }

bool PageWidget::FocusFirst(bool forward) {
  WControl* control = page_.NextFocus(nullptr, forward);
  if (control == nullptr) return false;
  WidgetOf(control)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void PageWidget::PageVisibilityChanged() {
  if (page_.IsVisible()) emit shown(this);
}

bool PageWidget::focusNextPrevChild(bool next) {
  WControl* from = ControlOf(QApplication::focusWidget());
  WControl* to = page_.NextFocus(from, next);
  if (to == nullptr) {
    emit focusLeft(next);
    return true;
  }
  WidgetOf(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void PageWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    page_.HelpRequested({HelpSource::kControl, ControlOf(QApplication::focusWidget())});
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace prefig::ui
