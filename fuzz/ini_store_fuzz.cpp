// The INI store fed arbitrary file text and an arbitrary sequence of
// operations, once directly and once in cache mode: nothing may crash, both
// must leave the same file (the cache's index answers like a scan), and a
// key that a read finds is found by every other operation too.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ini/ini_edit.h"
#include "ini/ini_file.h"
#include "work_dir.h"

namespace {

using prefig::fuzz::ReadText;
using prefig::fuzz::WorkDir;
using prefig::fuzz::WriteText;

class Bytes {
 public:
  Bytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t Next() { return pos_ < size_ ? data_[pos_++] : 0; }
  std::string_view Take(size_t n) {
    n = n < size_ - pos_ ? n : size_ - pos_;
    std::string_view out(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return out;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

std::string Name(Bytes& in, const char* const* fixed, size_t count) {
  uint8_t choice = in.Next();
  if (choice < 200) return fixed[choice % count];
  return std::string(in.Take(choice % 5));  // a few raw bytes: odd names must be harmless
}

[[noreturn]] void Fail(const char* what, const std::string& section, const std::string& key) {
  fprintf(stderr, "%s: section '%s' key '%s'\n", what, section.c_str(), key.c_str());
  abort();
}

// The text the file's next operation works on.
std::string TextOf(prefig::GIniFile& file) {
  if (const std::string* cached = file.CachedText()) return *cached;
  std::string text = ReadText(file.Path());
  if (text == "<missing>") text.clear();
  prefig::ini::NormaliseLoadedText(text);
  return text;
}

// When a read finds the key, exists, set and delete must find it as well.
void CheckFoundByAll(prefig::GIniFile& file, const std::string& section, const std::string& key) {
  // A missing key gets this default written back; a refused name gives it.
  const std::string kNotFound = "\x01";
  if (file.GetString(section, key, kNotFound) == kNotFound) return;
  if (!file.SectionExists(section)) Fail("section found by a read, not by exists", section, key);
  if (!file.KeyExists(section, key)) Fail("key found by a read, not by exists", section, key);
  if (!file.WriteRaw(section, key, "fuzz-mark") || file.GetString(section, key) != "fuzz-mark") {
    Fail("key found by a read, not by set", section, key);
  }
  std::string before = TextOf(file);
  if (!file.DeleteKey(section, key) || TextOf(file) == before) Fail("key found by a read, not by delete", section, key);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Each operation in direct mode replaces a real file: a short sequence
  // keeps the runs a second up.
  constexpr int kMaxOperations = 32;
  static const char* const kSections[] = {"A", "b", "EDITOR", "MACRO001", "INIFILEVERSION", "x y", "[sub"};
  static const char* const kKeys[] = {"K", "key", "VERSION", "TAB CHARS", "LONGKEYNAMEOF16CH", "A=B"};
  Bytes in(data, size);
  size_t text_length = in.Next() | (size_t{in.Next()} << 8);
  std::string_view text = in.Take(text_length);

  std::string direct_path = WorkDir() + "/direct.ini", cached_path = WorkDir() + "/cached.ini";
  WriteText(direct_path, text);
  WriteText(cached_path, text);
  {
    prefig::GIniFile direct, cached;
    direct.Open(direct_path);
    cached.Open(cached_path);
    cached.SetCached(true);
    for (int op = 0; op < kMaxOperations && !in.empty(); ++op) {
      uint8_t kind = in.Next();
      std::string section = Name(in, kSections, 7);
      std::string key = Name(in, kKeys, 6);
      std::string value(in.Take(in.Next() % 12));
      for (prefig::GIniFile* file : {&direct, &cached}) {
        switch (kind % 12) {
          case 0: file->GetInt(section, key, 5, -3, 300); break;
          case 1: file->GetDouble(section, key, 1.5, -1, 1e6); break;
          case 2: file->GetBool(section, key, true); break;
          case 3: file->GetString(section, key, value); break;
          case 4: file->WriteString(section, key, value); break;
          case 5: file->WriteRaw(section, key, value); break;
          case 6: file->WriteInt(section, key, static_cast<int>(kind) - 100); break;
          case 7: file->DeleteKey(section, key); break;
          case 8: file->DeleteSection(section); break;
          case 9: file->KeyExists(section, key); break;
          case 10: CheckFoundByAll(*file, section, key); break;
          default: {
            char buffer[6] = "";
            file->GetString(section, key, value, buffer, sizeof buffer);
          }
        }
      }
    }
  }
  std::string direct_text = ReadText(direct_path), cached_text = ReadText(cached_path);
  if (direct_text != cached_text) {
    fprintf(stderr, "direct and cached files differ\n--- direct\n%s\n--- cached\n%s\n", direct_text.c_str(),
            cached_text.c_str());
    abort();
  }
  return 0;
}
