#include "pages/form_dialog.h"

#include "module/services.h"
#include "pages/config_base.h"

namespace prefig {

FormDialog::FormDialog(int caption_id, int ok_text_id, int cancel_text_id)
    : caption_id_(caption_id), ok_text_id_(ok_text_id), cancel_text_id_(cancel_text_id) {}

int FormDialog::Run() { return GetServices().RunModal(*this); }

void FormDialog::Cancel() { EndDialog(kIdCancel); }

void FormDialog::AddControl(WControl& control) { controls_.push_back(&control); }

void FormDialog::ControlEdited(WControl& control) { OnEdited(control); }

void FormDialog::HelpRequested(const HelpRequest& request) { ShowHelp(request, help_id_); }

void FormDialog::SetLayout(layout::Item root, WControl& focus) {
  layout_ = std::move(root);
  focus_ = &focus;
  for (WControl* control : controls_) control->ApplyTexts();
}

void FormDialog::MoveFocus(WControl& control) {
  focus_ = &control;
  Changed();
}

}  // namespace prefig
