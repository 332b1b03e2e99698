#include "pages/site_lock.h"

#include "ini/ini_overlay.h"
#include "record/setting_values.h"
#include "schema/font_description.h"
#include "schema/setting.h"

namespace prefig {

std::optional<ControlLock> SiteLockOf(const Setting& s, int member, const SettingPlace& place) {
  if (place.site == nullptr) return std::nullopt;
  auto locked = [&](const std::string& key) -> std::optional<ControlLock> {
    if (!place.site->IsLocked(s.section, key)) return std::nullopt;
    return ControlLock{std::string(s.section) + "/" + key, place.site->Source()};
  };
  if (s.kind != Kind::kFont) return locked(KeyName(s, member));
  for (const char* field : kFontFieldNames) {
    if (auto lock = locked(FontKeyName(s, field))) return lock;
  }
  return std::nullopt;
}

std::optional<SettingValue> SiteDefaultOf(const WControl& control, const SettingPlace& place) {
  const Setting* s = control.BoundSetting();
  if (place.site == nullptr || s == nullptr || s->kind == Kind::kFont || InScope(s->scope, Scope::kDnc)) {
    return std::nullopt;
  }
  std::optional<std::string_view> text = place.site->Value(s->section, KeyName(*s, control.BoundMember()));
  if (!text) return std::nullopt;
  return DecodeStored(*s, *text);
}

bool DefaultFromSite(WControl& control, const SettingPlace& place) {
  std::optional<SettingValue> value = SiteDefaultOf(control, place);
  if (!value) return false;
  const Setting& s = *control.BoundSetting();
  SettingValues shown(InScope(s.scope, Scope::kMain) ? Scope::kMain : Scope::kType);
  shown.SetValue(s, std::move(*value), control.BoundMember());
  LoadControl(control, shown);
  return true;
}

}  // namespace prefig
