#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ini/cache_replay.h"
#include "ini/ini_edit.h"
#include "ini/key_run.h"

namespace prefig {
namespace platform {
enum class ReadStatus;
}

class GIniOverlay;
class GIniSection;
class GIniSite;

// One INI file, edited in place: a write changes one line, inserts one line or
// appends one section; comments, unknown keys and hand-made spelling survive.
// A read of a missing key writes its default back, a number out of range is
// clamped and written back, so a file fills itself with every key asked for.
// Outside cache mode every call reads the file and every change replaces it
// atomically under a lock, so two programs writing different keys of one
// file lose neither change. Cache mode keeps the text (and an index of it)
// in memory and writes it once, on Flush or when cache mode ends.
class GIniFile {
 public:
  static constexpr size_t kCurrentSectionMax = 32;
  static constexpr size_t kTextMax = 16383;  // longest text that a text-object read returns
  static constexpr size_t kPathMax = 4095;

  GIniFile() = default;
  virtual ~GIniFile();
  GIniFile(const GIniFile&) = delete;
  GIniFile& operator=(const GIniFile&) = delete;

  // Attaches a file and probes whether it can be written; the probe leaves
  // section INIFILEVERSION with VERSION = 200 in every file it can write.
  void Open(std::string_view path);
  bool IsReadOnly() const { return read_only_; }
  // Why the last Open found the file read-only, as an errno value (0 when
  // it is writable), so that a caller can say more than "cannot write".
  int OpenError() const { return open_error_; }
  const std::string& Path() const { return path_; }

  // Reads place at most size - 1 characters and a terminating zero.
  size_t GetString(std::string_view section, std::string_view key, std::string_view def, char* buffer, size_t size);
  size_t GetString(std::string_view section, std::string_view key, char* buffer,
                   size_t size);  // buffer holds the default
  std::string GetString(std::string_view section, std::string_view key, std::string_view def = {},
                        size_t max = kTextMax);
  int GetInt(std::string_view section, std::string_view key, int def, int min, int max);
  double GetDouble(std::string_view section, std::string_view key, double def, double min, double max);
  bool GetBool(std::string_view section, std::string_view key, bool def);

  // Writes return false when the change was refused (a name the file cannot
  // hold, no file attached) or could not be written; true when it took
  // effect or nothing had to change. In cache mode a failed write shows at
  // Flush. The first failure also stays for WriteError.
  bool WriteString(std::string_view section, std::string_view key, std::string_view text);
  bool WriteRaw(std::string_view section, std::string_view key, std::string_view value);
  bool WriteInt(std::string_view section, std::string_view key, int value);
  bool WriteUInt(std::string_view section, std::string_view key, unsigned value);
  bool WriteByte(std::string_view section, std::string_view key, uint8_t value);
  bool WriteDouble(std::string_view section, std::string_view key, double value);
  bool WriteBool(std::string_view section, std::string_view key, bool value);
  bool WriteHex(std::string_view section, std::string_view key, std::string_view bytes);
  bool DeleteKey(std::string_view section, std::string_view key);
  bool DeleteSection(std::string_view section);
  // The first write that failed since the file was opened or the error
  // cleared, as an errno value (EINVAL: a name the store refuses; ENOENT: no
  // file attached), 0 when none did. Savers report through it, so a failure
  // inside nested cache modes is not lost.
  int WriteError() const { return write_error_; }
  void ClearWriteError() { write_error_ = 0; }

  bool KeyExists(std::string_view section, std::string_view key);
  bool SectionExists(std::string_view section);

  // The current section (its first 32 characters) for the current-section
  // variants; an empty name clears it.
  void SelectSection(std::string_view name);
  void SelectSectionF(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const std::string& CurrentSection() const { return current_section_; }
  // The current-section variants: with no current section, reads give their
  // default (a string read leaves the buffer alone) and writes do nothing.
  GIniSection Current();

  // The site defaults and locks that lie under this file (ini_site.h): a
  // read takes the site's value where the file has none, and a locked key's
  // value (or the read's default) always. A site value never reaches the
  // file: it is not written back as a default, and a write of the value the
  // site gives for a key the file lacks changes nothing. A change of a
  // locked key or of a locked section is refused: false, yet no WriteError,
  // so that a save goes on with its other keys. The overlay follows the
  // file's name through every Open; the writability probe ignores it.
  void UseSite(std::shared_ptr<const GIniSite> site);
  const GIniOverlay* Overlay() const { return overlay_; }
  bool IsLocked(std::string_view section, std::string_view key) const;
  // The site's value of a key that the file lacks and the site does not lock.
  std::optional<std::string> SiteDefault(std::string_view section, std::string_view key);

  bool SetCached(bool on);  // returns the previous mode; switching off flushes
  // In cache mode, the file's text as the cache holds it (loaded when it is
  // not yet); null outside cache mode or when the file cannot be read.
  // Valid until the next change.
  const std::string* CachedText();
  bool IsCached() const { return cached_; }
  // False when the cached text could not be written. When another program
  // wrote the file since the cache was read, the changes made in cache mode
  // are made again on its text, so only keys both changed take our value.
  // A flush that fails keeps the changes in the cache, for the next Flush.
  bool Flush();
  // A flush inside a journal save writes into the save, which may yet be
  // dropped (another file of it could not be written): the caller takes
  // the cache as it stands before the flush and puts it back when the save
  // was not made, so that changes no page writes again (such as those of
  // a button that acted at once) wait for the next save.
  struct CacheState {
    bool loaded = false;
    bool changed = false;
    std::string text;
    std::string base;
    std::vector<ini::RecordedEdit> edits;
  };
  CacheState TakeCacheState();
  void RestoreCacheState(CacheState state);

 private:
  enum class Found { kValue, kMissing, kUnreadable };
  struct Lookup {
    Found found = Found::kUnreadable;
    std::string_view value;  // valid until the next operation
    bool from_site = false;  // the site answered: nothing is written back
  };
  Lookup Find(std::string_view section, std::string_view key);
  // ini_file_site.cpp: the site's part of reads and writes.
  enum class SiteVerdict { kGoOn, kUnchanged, kRefused };
  Lookup SiteLookup(std::string_view section, std::string_view key) const;
  SiteVerdict SiteCheck(ini::EditKind kind, std::string_view section, std::string_view key, std::string_view clean);
  bool HasOwnKey(std::string_view section, std::string_view key);
  // The value the file itself holds (in cache mode, with the keys held
  // back in the run), valid until the next operation.
  std::optional<std::string_view> OwnValue(const std::string& text, std::string_view section, std::string_view key);
  void AttachOverlay();
  // The text to work on (an empty one for a missing file), or null when the
  // file exists but cannot be read.
  const std::string* LoadText(platform::ReadStatus* status);
  bool Edit(ini::EditKind kind, std::string_view section, std::string_view key, std::string_view value);
  bool WriteOut(const std::string& text);
  int UnreadableError() const;  // the errno value for a file that cannot be read
  bool Failed(int error);       // remembers the first failure; always false
  bool ProbeWritable();
  bool ProbeCached();
  std::string TextToFlush();  // ini_file_flush.cpp
  void DropCache();

  std::string path_;
  bool read_only_ = true;
  std::string current_section_;
  bool cached_ = false;
  bool cache_loaded_ = false;
  bool changed_ = false;
  int write_error_ = 0;
  int open_error_ = 0;
  std::string cache_;
  std::string cache_base_;  // the file's bytes when the cache was read
  std::vector<ini::RecordedEdit> cache_edits_;
  std::string scratch_;  // the file's text in direct mode, reused between calls
  ini::IniIndex index_;
  ini::KeyRun run_;  // defaults written back in cache mode, not yet in cache_
  std::shared_ptr<const GIniSite> site_;
  const GIniOverlay* overlay_ = nullptr;
};

// The operations of GIniFile bound to one section name (empty: none).
class GIniSection {
 public:
  GIniSection(GIniFile& file, std::string_view name) : file_(file), name_(name) {}
  const std::string& Name() const { return name_; }
  size_t GetString(std::string_view key, std::string_view def, char* buffer, size_t size) {
    return file_.GetString(name_, key, def, buffer, size);
  }
  size_t GetString(std::string_view key, char* buffer, size_t size) {
    return file_.GetString(name_, key, buffer, size);
  }
  std::string GetString(std::string_view key, std::string_view def = {}) {
    return name_.empty() ? std::string(def) : file_.GetString(name_, key, def);
  }
  int GetInt(std::string_view key, int def, int min, int max) { return file_.GetInt(name_, key, def, min, max); }
  double GetDouble(std::string_view key, double def, double min, double max) {
    return file_.GetDouble(name_, key, def, min, max);
  }
  bool GetBool(std::string_view key, bool def) { return file_.GetBool(name_, key, def); }
  bool WriteString(std::string_view key, std::string_view text) { return file_.WriteString(name_, key, text); }
  bool WriteRaw(std::string_view key, std::string_view value) { return file_.WriteRaw(name_, key, value); }
  bool WriteInt(std::string_view key, int value) { return file_.WriteInt(name_, key, value); }
  bool WriteUInt(std::string_view key, unsigned value) { return file_.WriteUInt(name_, key, value); }
  bool WriteByte(std::string_view key, uint8_t value) { return file_.WriteByte(name_, key, value); }
  bool WriteDouble(std::string_view key, double value) { return file_.WriteDouble(name_, key, value); }
  bool WriteBool(std::string_view key, bool value) { return file_.WriteBool(name_, key, value); }
  bool WriteHex(std::string_view key, std::string_view bytes) { return file_.WriteHex(name_, key, bytes); }
  bool DeleteKey(std::string_view key) { return file_.DeleteKey(name_, key); }
  bool KeyExists(std::string_view key) { return !name_.empty() && file_.KeyExists(name_, key); }

 private:
  GIniFile& file_;
  std::string name_;
};

}  // namespace prefig
