#include "ui/nc_preview_box.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "controls/nc_preview.h"
#include "ui/qt_text.h"

namespace prefig::ui {
namespace {

constexpr int kPreviewPad = 4;
constexpr int kPreviewColumns = 34;  // wide enough for the samples' longest lines
constexpr int kPreviewMinimumLines = 8;

QColor PreviewColour(uint32_t colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

// Black or white, whichever stands out more on `colour`.
QColor PreviewContrasting(const QColor& colour) { return colour.lightnessF() > 0.55 ? Qt::black : Qt::white; }

}  // namespace

NcPreviewBox::NcPreviewBox(WNcPreview& model, QWidget* parent) : QWidget(parent), model_(model) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAccessibleDescription(QStringLiteral("NC program"));
}

int NcPreviewBox::MarginWidth() const {
  int digits = std::max<int>(2, static_cast<int>(QString::number(model_.Lines().size()).size()));
  return fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits + fontMetrics().height() + 2 * kPreviewPad;
}

QSize NcPreviewBox::sizeHint() const {
  int lines = std::max<int>(kPreviewMinimumLines, static_cast<int>(model_.Lines().size()));
  return {MarginWidth() + fontMetrics().horizontalAdvance(QLatin1Char('M')) * kPreviewColumns + 2 * kPreviewPad,
          fontMetrics().lineSpacing() * lines + 2 * kPreviewPad};
}

QSize NcPreviewBox::minimumSizeHint() const {
  return {MarginWidth() + fontMetrics().horizontalAdvance(QLatin1Char('M')) * 16,
          fontMetrics().lineSpacing() * kPreviewMinimumLines};
}

void NcPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QColor background = PreviewColour(model_.Background());
  QColor margin_colour = PreviewColour(model_.MarginColour());
  int margin = MarginWidth();
  painter.fillRect(rect(), background);
  painter.fillRect(QRect(0, 0, margin, height()), margin_colour);
  QFontMetrics metrics = fontMetrics();
  int line_height = metrics.lineSpacing();
  int y = kPreviewPad;
  QColor number_colour = PreviewContrasting(margin_colour);
  number_colour.setAlphaF(0.6);
  for (size_t i = 0; i < model_.Lines().size() && y < height(); ++i, y += line_height) {
    const WNcPreview::Line& line = model_.Lines()[i];
    int baseline = y + metrics.ascent();
    painter.setPen(number_colour);
    painter.drawText(QRect(0, y, margin - metrics.height() - kPreviewPad, line_height),
                     Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1));
    if (line.sync) {
      // A filled triangle pointing at the line: the channels meet here.
      qreal side = metrics.height() * 0.6;
      qreal left = margin - side - kPreviewPad;
      qreal middle = y + line_height / 2.0;
      QPainterPath mark;
      mark.moveTo(left, middle - side / 2);
      mark.lineTo(left + side, middle);
      mark.lineTo(left, middle + side / 2);
      mark.closeSubpath();
      painter.fillPath(mark, PreviewColour(model_.TextColour()) == margin_colour ? PreviewContrasting(margin_colour)
                                                                                 : PreviewColour(model_.TextColour()));
    }
    qreal x = margin + kPreviewPad;
    for (const NcSpan& span : line.spans) {
      QString text = ToQt(std::string_view(line.text).substr(span.begin, span.length));
      text.replace(QLatin1Char('\t'), QStringLiteral("    "));
      painter.setPen(PreviewColour(span.colour));
      painter.drawText(QPointF(x, baseline), text);
      x += metrics.horizontalAdvance(text);
    }
  }
  // The frame follows the desktop's palette so that the pane stands apart
  // from the page in light and dark alike.
  painter.setPen(palette().color(QPalette::Mid));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace prefig::ui
