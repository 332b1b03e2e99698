#include "ui/password_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "context/message_ids.h"
#include "controls/push_button.h"
#include "pages/get_config_password.h"
#include "ui/control_widgets.h"
#include "ui/icons.h"
#include "ui/qt_text.h"

namespace prefig::ui {

PasswordDialog::PasswordDialog(DGetConfigPassword& model, QWidget* parent) : QDialog(parent), model_(model) {
  setObjectName(QStringLiteral("passwordDialog"));
  setWindowTitle(Message(DGetConfigPassword::kCaptionId));
  auto* icon = new QLabel(this);
  int side = fontMetrics().height() * 2;
  icon->setPixmap(Icon(icon::kPassword).pixmap(QSize(side, side)));
  icon->setAlignment(Qt::AlignTop);
  QWidget* field = CreateControlWidget(model.Entry(), this);
  field->setMinimumWidth(fontMetrics().averageCharWidth() * 32);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QDialogButtonBox::Ok);
  ok->setText(Message(kOkButtonMessageId));
  QPushButton* cancel = buttons->addButton(QDialogButtonBox::Cancel);
  cancel->setText(Message(kCancelButtonMessageId));
  connect(ok, &QPushButton::clicked, this, [this] { model_.Ok(); });
  connect(cancel, &QPushButton::clicked, this, [this] { model_.Cancel(); });

  auto* grid = new QGridLayout(this);
  grid->addWidget(icon, 0, 0, 2, 1);
  grid->addWidget(LabelWidgetOf(&model.Entry()), 0, 1);
  grid->addWidget(field, 1, 1);
  grid->setColumnMinimumWidth(0, side + fontMetrics().averageCharWidth() * 2);
  grid->addWidget(buttons, 2, 0, 1, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  model.AttachView(this);
  field->setFocus();
}

PasswordDialog::~PasswordDialog() { model_.AttachView(nullptr); }

void PasswordDialog::DialogChanged() {
  if (model_.HasEnded()) done(model_.EndCode());
}

void PasswordDialog::reject() {
  if (!model_.HasEnded()) model_.Cancel();
}

}  // namespace prefig::ui
