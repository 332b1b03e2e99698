// GIniFile's part of the site layer: what the site answers for a read, and
// which writes it refuses or makes unnecessary.
#include "ini/ini_edit.h"
#include "ini/ini_file.h"
#include "ini/ini_overlay.h"
#include "ini/ini_site.h"

namespace prefig {

void GIniFile::UseSite(std::shared_ptr<const GIniSite> site) {
  site_ = std::move(site);
  AttachOverlay();
}

void GIniFile::AttachOverlay() { overlay_ = site_ && !path_.empty() ? site_->For(path_) : nullptr; }

bool GIniFile::IsLocked(std::string_view section, std::string_view key) const {
  return overlay_ != nullptr && overlay_->IsLocked(section, key);
}

std::optional<std::string> GIniFile::SiteDefault(std::string_view section, std::string_view key) {
  if (overlay_ == nullptr || overlay_->IsLocked(section, key)) return std::nullopt;
  std::optional<std::string_view> value = overlay_->Value(section, key);
  if (!value || HasOwnKey(section, key)) return std::nullopt;
  return std::string(*value);
}

// A locked key without a site value reads as missing, yet from the site:
// the read's default, and nothing written.
GIniFile::Lookup GIniFile::SiteLookup(std::string_view section, std::string_view key) const {
  Lookup result;
  result.from_site = true;
  result.found = Found::kMissing;
  if (auto value = overlay_->Value(section, key)) {
    result.found = Found::kValue;
    result.value = *value;
  }
  return result;
}

bool GIniFile::HasOwnKey(std::string_view section, std::string_view key) {
  const std::string* text = LoadText(nullptr);
  return text != nullptr && OwnValue(*text, section, key).has_value();
}

GIniFile::SiteVerdict GIniFile::SiteCheck(ini::EditKind kind, std::string_view section, std::string_view key,
                                          std::string_view clean) {
  switch (kind) {
    case ini::EditKind::kDeleteSection:
      return overlay_->IsSectionLocked(section) ? SiteVerdict::kRefused : SiteVerdict::kGoOn;
    case ini::EditKind::kDeleteKey:
      return overlay_->IsLocked(section, key) ? SiteVerdict::kRefused : SiteVerdict::kGoOn;
    case ini::EditKind::kSetIfMissing:
      // A default written back only where neither the file nor the site has one.
      if (overlay_->IsLocked(section, key) || overlay_->Value(section, key)) return SiteVerdict::kUnchanged;
      return SiteVerdict::kGoOn;
    case ini::EditKind::kSet: {
      if (overlay_->IsLocked(section, key)) return SiteVerdict::kRefused;
      // The user's file stays without what the site says already, so that
      // the site can change its default later.
      std::optional<std::string_view> site = overlay_->Value(section, key);
      if (site && ini::CleanRawValue(*site) == clean && !HasOwnKey(section, key)) return SiteVerdict::kUnchanged;
      return SiteVerdict::kGoOn;
    }
  }
  return SiteVerdict::kGoOn;
}

}  // namespace prefig
