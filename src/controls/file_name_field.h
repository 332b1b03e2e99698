#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "controls/control.h"

namespace prefig {

// How wide a text is drawn, in the unit of the width it must fit.
using TextMeasure = std::function<int(std::string_view)>;

// The text that shows `path` in `width`: a space and the path; while it is
// too wide, the first folder after the root becomes "...", further folders
// go one by one, then the root, then the "..." part, and at last the name
// is cut, ending in "...", until it fits or fewer than 2 characters remain.
// Roots: "X:\", "\\server\" and "/"; either separator is taken.
std::string ShortenPath(std::string_view path, int width, const TextMeasure& measure);

// A static that shows a path shortened to its width.
class WFileNameField : public WControl {
 public:
  explicit WFileNameField(ControlOwner* owner, int label_id = 0, Help help = {});
  bool IsTabStop() const override { return false; }

  const std::string& Path() const { return Text(); }
  void SetPath(std::string_view path) { SetText(path); }
  std::string DisplayText(int width, const TextMeasure& measure) const { return ShortenPath(Path(), width, measure); }
};

}  // namespace prefig
