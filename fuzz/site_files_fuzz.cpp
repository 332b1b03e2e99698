// An administrator's site file of arbitrary bytes under a user file of
// arbitrary bytes, and a sequence of operations on the user file, once
// directly and once in cache mode. Nothing may crash; both modes leave the
// same file; a locked key reads the site's value (or the read's default)
// whatever the user file says, and a change of it is refused without a
// write error and leaves the file as it was; a key the user file lacks
// reads the site's value and the read writes nothing; what the site lists
// agrees with what it answers.
#include <sys/stat.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "ini/ini_edit.h"
#include "ini/ini_file.h"
#include "ini/ini_overlay.h"
#include "ini/ini_site.h"
#include "work_dir.h"

namespace {

using namespace prefig;
using fuzz::ReadText;
using fuzz::WorkDir;
using fuzz::WriteText;

class Input {
 public:
  Input(const uint8_t* data, size_t size) : bytes_(reinterpret_cast<const char*>(data), size) {}
  bool Empty() const { return pos_ >= bytes_.size(); }
  uint8_t Next() { return pos_ < bytes_.size() ? static_cast<uint8_t>(bytes_[pos_++]) : 0; }
  std::string_view Take(size_t n) {
    std::string_view out = bytes_.substr(pos_, n);
    pos_ += out.size();
    return out;
  }
  // A text prefixed by its length in two bytes.
  std::string_view Text() { return Take(Next() | (size_t{Next()} << 8)); }

 private:
  std::string_view bytes_;
  size_t pos_ = 0;
};

const char* const kSections[] = {"SYSTEM", "INSPECT", "planar", "A", "X Y"};
const char* const kKeys[] = {"TABCHARS", "FILTERTYPE", "LOCKED", "K", "key", "*"};

std::string Name(Input& in, const char* const* fixed, size_t count) {
  uint8_t choice = in.Next();
  if (choice < 220) return fixed[choice % count];
  return std::string(in.Take(choice % 4));
}

[[noreturn]] void Fail(const char* what, const std::string& section, const std::string& key,
                       const std::string& detail = {}) {
  fprintf(stderr, "%s: [%s] %s\n%s\n", what, section.c_str(), key.c_str(), detail.c_str());
  abort();
}

std::string TextOf(GIniFile& file) {
  if (const std::string* cached = file.CachedText()) return *cached;
  return ReadText(file.Path());
}

void CheckListing(const GIniOverlay& site) {
  for (const GIniOverlay::Entry& entry : site.Entries()) {
    // A key may be named "*" too; the whole-section line has no value.
    if (entry.key == GIniOverlay::kWholeSection && !entry.value) {
      if (!site.IsSectionLocked(entry.section)) Fail("listed as locked, section not locked", entry.section, "*");
      continue;
    }
    if (entry.locked != site.IsLocked(entry.section, entry.key)) Fail("listed lock differs", entry.section, entry.key);
    if (entry.value != site.Value(entry.section, entry.key)) Fail("listed value differs", entry.section, entry.key);
  }
}

// One operation on one file; its answer as text, for the modes to compare.
std::string Apply(GIniFile& file, const GIniOverlay& site, uint8_t kind, const std::string& section,
                  const std::string& key, const std::string& value) {
  const std::string kDefault = "\x01" "default";
  bool locked = site.IsLocked(section, key) && ini::IsUsableSectionName(section) && ini::IsUsableKeyName(key);
  std::string before = TextOf(file);
  switch (kind % 6) {
    case 0:
    case 1: {
      std::optional<std::string> site_default = file.SiteDefault(section, key);
      std::string got = file.GetString(section, key, kDefault);
      if (locked && got != site.Value(section, key).value_or(kDefault)) {
        Fail("a locked key read another value", section, key, got);
      }
      if (site_default && got != *site_default) Fail("a missing key did not read the site's value", section, key, got);
      if ((locked || site_default) && TextOf(file) != before) Fail("a read of a site value wrote the file", section, key);
      return got;
    }
    case 2:
    case 3: {
      file.ClearWriteError();
      bool written = file.WriteString(section, key, value);
      if (locked) {
        if (written || file.WriteError() != 0) Fail("a locked key's change not refused as such", section, key);
        if (TextOf(file) != before) Fail("a locked key's change wrote the file", section, key);
      }
      return written ? "1" : "0";
    }
    case 4: {
      bool deleted = file.DeleteKey(section, key);
      if (locked && TextOf(file) != before) Fail("a locked key was deleted", section, key);
      return deleted ? "1" : "0";
    }
    default: {
      bool deleted = file.DeleteSection(section);
      if (site.IsSectionLocked(section) && ini::IsUsableSectionName(section) && TextOf(file) != before) {
        Fail("a locked section was deleted", section, "*");
      }
      return deleted ? "1" : "0";
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr int kMaxOperations = 24;
  Input in(data, size);
  std::string_view site_text = in.Text(), user_text = in.Text();
  if (GIniOverlay::WhyUnusable(site_text) != nullptr) return 0;  // skipped as damaged, as a start does
  auto site = std::make_shared<GIniSite>(WorkDir() + "/site");
  site->Add("type.mac", site_text);
  const GIniOverlay* overlay = site->For("/anywhere/TYPE.MAC");
  if (overlay == nullptr) Fail("the site file is not found by its name", "", "");
  CheckListing(*overlay);

  std::string direct_path = WorkDir() + "/direct/type.mac", cached_path = WorkDir() + "/cached/type.mac";
  // The two user files have the site file's name, each in a folder of its own.
  ::mkdir((WorkDir() + "/direct").c_str(), 0700);
  ::mkdir((WorkDir() + "/cached").c_str(), 0700);
  WriteText(direct_path, user_text);
  WriteText(cached_path, user_text);
  {
    GIniFile direct, cached;
    direct.UseSite(site);
    cached.UseSite(site);
    direct.Open(direct_path);
    cached.Open(cached_path);
    cached.SetCached(true);
    for (int op = 0; op < kMaxOperations && !in.Empty(); ++op) {
      uint8_t kind = in.Next();
      std::string section = Name(in, kSections, 5), key = Name(in, kKeys, 6);
      std::string value(in.Take(in.Next() % 8));
      std::string a = Apply(direct, *overlay, kind, section, key, value);
      std::string b = Apply(cached, *overlay, kind, section, key, value);
      if (a != b) Fail("direct and cached answers differ", section, key, a + " / " + b);
    }
  }
  if (ReadText(direct_path) != ReadText(cached_path)) {
    Fail("direct and cached files differ", "", "", ReadText(direct_path) + "\n---\n" + ReadText(cached_path));
  }
  return 0;
}
