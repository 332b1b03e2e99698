#include "ini/key_run.h"

namespace prefig::ini {

bool KeyRun::IsFor(std::string_view text, std::string_view section) const {
  if (lines_.empty()) return false;
  return SameName(text.substr(section_.bracket + 1, section_.body - section_.bracket - 2), section);
}

std::optional<KeySpan> KeyRun::Find(std::string_view key) const {
  auto found = starts_.find(UpperCase(key));
  if (found == starts_.end()) return std::nullopt;
  return KeyAt(lines_, ParseLine(lines_, found->second));
}

void KeyRun::Add(std::string_view text, const SectionSpan& section, std::string_view key, std::string_view value) {
  if (lines_.empty()) {
    section_ = section;
    point_ = WhereKeyGoes(text, section);
    if (point_.line_break_first) lines_ = kLineEnd;
  }
  starts_.emplace(UpperCase(key), lines_.size());
  lines_ += KeyLine(key, value);
}

void KeyRun::PutIn(std::string& text, IniIndex& index) {
  if (lines_.empty()) return;
  text.insert(point_.at, lines_);
  index.AfterKeysInserted(text, section_, Splice{point_.at, 0, lines_.size()});
  lines_.clear();
  starts_.clear();
}

bool ApplyCachedEdit(std::string& text, IniIndex& index, KeyRun& run, EditKind kind, std::string_view section,
                     std::string_view key, std::string_view value) {
  if (kind == EditKind::kSet || kind == EditKind::kSetIfMissing) {
    bool ours = run.IsFor(text, section);
    auto span = index.FindSection(text, section);
    if (span && !index.FindKey(text, *span, key)) {
      if (ours) {
        auto held = run.Find(key);
        if (!held) {
          run.Add(text, *span, key, value);
          return true;
        }
        if (kind == EditKind::kSetIfMissing || StoredValue(run.Lines(), *held) == value) return false;
      } else {
        run.PutIn(text, index);
        run.Add(text, *index.FindSection(text, section), key, value);
        return true;
      }
    }
  }
  run.PutIn(text, index);
  return ApplyEdit(text, &index, kind, section, key, value);
}

}  // namespace prefig::ini
