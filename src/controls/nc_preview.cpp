#include "controls/nc_preview.h"

#include "record/channel_parser.h"

namespace prefig {

WNcPreview::WNcPreview(ControlOwner* owner, int label_id, Help help) : WControl(owner, ControlKind::kNcPreview, help) {
  MakeLabel(label_id);
}

void WNcPreview::ShowProgram(std::string_view program, const NcSyntax& syntax, const GChannelParser* sync) {
  NcColouriser colouriser(syntax);
  std::vector<Line> lines;
  NcLineState state;
  while (!program.empty()) {
    size_t end = program.find('\n');
    Line line;
    line.text = program.substr(0, end);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    colouriser.ColourLine(line.text, state, line.spans);
    line.sync = sync != nullptr && sync->Evaluate(line.text).result != 0;
    lines.push_back(std::move(line));
    program = end == std::string_view::npos ? std::string_view() : program.substr(end + 1);
  }
  uint32_t text = colouriser.Fixed(kNcText);
  uint32_t background = colouriser.Fixed(kNcBackground);
  uint32_t margin = colouriser.Fixed(kNcLineNumberArea);
  if (lines == lines_ && text == text_colour_ && background == background_ && margin == margin_) return;
  lines_ = std::move(lines);
  text_colour_ = text;
  background_ = background;
  margin_ = margin;
  Changed();
}

std::string NcPreviewSummary(const WNcPreview& preview) {
  std::string text = std::to_string(preview.Lines().size()) + " lines";
  std::string marked;
  for (size_t i = 0; i < preview.Lines().size(); ++i) {
    if (!preview.Lines()[i].sync) continue;
    marked += (marked.empty() ? "" : ", ") + std::to_string(i + 1);
  }
  if (!marked.empty()) text += "; synchronised: " + marked;
  return text;
}

}  // namespace prefig
