#include "controls/control.h"

#include "module/module_state.h"

namespace prefig {

std::string MessageString(int id, bool strip_mnemonics) {
  const char* text = MessageText(id);
  if (text == nullptr) return {};
  std::string result(text);
  if (strip_mnemonics) std::erase(result, '&');
  return result;
}

std::string MessageWithText(int id, std::string_view text) {
  std::string result = MessageString(id);
  size_t mark = result.find("%s");
  if (mark != std::string::npos) result.replace(mark, 2, text);
  return result;
}

WControl::WControl(ControlOwner* owner, ControlKind kind, Help help) : owner_(owner), kind_(kind), help_id_(help.id) {
  if (owner_ != nullptr) owner_->AddControl(*this);
}

WControl::~WControl() = default;

bool WControl::SetText(std::string_view text) {
  if (text_ == text) return false;
  text_ = text;
  Changed();
  return true;
}

void WControl::SetTextFromId(int id, bool strip_mnemonics) {
  if (MessageText(id) == nullptr) return;
  SetText(MessageString(id, strip_mnemonics));
}

void WControl::Enable(bool on) {
  if (label_) label_->Enable(on && !lock_);
  if (enabled_ == on) return;
  enabled_ = on;
  Changed();
}

void WControl::SetLock(std::optional<ControlLock> lock) {
  bool same = lock_.has_value() == lock.has_value() &&
              (!lock || (lock_->key == lock->key && lock_->site_file == lock->site_file));
  lock_ = std::move(lock);
  if (label_) label_->Enable(IsEnabled());
  if (!same) Changed();
}

void WControl::Show(bool on) {
  if (label_) label_->Show(on);
  if (visible_ == on) return;
  visible_ = on;
  Changed();
}

void WControl::ApplyTexts() {
  if (text_id_ == 0) return;
  if (label_) {
    label_->SetTextFromId(text_id_);
  } else {
    SetTextFromId(text_id_);
  }
}

void WControl::SetLabelText(std::string_view text) {
  if (!label_) {
    label_ = std::make_unique<WStatic>(nullptr, 0);
    label_->SetPartner(this);
    label_->Enable(IsEnabled());
    label_->Show(visible_);
  }
  label_->SetText(text);
}

void WControl::AttachView(ControlView* view) { view_ = view; }

void WControl::MakeLabel(int text_id) {
  text_id_ = text_id;
  if (text_id == 0) return;
  label_ = std::make_unique<WStatic>(nullptr, 0);
  label_->SetPartner(this);
}

void WControl::Changed() {
  if (view_ != nullptr) view_->ModelChanged();
}

void WControl::Edited() {
  if (owner_ != nullptr) owner_->ControlEdited(*this);
}

WStatic::WStatic(ControlOwner* owner, int text_id, Help help) : WControl(owner, ControlKind::kStatic, help) {
  SetTextId(text_id);
}

WStatic::WStatic(ControlOwner* owner, std::string_view fixed_text, Help help)
    : WControl(owner, ControlKind::kStatic, help) {
  SetText(fixed_text);
}

}  // namespace prefig
