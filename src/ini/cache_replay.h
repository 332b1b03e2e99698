#pragma once
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ini/ini_edit.h"

namespace prefig::ini {

// One write made on a cached text, as the store was asked for it (the value
// encoded and trimmed).
struct RecordedEdit {
  EditKind kind = EditKind::kSet;
  std::string section;
  std::string key;
  std::string value;
};

// A key that another program and we both changed since the file was read:
// ours is written, theirs is lost (nullopt: the key was not there).
struct OverwrittenValue {
  std::string section;
  std::string key;
  std::optional<std::string> theirs;
  std::optional<std::string> ours;
};

// The text to write when the file changed on disk while a cached text was
// edited. `base` is the file as it was read, `ours` the cache after `edits`,
// `disk` the file as it is now. Only what we changed in net is made again on
// `disk`, in the order of the edits and by the same in-place rules: a key we
// set to a new value or deleted, a section we deleted (key by key, so that
// keys another program added to it stay; the header goes when no key is
// left). A default written back for a missing key yields to any value the
// other program wrote. Keys both changed are listed in `overwritten`.
std::string ReplayEdits(std::string_view base, std::string_view ours, std::string disk,
                        std::span<const RecordedEdit> edits, std::vector<OverwrittenValue>* overwritten);

}  // namespace prefig::ini
