#include "pages/get_config_password.h"

#include "ini/ini_text.h"
#include "module/services.h"

namespace prefig {

DGetConfigPassword::DGetConfigPassword(std::string_view expected) : expected_(expected) {
  entry_.SetPassword(true);
  entry_.SetMaximumLength(kEntrySize);
  entry_.ApplyTexts();
}

int DGetConfigPassword::Run() { return GetServices().RunModal(*this); }

void DGetConfigPassword::Ok() {
  std::string entered = entry_.GetText(kEntrySize);
  if (ini::SameName(ini::Trim(entered), expected_)) {
    EndDialog(kIdOk);
    return;
  }
  MessageBoxRequest wrong;
  wrong.text = MessageString(kWrongPasswordId);
  wrong.caption_id = kErrorCaptionId;
  wrong.icon = MessageIcon::kStop;
  wrong.owner = MessageOwner::kNone;
  GetServices().MessageBox(wrong);
}

void DGetConfigPassword::Cancel() { EndDialog(kIdCancel); }

bool CheckConfigPassword(std::string_view expected) { return DGetConfigPassword(expected).Run() == kIdOk; }

}  // namespace prefig
