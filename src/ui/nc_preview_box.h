#pragma once
#include <QWidget>

namespace prefig {
class WNcPreview;
}

namespace prefig::ui {

// Draws a WNcPreview: the program in a fixed-pitch font on the type's own
// background, line numbers in a margin of the line-number colour, and a mark
// beside each line where the channels wait for each other. The type's
// colours are the editor's, so they stay as they are in a dark desktop;
// only the frame follows the palette.
class NcPreviewBox : public QWidget {
 public:
  NcPreviewBox(WNcPreview& model, QWidget* parent);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int MarginWidth() const;

  WNcPreview& model_;
};

}  // namespace prefig::ui
