#include "controls/picture.h"

namespace prefig {

WPicture::WPicture(ControlOwner* owner, std::initializer_list<const char*> names, Help help)
    : WControl(owner, ControlKind::kPicture, help), names_(names.begin(), names.end()) {
  if (!names_.empty()) selected_ = 0;
}

void WPicture::Select(int index) {
  if (index < 0 || index >= static_cast<int>(names_.size())) index = -1;
  if (index == selected_) return;
  selected_ = index;
  Changed();
}

std::string WPicture::Name() const { return selected_ < 0 ? std::string() : names_[static_cast<size_t>(selected_)]; }

}  // namespace prefig
