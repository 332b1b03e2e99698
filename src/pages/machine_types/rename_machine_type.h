#pragma once
#include <string>
#include <vector>

#include "controls/edit.h"
#include "pages/form_dialog.h"
#include "pages/machine_types/machine_type_texts.h"

namespace prefig {

// The rename dialog: a new description for a machine type. Another type's
// description is refused; the type's own, in another letter case, is not.
class DRenameMch : public FormDialog {
 public:
  static constexpr int kCaptionId = 3545;
  static constexpr int kHelpId = 3546;  // the dialog's and its field's

  // `names`: the descriptions of every listed type.
  DRenameMch(const std::string& current, std::vector<std::string> names);

  WEdit& Description() { return description_; }
  void Ok() override;

  // After OK: the trimmed new description.
  const std::string& NewDescription() const { return new_description_; }

 private:
  WEdit description_{this, kDescriptionLabelId, Help{kHelpId}};
  std::string current_;
  std::vector<std::string> names_;
  std::string new_description_;
};

}  // namespace prefig
