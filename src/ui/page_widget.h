#pragma once
#include <QWidget>

#include "pages/config_base.h"

namespace prefig::ui {

// One settings page laid out from its declared layout. Tab and Shift+Tab
// move among the page's controls as the model says; when the focus would
// wrap around, the page hands it to the dialog (focusLeft). F1 asks the
// page for help on the focused control.
class PageWidget : public QWidget, public PageView {
  Q_OBJECT

 public:
  PageWidget(WConfigBase& page, QWidget* parent);
  ~PageWidget() override;
  WConfigBase& Page() const { return page_; }

  // Puts the focus on the first control (or the last one going backwards);
  // false when the page has none that can take it.
  bool FocusFirst(bool forward);

  void PageVisibilityChanged() override;

 signals:
  void focusLeft(bool forward);
  void shown(PageWidget* page);

 protected:
  bool focusNextPrevChild(bool next) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  WConfigBase& page_;
};

}  // namespace prefig::ui
