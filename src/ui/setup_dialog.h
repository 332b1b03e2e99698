#pragma once
#include <QDialog>
#include <vector>

#include "pages/modal_dialog.h"

class QDialogButtonBox;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace prefig {
class DEditorSetupMain;
}

namespace prefig::ui {

class Banner;
class PageWidget;

// The setup dialog's window: the page tree on the left, the banner and the
// page on the right, OK, Cancel, Default and Help along the bottom.
class SetupDialog : public QDialog, public DialogView {
 public:
  SetupDialog(DEditorSetupMain& model, QWidget* parent);
  ~SetupDialog() override;

  void DialogChanged() override;
  void reject() override;

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void ShowPage(PageWidget* page);

  DEditorSetupMain& model_;
  QTreeWidget* tree_;
  Banner* banner_;
  QStackedWidget* stack_;
  QDialogButtonBox* buttons_;
  QPushButton* ok_;
  std::vector<QTreeWidgetItem*> items_;
};

}  // namespace prefig::ui
