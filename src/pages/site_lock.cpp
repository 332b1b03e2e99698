#include "pages/site_lock.h"

#include "ini/ini_overlay.h"
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

}  // namespace prefig
