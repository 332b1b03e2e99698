#include "pages/modal_dialog.h"

namespace prefig {

void ModalDialog::EndDialog(int code) {
  ended_ = true;
  end_code_ = code;
  Changed();
}

void ModalDialog::Changed() {
  if (view_ != nullptr) view_->DialogChanged();
}

}  // namespace prefig
