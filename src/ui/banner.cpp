#include "ui/banner.h"

#include <QLinearGradient>
#include <QPainter>

namespace prefig::ui {

Banner::Banner(QWidget* parent) : QWidget(parent) {
  QFont bold = font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  setFont(bold);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Banner::SetText(const QString& text) {
  text_ = text;
  update();
}

QSize Banner::sizeHint() const {
  int height = fontMetrics().height();
  return {fontMetrics().horizontalAdvance(text_) + height, height * 3 / 2 + 4};
}

void Banner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QLinearGradient gradient(rect().topLeft(), rect().topRight());
  gradient.setColorAt(0, palette().color(QPalette::Highlight));
  gradient.setColorAt(1, palette().color(QPalette::Window));
  painter.fillRect(rect(), gradient);
  painter.setPen(palette().color(QPalette::HighlightedText));
  int indent = fontMetrics().height() / 2;
  painter.drawText(rect().adjusted(indent, 0, -indent, 0), Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(text_, Qt::ElideRight, width() - 2 * indent));
}

}  // namespace prefig::ui
