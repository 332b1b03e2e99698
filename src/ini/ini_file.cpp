#include "ini/ini_file.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "ini/ini_edit.h"
#include "ini/ini_overlay.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig {
namespace {

constexpr std::string_view kVersionSection = "INIFILEVERSION";
constexpr std::string_view kVersionKey = "VERSION";
constexpr int kWritableVersion = 200;

size_t CopyToBuffer(std::string_view value, char* buffer, size_t size) {
  if (size == 0 || buffer == nullptr) return 0;
  size_t n = value.size() < size - 1 ? value.size() : size - 1;
  // An empty value may have no storage at all: memmove needs a real source.
  if (n > 0) std::memmove(buffer, value.data(), n);
  buffer[n] = '\0';
  return n;
}

bool IsUsable(std::string_view section, std::string_view key) {
  return ini::IsUsableSectionName(section) && ini::IsUsableKeyName(key);
}

}  // namespace

GIniFile::~GIniFile() { Flush(); }

void GIniFile::Open(std::string_view path) {
  Flush();
  DropCache();
  overlay_ = nullptr;
  read_only_ = true;
  open_error_ = ENOENT;
  path_.clear();
  if (path.size() > kPathMax) {
    // Cutting the path would make it name another file.
    LogLine("INI   : Path too long, not opened: %.64s...", std::string(path).c_str());
    open_error_ = ENAMETOOLONG;
    return;
  }
  path_ = path;
  if (path_.empty()) return;
  // In cache mode a file that already says VERSION = 200 is probed from the
  // cache, so that bulk loading reads and indexes it once.
  if (cached_ && ProbeCached()) {
    read_only_ = false;
    open_error_ = 0;
    AttachOverlay();
    return;
  }
  bool was_cached = SetCached(false);
  write_error_ = 0;
  read_only_ = !ProbeWritable();
  SetCached(was_cached);
  // The probe's failed write is what IsReadOnly reports; it is not a failed
  // write of the caller's.
  open_error_ = !read_only_ ? 0 : write_error_ != 0 ? write_error_ : EACCES;
  write_error_ = 0;
  AttachOverlay();
}

// A scan of the text, not the index: a bulk reader may not need the index.
bool GIniFile::ProbeCached() {
  const std::string* text = LoadText(nullptr);
  if (!text) return false;
  auto span = ini::Locate(*text, nullptr, kVersionSection, kVersionKey);
  return span && ini::DecodeInt(ini::ReadValue(*text, *span)) == kWritableVersion && platform::CanReplaceFile(path_);
}

const std::string* GIniFile::CachedText() {
  if (!cached_ || path_.empty()) return nullptr;
  run_.PutIn(cache_, index_);
  return LoadText(nullptr);
}

std::optional<std::string_view> GIniFile::OwnValue(const std::string& text, std::string_view section,
                                                   std::string_view key) {
  if (auto span = ini::Locate(text, cached_ ? &index_ : nullptr, section, key)) return ini::ReadValue(text, *span);
  if (cached_ && run_.IsFor(text, section)) {
    if (auto held = run_.Find(key)) return ini::ReadValue(run_.Lines(), *held);
  }
  return std::nullopt;
}

// Ends with VERSION = 200 in the file when it can be written. A file that
// already says so is not rewritten; only whether it could be is checked.
bool GIniFile::ProbeWritable() {
  std::string expected = std::to_string(kWritableVersion);
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (attempt == 1 && !platform::MakeOwnerWritable(path_)) break;
    Lookup found = Find(kVersionSection, kVersionKey);
    if (found.found == Found::kValue && ini::DecodeInt(found.value) == kWritableVersion) {
      if (platform::CanReplaceFile(path_)) return true;
      continue;
    }
    if (!Edit(ini::EditKind::kSet, kVersionSection, kVersionKey, expected)) continue;
    found = Find(kVersionSection, kVersionKey);
    if (found.found == Found::kValue && ini::DecodeInt(found.value) == kWritableVersion) return true;
  }
  return false;
}

const std::string* GIniFile::LoadText(platform::ReadStatus* status) {
  if (cached_ && cache_loaded_) {
    if (status) *status = platform::ReadStatus::kOk;
    return &cache_;
  }
  std::string& text = cached_ ? cache_ : scratch_;
  platform::ReadStatus read = platform::ReadWholeFile(path_, text);
  if (status) *status = read;
  if (read == platform::ReadStatus::kMissing) {
    text.clear();
  } else if (read != platform::ReadStatus::kOk) {
    return nullptr;
  }
  if (cached_) {
    cache_base_ = text;
    cache_edits_.clear();
  }
  ini::NormaliseLoadedText(text);
  if (cached_) {
    cache_loaded_ = true;
    index_.Invalidate();
  }
  return &text;
}

GIniFile::Lookup GIniFile::Find(std::string_view section, std::string_view key) {
  Lookup result;
  if (path_.empty() || !IsUsable(section, key)) return result;
  if (overlay_ && IsLocked(section, key)) return SiteLookup(section, key);
  const std::string* text = LoadText(nullptr);
  if (!text) return overlay_ ? SiteLookup(section, key) : result;
  result.found = Found::kMissing;
  if (auto value = OwnValue(*text, section, key)) {
    result.found = Found::kValue;
    result.value = *value;
  } else if (overlay_) {
    Lookup site = SiteLookup(section, key);
    if (site.found == Found::kValue) return site;
  }
  return result;
}

bool GIniFile::Edit(ini::EditKind kind, std::string_view section, std::string_view key, std::string_view value) {
  if (path_.empty()) return Failed(ENOENT);
  if (!ini::IsUsableSectionName(section)) return Failed(EINVAL);
  if (kind != ini::EditKind::kDeleteSection && !ini::IsUsableKeyName(key)) return Failed(EINVAL);
  std::string clean = ini::CleanRawValue(value);
  if (overlay_) {
    SiteVerdict verdict = SiteCheck(kind, section, key, clean);
    if (verdict != SiteVerdict::kGoOn) return verdict == SiteVerdict::kUnchanged;
  }
  if (cached_) {
    if (!LoadText(nullptr)) {
      LogLine("INI   : Change of [%.*s] dropped, '%s' cannot be read", static_cast<int>(section.size()), section.data(),
              path_.c_str());
      return Failed(UnreadableError());
    }
    if (ini::ApplyCachedEdit(cache_, index_, run_, kind, section, key, clean)) {
      changed_ = true;
      cache_edits_.push_back({kind, std::string(section), std::string(key), clean});
    }
    return true;
  }
  platform::DirectoryLock lock(path_);
  platform::ReadStatus status;
  const std::string* text = LoadText(&status);
  if (!text) {
    LogLine("INI   : Change of [%.*s] dropped, '%s' cannot be read", static_cast<int>(section.size()), section.data(),
            path_.c_str());
    return Failed(UnreadableError());
  }
  if (!ini::ApplyEdit(scratch_, nullptr, kind, section, key, clean)) return true;
  return WriteOut(scratch_);
}

// A folder in the file's place is the common case worth naming.
int GIniFile::UnreadableError() const { return platform::IsDirectory(path_) ? EISDIR : EIO; }

bool GIniFile::Failed(int error) {
  if (write_error_ == 0) write_error_ = error;
  return false;
}

bool GIniFile::WriteOut(const std::string& text) {
  int error = platform::ReplaceFile(path_, text);
  if (error == 0) return true;
  LogLine("INI   : Could not write '%s': %s", path_.c_str(), std::strerror(error));
  return Failed(error);
}

size_t GIniFile::GetString(std::string_view section, std::string_view key, std::string_view def, char* buffer,
                           size_t size) {
  if (section.empty()) return 0;
  std::string default_copy(def);  // the default may live in the caller's buffer
  Lookup found = Find(section, key);
  if (found.found == Found::kValue) return CopyToBuffer(found.value, buffer, size);
  size_t n = CopyToBuffer(default_copy, buffer, size);
  if (found.found == Found::kMissing && !found.from_site) {
    Edit(ini::EditKind::kSetIfMissing, section, key, default_copy);
  }
  return n;
}

size_t GIniFile::GetString(std::string_view section, std::string_view key, char* buffer, size_t size) {
  if (buffer == nullptr || size == 0) return GetString(section, key, std::string_view{}, buffer, size);
  return GetString(section, key, std::string_view(buffer, strnlen(buffer, size)), buffer, size);
}

std::string GIniFile::GetString(std::string_view section, std::string_view key, std::string_view def, size_t max) {
  if (section.empty()) return std::string(def.substr(0, max));
  Lookup found = Find(section, key);
  if (found.found == Found::kValue) return std::string(found.value.substr(0, max));
  std::string result(def.substr(0, max));
  if (found.found == Found::kMissing && !found.from_site) Edit(ini::EditKind::kSetIfMissing, section, key, def);
  return result;
}

// GetInt and GetDouble: an unusable or missing value becomes the default, a
// value out of range the nearest limit, and either is written back, unless
// the site gave it (its file is not the user's to repair).
template <typename Number, typename Decode, typename Encode>
static Number ReadNumberWithDefault(GIniFile& file, bool found, bool from_site, std::string_view value, Number def,
                                    Number min, Number max, Decode decode, Encode encode, std::string_view section,
                                    std::string_view key) {
  Number n = def;
  bool write_back = true;
  if (found) {
    n = decode(value);
    write_back = ini::IsUnusableNumber(value, n == Number{});
    if (write_back) n = def;
  }
  if (n < min) {
    n = min;
    write_back = true;
  }
  if (n > max) {
    n = max;
    write_back = true;
  }
  if (write_back && !from_site) file.WriteRaw(section, key, encode(n));
  return n;
}

int GIniFile::GetInt(std::string_view section, std::string_view key, int def, int min, int max) {
  if (section.empty()) return def;
  Lookup found = Find(section, key);
  if (found.found == Found::kUnreadable) return def < min ? min : (def > max ? max : def);
  return ReadNumberWithDefault<int>(
      *this, found.found == Found::kValue, found.from_site, found.value, def, min, max, ini::DecodeInt,
      [](int n) { return std::to_string(n); }, section, key);
}

double GIniFile::GetDouble(std::string_view section, std::string_view key, double def, double min, double max) {
  if (section.empty()) return def;
  Lookup found = Find(section, key);
  if (found.found == Found::kUnreadable) return def < min ? min : (def > max ? max : def);
  return ReadNumberWithDefault<double>(*this, found.found == Found::kValue, found.from_site, found.value, def, min, max,
                                       ini::DecodeDouble, ini::EncodeDouble, section, key);
}

bool GIniFile::GetBool(std::string_view section, std::string_view key, bool def) {
  if (section.empty()) return def;
  Lookup found = Find(section, key);
  if (found.found == Found::kValue) return ini::DecodeBool(found.value);
  if (found.found == Found::kMissing && !found.from_site) {
    Edit(ini::EditKind::kSetIfMissing, section, key, def ? "Yes" : "No");
  }
  return def;
}

bool GIniFile::WriteString(std::string_view section, std::string_view key, std::string_view text) {
  return Edit(ini::EditKind::kSet, section, key, ini::EncodeText(text));
}

bool GIniFile::WriteRaw(std::string_view section, std::string_view key, std::string_view value) {
  return Edit(ini::EditKind::kSet, section, key, value);
}

bool GIniFile::WriteInt(std::string_view section, std::string_view key, int value) {
  return Edit(ini::EditKind::kSet, section, key, std::to_string(value));
}

bool GIniFile::WriteUInt(std::string_view section, std::string_view key, unsigned value) {
  return Edit(ini::EditKind::kSet, section, key, std::to_string(value));
}

bool GIniFile::WriteByte(std::string_view section, std::string_view key, uint8_t value) {
  return Edit(ini::EditKind::kSet, section, key, std::to_string(unsigned{value}));
}

bool GIniFile::WriteDouble(std::string_view section, std::string_view key, double value) {
  return Edit(ini::EditKind::kSet, section, key, ini::EncodeDouble(value));
}

bool GIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return Edit(ini::EditKind::kSet, section, key, value ? "Yes" : "No");
}

bool GIniFile::WriteHex(std::string_view section, std::string_view key, std::string_view bytes) {
  return Edit(ini::EditKind::kSet, section, key, ini::EncodeHex(bytes));
}

bool GIniFile::DeleteKey(std::string_view section, std::string_view key) {
  return Edit(ini::EditKind::kDeleteKey, section, key, {});
}

bool GIniFile::DeleteSection(std::string_view section) { return Edit(ini::EditKind::kDeleteSection, section, {}, {}); }

bool GIniFile::KeyExists(std::string_view section, std::string_view key) {
  if (path_.empty() || !IsUsable(section, key)) return false;
  return Find(section, key).found == Found::kValue;
}

bool GIniFile::SectionExists(std::string_view section) {
  if (section.empty() || path_.empty()) return true;
  if (overlay_ && ini::IsUsableSectionName(section) && overlay_->HasSection(section)) return true;
  platform::ReadStatus status;
  const std::string* text = LoadText(&status);
  if (!text) return status == platform::ReadStatus::kOpenFailed;
  if (text->empty() || !ini::IsUsableSectionName(section)) return false;
  return (cached_ ? index_.FindSection(*text, section) : ini::FindSection(*text, section)).has_value();
}

void GIniFile::SelectSection(std::string_view name) { current_section_ = name.substr(0, kCurrentSectionMax); }

void GIniFile::SelectSectionF(const char* format, ...) {
  char name[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(name, sizeof name, format, args);
  va_end(args);
  SelectSection(name);
}

GIniSection GIniFile::Current() { return GIniSection(*this, current_section_); }

bool GIniFile::SetCached(bool on) {
  bool previous = cached_;
  if (previous && !on) {
    Flush();
    DropCache();  // what could not be written is not kept for another mode
  }
  cached_ = on;
  return previous;
}

bool GIniFile::Flush() {
  run_.PutIn(cache_, index_);
  if (cached_ && changed_ && cache_loaded_) {
    platform::DirectoryLock lock(path_);
    // The changes stay in the cache for the next Flush: a dialog whose OK
    // could not write may press OK again once the cause is mended.
    if (!WriteOut(TextToFlush())) return false;
  }
  DropCache();
  return true;
}

GIniFile::CacheState GIniFile::TakeCacheState() {
  run_.PutIn(cache_, index_);
  return CacheState{cache_loaded_, changed_, cache_, cache_base_, cache_edits_};
}

void GIniFile::RestoreCacheState(CacheState state) {
  if (!cached_) return;
  DropCache();
  cache_loaded_ = state.loaded;
  changed_ = state.changed;
  cache_ = std::move(state.text);
  cache_base_ = std::move(state.base);
  cache_edits_ = std::move(state.edits);
}

void GIniFile::DropCache() {
  run_ = ini::KeyRun();
  cache_.clear();
  cache_base_.clear();
  cache_edits_.clear();
  cache_loaded_ = false;
  changed_ = false;
  index_.Invalidate();
}

}  // namespace prefig
