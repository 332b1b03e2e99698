#include "ini/cache_replay.h"

#include <algorithm>

namespace prefig::ini {
namespace {

std::optional<std::string> ReplayKeyState(std::string_view text, std::string_view section, std::string_view key) {
  auto span = Locate(text, nullptr, section, key);
  if (!span) return std::nullopt;
  return std::string(StoredValue(text, *span));
}

// The key names of a section, in file order, each once.
std::vector<std::string> ReplayKeyNames(std::string_view text, std::string_view section) {
  std::vector<std::string> names;
  auto span = FindSection(text, section);
  if (!span) return names;
  for (size_t pos = LineEnd(text, span->body); pos < span->end;) {
    Line line = ParseLine(text, pos);
    if (line.kind == Line::kEnd || line.kind == Line::kBoundary) break;
    if (line.kind == Line::kKey) names.emplace_back(text.substr(line.name_begin, line.name_end - line.name_begin));
    pos = line.next;
  }
  return names;
}

struct ReplayTarget {
  std::string section;
  std::string key;
  bool only_defaults = true;  // every write of it was a default written back
};

class ReplayTargets {
 public:
  void Add(std::string_view section, std::string_view key, bool is_default) {
    std::string folded = UpperCase(section) + '\n' + UpperCase(key);
    auto known = std::find(folded_.begin(), folded_.end(), folded);
    if (known != folded_.end()) {
      if (!is_default) targets_[known - folded_.begin()].only_defaults = false;
      return;
    }
    folded_.push_back(std::move(folded));
    targets_.push_back({std::string(section), std::string(key), is_default});
  }
  const std::vector<ReplayTarget>& All() const { return targets_; }

 private:
  std::vector<std::string> folded_;
  std::vector<ReplayTarget> targets_;
};

}  // namespace

std::string ReplayEdits(std::string_view base, std::string_view ours, std::string disk,
                        std::span<const RecordedEdit> edits, std::vector<OverwrittenValue>* overwritten) {
  ReplayTargets targets;
  std::vector<std::string> dropped_sections;
  for (const RecordedEdit& edit : edits) {
    if (edit.kind == EditKind::kDeleteSection) {
      for (const std::string& key : ReplayKeyNames(base, edit.section)) targets.Add(edit.section, key, false);
      dropped_sections.push_back(edit.section);
    } else {
      targets.Add(edit.section, edit.key, edit.kind == EditKind::kSetIfMissing);
    }
  }
  for (const ReplayTarget& target : targets.All()) {
    std::optional<std::string> before = ReplayKeyState(base, target.section, target.key);
    std::optional<std::string> mine = ReplayKeyState(ours, target.section, target.key);
    if (before == mine) continue;  // changed and changed back, or never really changed
    std::optional<std::string> theirs = ReplayKeyState(disk, target.section, target.key);
    if (target.only_defaults) {
      if (mine) ApplyEdit(disk, nullptr, EditKind::kSetIfMissing, target.section, target.key, *mine);
      continue;
    }
    if (theirs != before && theirs != mine && overwritten != nullptr) {
      overwritten->push_back({target.section, target.key, theirs, mine});
    }
    if (mine) {
      ApplyEdit(disk, nullptr, EditKind::kSet, target.section, target.key, *mine);
    } else {
      ApplyEdit(disk, nullptr, EditKind::kDeleteKey, target.section, target.key, {});
    }
  }
  for (const std::string& section : dropped_sections) {
    if (!FindSection(ours, section) && ReplayKeyNames(disk, section).empty()) {
      ApplyEdit(disk, nullptr, EditKind::kDeleteSection, section, {}, {});
    }
  }
  return disk;
}

}  // namespace prefig::ini
