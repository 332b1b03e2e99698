#include "ui/help_tip.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>

namespace prefig::ui {
namespace {

class HelpTip : public QLabel {
 public:
  HelpTip() : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("helpTip"));
    setWordWrap(true);
    setFrameShape(QFrame::Box);
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose);
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::KeyPress:
      case QEvent::Wheel:
      case QEvent::WindowDeactivate: close(); break;
      default: break;
    }
    return false;
  }
};

QPointer<HelpTip>& Current() {
  static QPointer<HelpTip> current;
  return current;
}

}  // namespace

void ShowHelpTip(const QString& text, QPoint at, int width, int margin, QWidget* owner) {
  HideHelpTip();
  auto* tip = new HelpTip;
  Current() = tip;
  bool markup = text.startsWith(QLatin1Char('<'));
  tip->setTextFormat(markup ? Qt::RichText : Qt::PlainText);
  tip->setText(text);
  tip->setMargin(margin);
  if (owner != nullptr) tip->setFont(owner->font());
  // As wide as the text needs, up to the given width.
  QTextDocument document;
  document.setDefaultFont(tip->font());
  if (markup) {
    document.setHtml(text);
  } else {
    document.setPlainText(text);
  }
  document.setTextWidth(width);
  int inner = static_cast<int>(std::ceil(document.idealWidth()));
  tip->setFixedWidth(std::min(width, inner) + 2 * margin + 2 * tip->frameWidth());
  tip->adjustSize();
  if (QScreen* screen = QGuiApplication::screenAt(at)) {
    QRect room = screen->availableGeometry();
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - tip->width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - tip->height())));
  }
  tip->move(at);
  tip->show();
}

void HideHelpTip() {
  if (Current()) Current()->close();
}

}  // namespace prefig::ui
