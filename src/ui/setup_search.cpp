#include "ui/setup_search.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "pages/editor_setup_main.h"
#include "ui/control_widgets.h"
#include "ui/qt_text.h"
#include "ui/setting_marks.h"

namespace prefig::ui {

SetupSearch::SetupSearch(DEditorSetupMain& model, QTreeWidget* tree, std::vector<QTreeWidgetItem*> items,
                         QWidget* parent)
    : QObject(parent),
      model_(model),
      tree_(tree),
      items_(std::move(items)),
      panel_(new QWidget(parent)),
      field_(new QLineEdit(panel_)),
      modified_only_(new QCheckBox(panel_)) {
  field_->setObjectName(QStringLiteral("settingSearch"));
  field_->setPlaceholderText(Message(setting_search::kSearchPlaceholderId, true));
  field_->setToolTip(Message(setting_search::kSearchHelpId));
  field_->setClearButtonEnabled(true);
  field_->installEventFilter(this);
  modified_only_->setObjectName(QStringLiteral("modifiedOnly"));
  modified_only_->setText(Message(setting_search::kModifiedOnlyId));
  modified_only_->setToolTip(Message(setting_search::kModifiedOnlyHelpId));
  auto* column = new QVBoxLayout(panel_);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(field_);
  column->addWidget(modified_only_);
  // Ctrl+F, as in the editors whose settings dialogs users know.
  auto* find = new QShortcut(QKeySequence::Find, parent);
  connect(find, &QShortcut::activated, this, [this] {
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
  });
  connect(field_, &QLineEdit::textChanged, this, [this] { Run(true); });
  connect(modified_only_, &QCheckBox::toggled, this, [this] { Run(true); });
  connect(&MarkEvents::Instance(), &MarkEvents::valuesChanged, this, [this] { Run(false); });
  Run(false);
}

bool SetupSearch::eventFilter(QObject* object, QEvent* event) {
  if (object != field_ || event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: Next(); return true;  // not the dialog's OK
    case Qt::Key_Escape:
      if (field_->text().isEmpty() && !modified_only_->isChecked()) return false;  // the dialog's Cancel
      Clear();
      return true;
    default: return false;
  }
}

void SetupSearch::Run(bool follow) {
  setting_search::Query query{FromQt(field_->text()), modified_only_->isChecked()};
  WControl* at =
      position_ >= 0 && position_ < static_cast<int>(matches_.size()) ? matches_[position_].control : nullptr;
  matches_ = setting_search::Find(model_, query);
  position_ = -1;
  for (size_t i = 0; i < matches_.size(); ++i) {
    if (matches_[i].control == at) position_ = static_cast<int>(i);
  }
  std::vector<int> counts = setting_search::CountPerEntry(matches_, items_.size());
  if (follow && !matches_.empty() && (model_.Selected() < 0 || counts[static_cast<size_t>(model_.Selected())] == 0)) {
    model_.Select(matches_.front().entry);
    // The page shown now holds its own values, which the search reads.
    matches_ = setting_search::Find(model_, query);
    counts = setting_search::CountPerEntry(matches_, items_.size());
  }
  ShowTree(counts);
  Highlight();
  Filter(query.modified_only);
}

void SetupSearch::Next() {
  if (matches_.empty()) return;
  position_ = (position_ + 1) % static_cast<int>(matches_.size());
  const setting_search::Match match = matches_[static_cast<size_t>(position_)];
  model_.Select(match.entry);
  if (QWidget* widget = WidgetOf(match.control)) widget->setFocus(Qt::ShortcutFocusReason);
}

void SetupSearch::Clear() {
  field_->clear();
  modified_only_->setChecked(false);
  field_->setFocus();
}

// Pages with a match show their number; the others go, unless a page
// below them has one. Pages holding a modified setting are bold.
void SetupSearch::ShowTree(const std::vector<int>& counts) {
  bool active = setting_search::IsActive({FromQt(field_->text()), modified_only_->isChecked()});
  std::vector<int> modified = setting_search::CountPerEntry(setting_search::Find(model_, {{}, true}), items_.size());
  const auto& tree = model_.Tree();
  std::vector<bool> shown(items_.size(), !active);
  for (size_t i = 0; i < items_.size(); ++i) {
    if (!active || counts[i] == 0) continue;
    for (int up = static_cast<int>(i); up >= 0; up = tree[static_cast<size_t>(up)].parent) {
      shown[static_cast<size_t>(up)] = true;
    }
  }
  for (size_t i = 0; i < items_.size(); ++i) {
    QTreeWidgetItem* item = items_[i];
    QString title = ToQt(tree[i].title);
    if (active && counts[i] > 0) title += QStringLiteral(" (%1)").arg(counts[i]);
    if (item->text(0) != title) item->setText(0, title);
    QFont font = item->font(0);
    if (font.bold() != (modified[i] > 0)) {
      font.setBold(modified[i] > 0);
      item->setFont(0, font);
    }
    item->setHidden(!shown[i]);
    if (active && shown[i] && item->childCount() > 0) item->setExpanded(true);
  }
}

void SetupSearch::Highlight() {
  std::vector<WControl*> found;
  if (!field_->text().isEmpty()) {
    for (const auto& match : matches_) found.push_back(match.control);
  }
  for (WControl* control : highlighted_) {
    if (std::find(found.begin(), found.end(), control) == found.end()) SetSearchMark(*control, false);
  }
  for (WControl* control : found) SetSearchMark(*control, true);
  highlighted_ = std::move(found);
}

void SetupSearch::Filter(bool on) {
  std::vector<WControl*> out;
  if (on) {
    for (const auto& entry : model_.Tree()) {
      for (WControl* control : entry.page->Controls()) {
        bool matched = std::any_of(matches_.begin(), matches_.end(),
                                   [control](const setting_search::Match& match) { return match.control == control; });
        if (!matched) out.push_back(control);
      }
    }
  }
  for (WControl* control : filtered_out_) {
    if (std::find(out.begin(), out.end(), control) == out.end()) SetFilteredOut(*control, false);
  }
  for (WControl* control : out) SetFilteredOut(*control, true);
  filtered_out_ = std::move(out);

  for (QWidget* group : hidden_groups_) group->setHidden(false);
  hidden_groups_.clear();
  if (!on) return;
  // Inner groups first, so that an outer one sees them gone.
  QList<QGroupBox*> groups = tree_->window()->findChildren<QGroupBox*>();
  std::reverse(groups.begin(), groups.end());
  for (QGroupBox* group : groups) {
    const QList<QWidget*> inside = group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    if (std::any_of(inside.begin(), inside.end(), [](const QWidget* w) { return !w->isHidden(); })) continue;
    group->setHidden(true);
    hidden_groups_.push_back(group);
  }
}

}  // namespace prefig::ui
