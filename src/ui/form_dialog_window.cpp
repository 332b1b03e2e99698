#include "ui/form_dialog_window.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "pages/form_dialog.h"
#include "ui/control_widgets.h"
#include "ui/layout_builder.h"
#include "ui/qt_text.h"

namespace prefig::ui {

FormDialogWindow::FormDialogWindow(FormDialog& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("formDialog"));
  setWindowTitle(Message(model.CaptionId(), true));
  auto* top = new QVBoxLayout(this);
  AddLayoutItem(model.Layout(), top, this);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setText(Message(model.OkTextId()));
  ok->setDefault(true);
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setText(Message(model.CancelTextId()));
  connect(buttons, &QDialogButtonBox::accepted, this, &FormDialogWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &FormDialogWindow::reject);
  top->addWidget(buttons);
  // Wide enough for a long description.
  if (QWidget* focus = WidgetOf(model.FocusControl())) {
    focus->setMinimumWidth(fontMetrics().averageCharWidth() * 40);
    focus->setFocus(Qt::TabFocusReason);
  }
  top->setSizeConstraint(QLayout::SetFixedSize);
  model.AttachView(this);
}

FormDialogWindow::~FormDialogWindow() { model_.AttachView(nullptr); }

// A dialog that refuses OK names the control to correct.
void FormDialogWindow::DialogChanged() {
  if (model_.HasEnded()) {
    done(model_.EndCode());
  } else if (QWidget* focus = WidgetOf(model_.FocusControl())) {
    focus->setFocus(Qt::OtherFocusReason);
  }
}

// The model decides whether OK closes the dialog.
void FormDialogWindow::accept() {
  if (!model_.HasEnded()) model_.Ok();
}

void FormDialogWindow::reject() {
  if (!model_.HasEnded()) model_.Cancel();
}

void FormDialogWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    model_.HelpRequested({HelpSource::kControl, ControlOf(QApplication::focusWidget())});
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace prefig::ui
