#pragma once

namespace prefig {

// Whatever shows a dialog model (the renderer) hears of every change.
class DialogView {
 public:
  virtual void DialogChanged() = 0;

 protected:
  ~DialogView() = default;
};

// A dialog as a model: the services run it (a Qt dialog, or a test's
// script) until it ends with a code.
class ModalDialog {
 public:
  ModalDialog() = default;
  virtual ~ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;

  // Escape or the window's close button.
  virtual void Cancel() = 0;

  void EndDialog(int code);
  bool HasEnded() const { return ended_; }
  int EndCode() const { return end_code_; }

  void AttachView(DialogView* view) { view_ = view; }

 protected:
  void Changed();

 private:
  bool ended_ = false;
  int end_code_ = 0;
  DialogView* view_ = nullptr;
};

}  // namespace prefig
