#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "controls/control.h"
#include "record/nc_colouriser.h"

namespace prefig {

class GChannelParser;

// A read-only NC program shown as the editor would colour it, with the
// lines where channels wait for each other marked in its margin. The page
// hands it the program and the syntax of its current, unsaved values.
class WNcPreview : public WControl {
 public:
  struct Line {
    std::string text;
    std::vector<NcSpan> spans;
    bool sync = false;
    bool operator==(const Line&) const = default;
  };

  // `label_id`: the message id of the label above it, which also names it
  // for screen readers.
  WNcPreview(ControlOwner* owner, int label_id, Help help = {});
  bool IsTabStop() const override { return false; }

  // Colours `program` line by line; with a parser, marks each line that
  // holds a synchronisation. Tells the view only when something changed.
  void ShowProgram(std::string_view program, const NcSyntax& syntax, const GChannelParser* sync = nullptr);

  const std::vector<Line>& Lines() const { return lines_; }
  uint32_t TextColour() const { return text_colour_; }  // 0x00BBGGRR, as the spans
  uint32_t Background() const { return background_; }
  uint32_t MarginColour() const { return margin_; }

 private:
  std::vector<Line> lines_;
  uint32_t text_colour_ = 0;
  uint32_t background_ = 0xFFFFFF;
  uint32_t margin_ = 0xCCCCCC;
};

// The preview as one line of text for `prefig page show`: its line count and
// the numbers (from 1) of the marked lines.
std::string NcPreviewSummary(const WNcPreview& preview);

}  // namespace prefig
