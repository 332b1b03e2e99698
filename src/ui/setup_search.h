#pragma once
#include <QObject>
#include <vector>

#include "pages/setting_search.h"

class QCheckBox;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace prefig {
class DEditorSetupMain;
}

namespace prefig::ui {

// The search above the setup dialog's tree: a field that narrows the tree to
// the pages with matching settings (with their number) and highlights the
// matching controls at every keystroke, and the Modified only switch. Enter
// goes to the next match, Escape clears the search. The tree marks the
// pages that hold modified settings (bold) whether or not a search runs.
class SetupSearch : public QObject {
  Q_OBJECT

 public:
  SetupSearch(DEditorSetupMain& model, QTreeWidget* tree, std::vector<QTreeWidgetItem*> items, QWidget* parent);
  // The field and the switch, to be put above the tree.
  QWidget* Panel() const { return panel_; }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  // Searches again; with `follow`, shows the first page with a match when
  // the page shown has none.
  void Run(bool follow);
  void Next();
  void Clear();
  void ShowTree(const std::vector<int>& counts);
  void Highlight();
  // Modified only: every control but the matches hidden, and the groups
  // left empty.
  void Filter(bool on);

  DEditorSetupMain& model_;
  QTreeWidget* tree_;
  std::vector<QTreeWidgetItem*> items_;
  QWidget* panel_;
  QLineEdit* field_;
  QCheckBox* modified_only_;
  std::vector<setting_search::Match> matches_;
  int position_ = -1;  // the match Enter went to last
  std::vector<WControl*> highlighted_;
  std::vector<WControl*> filtered_out_;
  std::vector<QWidget*> hidden_groups_;
};

}  // namespace prefig::ui
