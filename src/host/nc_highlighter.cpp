#include "host/nc_highlighter.h"

namespace prefig::host {
namespace {

constexpr int kInMultiLineComment = 1;

QColor FromStored(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace

NcHighlighter::NcHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {}

void NcHighlighter::SetSyntax(std::unique_ptr<NcColouriser> colouriser) {
  colouriser_ = std::move(colouriser);
  rehighlight();
}

// The colouriser counts bytes of UTF-8, Qt characters of UTF-16: the spans
// are mapped through the line's UTF-8 text.
void NcHighlighter::highlightBlock(const QString& text) {
  if (!colouriser_) return;
  QByteArray bytes = text.toUtf8();
  NcLineState state{previousBlockState() == kInMultiLineComment};
  colouriser_->ColourLine(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), state, spans_);
  setCurrentBlockState(state.in_multi_line_comment ? kInMultiLineComment : 0);
  bool ascii = bytes.size() == text.size();
  for (const NcSpan& span : spans_) {
    int begin = static_cast<int>(span.begin);
    int length = static_cast<int>(span.length);
    if (!ascii) {
      begin = QString::fromUtf8(bytes.constData(), begin).size();
      length = QString::fromUtf8(bytes.constData() + span.begin, length).size();
    }
    setFormat(begin, length, FromStored(span.colour));
  }
}

}  // namespace prefig::host
