#pragma once
#include <QWidget>

namespace prefig::ui {

// The title strip above a page: bold text, 1.2 times the dialog's font, on
// a horizontal gradient from the highlight colour into the window colour.
class Banner : public QWidget {
 public:
  explicit Banner(QWidget* parent);
  void SetText(const QString& text);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

}  // namespace prefig::ui
