#include "host/program_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextBlock>

#include "host/nc_highlighter.h"
#include "record/channel_parser.h"
#include "record/machine_type.h"
#include "record/nc_colouriser.h"
#include "schema/multi_channel.h"

namespace prefig::host {
namespace {

QColor Stored(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }
QColor Contrasting(const QColor& colour) { return colour.lightnessF() > 0.55 ? Qt::black : Qt::white; }

}  // namespace

class ProgramView::Margin : public QWidget {
 public:
  explicit Margin(ProgramView* view) : QWidget(view), view_(view) {}
  QSize sizeHint() const override { return {view_->MarginWidth(), 0}; }

 protected:
  void paintEvent(QPaintEvent* event) override { view_->PaintMargin(event); }

 private:
  ProgramView* view_;
};

ProgramView::ProgramView(QWidget* parent)
    : QPlainTextEdit(parent), margin_(new Margin(this)), highlighter_(new NcHighlighter(document())) {
  setObjectName(QStringLiteral("programView"));
  setAccessibleName(QStringLiteral("NC program"));
  connect(this, &QPlainTextEdit::blockCountChanged, this, [this] { FitMargin(); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
    if (dy != 0) {
      margin_->scroll(0, dy);
    } else {
      margin_->update(0, rect.y(), margin_->width(), rect.height());
    }
  });
  connect(this, &QPlainTextEdit::cursorPositionChanged, this, [this] { ShowCurrentLine(); });
  FitMargin();
}

ProgramView::~ProgramView() = default;

// The margin's width follows the font and the number of lines.
void ProgramView::FitMargin() {
  setViewportMargins(MarginWidth(), 0, 0, 0);
  QRect inside = contentsRect();
  margin_->setGeometry(QRect(inside.left(), inside.top(), MarginWidth(), inside.height()));
  margin_->update();
}

void ProgramView::changeEvent(QEvent* event) {
  QPlainTextEdit::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitMargin();
}

// The editor's colours are the type's, not the desktop's: a program looks
// the same wherever it is opened, in a light or a dark desktop.
void ProgramView::ApplyType(const GMachineType* type) {
  QPalette colours = palette();
  if (type == nullptr) {
    highlighter_->SetSyntax(nullptr);
    sync_.reset();
    colours = QPalette();
    margin_colour_ = colours.color(QPalette::Window);
    current_line_ = QColor();
  } else {
    NcSyntax syntax = NcSyntaxOf(*type);
    colours.setColor(QPalette::Base, Stored(syntax.fixed[kNcBackground]));
    colours.setColor(QPalette::Text, Stored(syntax.fixed[kNcText]));
    colours.setColor(QPalette::Highlight, Stored(syntax.fixed[kNcHighlightBackground]));
    colours.setColor(QPalette::HighlightedText, Stored(syntax.fixed[kNcText]));
    margin_colour_ = Stored(syntax.fixed[kNcLineNumberArea]);
    current_line_ = Stored(syntax.fixed[kNcCurrentLine]);
    bool multi_channel = type->Values().Bool(schema::kMultiChannelEnable);
    sync_ = multi_channel ? std::make_unique<GChannelParser>(type->ChannelParserSettings()) : nullptr;
    highlighter_->SetSyntax(std::make_unique<NcColouriser>(std::move(syntax)));
  }
  setPalette(colours);
  ShowCurrentLine();
  FitMargin();
}

bool ProgramView::IsSyncLine(const QString& text) const {
  if (!sync_) return false;
  QByteArray bytes = text.toUtf8();
  return sync_->Evaluate(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size()))).result != 0;
}

int ProgramView::SyncLineCount() const {
  int count = 0;
  for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) count += IsSyncLine(block.text());
  return count;
}

int ProgramView::MarginWidth() const {
  int digits = std::max(3, static_cast<int>(QString::number(blockCount()).size()));
  return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + fontMetrics().height() + 8;
}

void ProgramView::resizeEvent(QResizeEvent* event) {
  QPlainTextEdit::resizeEvent(event);
  FitMargin();
}

void ProgramView::PaintMargin(QPaintEvent* event) {
  QPainter painter(margin_);
  painter.fillRect(event->rect(), margin_colour_);
  QColor numbers = Contrasting(margin_colour_);
  numbers.setAlphaF(0.6);
  int mark_side = fontMetrics().height() * 6 / 10;
  QTextBlock block = firstVisibleBlock();
  int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  while (block.isValid() && top <= event->rect().bottom()) {
    int height = qRound(blockBoundingRect(block).height());
    if (block.isVisible() && top + height >= event->rect().top()) {
      painter.setPen(numbers);
      painter.drawText(0, top, margin_->width() - mark_side - 8, fontMetrics().height(), Qt::AlignRight,
                       QString::number(block.blockNumber() + 1));
      if (IsSyncLine(block.text())) {
        qreal left = margin_->width() - mark_side - 3;
        qreal middle = top + fontMetrics().height() / 2.0;
        QPainterPath mark;
        mark.moveTo(left, middle - mark_side / 2.0);
        mark.lineTo(left + mark_side, middle);
        mark.lineTo(left, middle + mark_side / 2.0);
        mark.closeSubpath();
        painter.fillPath(mark, palette().color(QPalette::Text));
      }
    }
    block = block.next();
    top += height;
  }
}

void ProgramView::ShowCurrentLine() {
  QList<QTextEdit::ExtraSelection> selections;
  if (current_line_.isValid()) {
    QTextEdit::ExtraSelection line;
    line.format.setBackground(current_line_);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    selections.append(line);
  }
  setExtraSelections(selections);
}

}  // namespace prefig::host
