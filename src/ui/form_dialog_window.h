#pragma once
#include <QDialog>

#include "pages/modal_dialog.h"

namespace prefig {
class FormDialog;
}

namespace prefig::ui {

// The window of a small dialog of the pages (add or rename a machine type):
// its declared layout above OK and Cancel. Enter is OK, Escape Cancel, F1
// help on the focused control.
class FormDialogWindow : public QDialog, public DialogView {
 public:
  FormDialogWindow(FormDialog& model, QWidget* parent);
  ~FormDialogWindow() override;
  void DialogChanged() override;
  void accept() override;
  void reject() override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  FormDialog& model_;
};

}  // namespace prefig::ui
