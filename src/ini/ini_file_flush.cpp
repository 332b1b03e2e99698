#include <cstring>

#include "ini/cache_replay.h"
#include "ini/ini_file.h"
#include "platform/file_io.h"
#include "platform/module_log.h"

namespace prefig {
namespace {

std::string FlushLogValue(const std::optional<std::string>& value) {
  return value ? "'" + *value + "'" : std::string("(no key)");
}

}  // namespace

// The cache may have been open for as long as a dialog: an administrator's
// script or a second editor may have written the file meanwhile. Called
// under the file's lock, so no cooperating writer comes between the read
// here and the write that follows.
std::string GIniFile::TextToFlush() {
  std::string disk;
  platform::ReadStatus status = platform::ReadWholeFile(path_, disk);
  if (status == platform::ReadStatus::kMissing) {
    disk.clear();
  } else if (status != platform::ReadStatus::kOk) {
    LogLine("INI   : '%s' cannot be read again before writing; the cached text is written", path_.c_str());
    return cache_;
  }
  if (disk == cache_base_) return cache_;
  std::string base = cache_base_;
  ini::NormaliseLoadedText(base);
  ini::NormaliseLoadedText(disk);
  std::vector<ini::OverwrittenValue> overwritten;
  std::string merged = ini::ReplayEdits(base, cache_, std::move(disk), cache_edits_, &overwritten);
  for (const ini::OverwrittenValue& lost : overwritten) {
    LogLine("INI   : [%s] %s: %s written by another program replaced by %s in '%s'", lost.section.c_str(),
            lost.key.c_str(), FlushLogValue(lost.theirs).c_str(), FlushLogValue(lost.ours).c_str(), path_.c_str());
  }
  return merged;
}

}  // namespace prefig
