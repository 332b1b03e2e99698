#pragma once
#include <string>
#include <string_view>

#include "controls/edit.h"
#include "pages/modal_dialog.h"

namespace prefig {

// Asks for the configuration password. OK closes the dialog only when the
// entry, trimmed, equals the expected password without regard to case; a
// wrong entry is reported and the user may try again or cancel.
class DGetConfigPassword : public ModalDialog {
 public:
  static constexpr int kCaptionId = 1017;
  static constexpr int kLabelId = 11069;
  static constexpr int kWrongPasswordId = 461;
  static constexpr size_t kEntrySize = 256;  // at most 255 characters are read

  explicit DGetConfigPassword(std::string_view expected);

  // Shows the dialog; kIdOk only when the user entered the password.
  int Run();

  WEdit& Entry() { return entry_; }
  void Ok();
  void Cancel() override;

 private:
  std::string expected_;
  WEdit entry_{nullptr, kLabelId};
};

// The dialog alone: true when the user entered `expected`.
bool CheckConfigPassword(std::string_view expected);

}  // namespace prefig
