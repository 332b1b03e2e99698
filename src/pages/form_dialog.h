#pragma once
#include <vector>

#include "controls/control.h"
#include "pages/layout.h"
#include "pages/modal_dialog.h"

namespace prefig {

// A modal dialog of controls laid out as a page is, with OK and Cancel
// along the bottom: the prompts that pages open, and dialogs of their own
// (the 5-axis machines, the configuration paths). The view shows the
// caption, the layout and the two buttons, puts the focus on the focus
// control (its whole text selected) and calls Ok, which either ends the
// dialog or leaves it open for a correction.
class FormDialog : public ModalDialog, public ControlOwner {
 public:
  FormDialog(int caption_id, int ok_text_id, int cancel_text_id);

  // Runs the dialog through the services; its end code.
  int Run();

  int CaptionId() const { return caption_id_; }
  int OkTextId() const { return ok_text_id_; }
  int CancelTextId() const { return cancel_text_id_; }
  const layout::Item& Layout() const { return layout_; }
  // Every control in declaration order.
  const std::vector<WControl*>& Controls() const { return controls_; }
  WControl* FocusControl() const { return focus_; }

  virtual void Ok() = 0;
  void Cancel() override;

  // ControlOwner
  void AddControl(WControl& control) override;
  void ControlEdited(WControl& control) override;
  void HelpRequested(const HelpRequest& request) override;

 protected:
  // Declared by the derived dialog once its controls exist; also sets
  // their texts and list entries.
  void SetLayout(layout::Item root, WControl& focus);
  void SetHelpId(int message_id) { help_id_ = message_id; }
  // Where the focus goes when OK is refused because of one control.
  void MoveFocus(WControl& control);
  // A user change of one of the dialog's controls (a button's click too,
  // after its own action).
  virtual void OnEdited(WControl& control) { (void)control; }

 private:
  int caption_id_;
  int ok_text_id_;
  int cancel_text_id_;
  int help_id_ = 0;
  std::vector<WControl*> controls_;
  layout::Item layout_{layout::Column{}};
  WControl* focus_ = nullptr;
};

}  // namespace prefig
