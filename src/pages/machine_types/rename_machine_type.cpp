#include "pages/machine_types/rename_machine_type.h"

#include "context/message_ids.h"
#include "ini/ini_text.h"
#include "module/services.h"
#include "pages/machine_types/machine_type_texts.h"

namespace prefig {

DRenameMch::DRenameMch(const std::string& current, std::vector<std::string> names)
    : FormDialog(kCaptionId, kOkButtonMessageId, kCancelButtonMessageId), current_(current), names_(std::move(names)) {
  description_.SetMaximumLength(kDescriptionMax + 1);
  SetHelpId(kHelpId);
  SetLayout(layout::Form{description_}, description_);
  description_.SetText(current);
  description_.SetSelection(0, description_.Text().size());
}

void DRenameMch::Ok() {
  std::string description = description_.Value();
  if (description.empty()) return;
  if (!ini::SameName(description, current_)) {
    for (const std::string& name : names_) {
      if (!ini::SameName(name, description)) continue;
      ShowDuplicateDescription();
      return;
    }
  }
  new_description_ = description;
  EndDialog(kIdOk);
}

}  // namespace prefig
