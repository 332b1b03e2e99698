#pragma once
#include <QDialog>

#include "pages/modal_dialog.h"

namespace prefig {
class DGetConfigPassword;
}

namespace prefig::ui {

// The password dialog's window: an icon, the label, the field, OK and Cancel.
class PasswordDialog : public QDialog, public DialogView {
 public:
  PasswordDialog(DGetConfigPassword& model, QWidget* parent);
  ~PasswordDialog() override;
  void DialogChanged() override;
  void reject() override;

 private:
  DGetConfigPassword& model_;
};

}  // namespace prefig::ui
