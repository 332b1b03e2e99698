#include "ui/setup_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "module/services.h"
#include "pages/editor_setup_main.h"
#include "ui/banner.h"
#include "ui/page_widget.h"
#include "ui/qt_text.h"
#include "ui/setup_search.h"

namespace prefig::ui {

SetupDialog::SetupDialog(DEditorSetupMain& model, QWidget* parent)
    : QDialog(parent),
      model_(model),
      tree_(new QTreeWidget(this)),
      banner_(new Banner(this)),
      stack_(new QStackedWidget(this)),
      buttons_(new QDialogButtonBox(this)) {
  setObjectName(QStringLiteral("setupDialog"));
  tree_->setObjectName(QStringLiteral("pageTree"));
  tree_->header()->hide();
  tree_->setColumnCount(1);
  tree_->setMinimumWidth(fontMetrics().averageCharWidth() * 28);
  tree_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);

  for (const auto& entry : model.Tree()) {
    auto* item = entry.parent < 0 ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(items_[entry.parent]);
    item->setText(0, ToQt(entry.title));
    items_.push_back(item);
    auto* page = new PageWidget(*entry.page, stack_);
    stack_->addWidget(page);
    connect(page, &PageWidget::shown, this, &SetupDialog::ShowPage);
    connect(page, &PageWidget::focusLeft, this, [this] { ok_->setFocus(Qt::TabFocusReason); });
  }
  // Wide enough for every title at its depth.
  int widest = tree_->minimumWidth();
  for (size_t i = 0; i < items_.size(); ++i) {
    items_[i]->setExpanded(model.Tree()[i].expanded);
    int depth = 1;
    for (int up = model.Tree()[i].parent; up >= 0; up = model.Tree()[up].parent) ++depth;
    // Room for the number of matches the search adds.
    int text = tree_->fontMetrics().horizontalAdvance(items_[i]->text(0) + QStringLiteral(" (99)"));
    widest = std::max(widest, text + (depth + 1) * tree_->indentation() + 2 * tree_->frameWidth());
  }
  tree_->setFixedWidth(widest);
  auto* search = new SetupSearch(model, tree_, items_, this);
  search->Panel()->setFixedWidth(widest);

  ok_ = buttons_->addButton(QDialogButtonBox::Ok);
  ok_->setText(Message(DEditorSetupMain::kOkTextId));
  QPushButton* cancel = buttons_->addButton(QDialogButtonBox::Cancel);
  cancel->setText(Message(DEditorSetupMain::kCancelTextId));
  QPushButton* defaults = buttons_->addButton(QDialogButtonBox::RestoreDefaults);
  defaults->setText(Message(DEditorSetupMain::kDefaultTextId));
  QPushButton* help = buttons_->addButton(QDialogButtonBox::Help);
  help->setText(Message(DEditorSetupMain::kHelpTextId));
  ok_->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  defaults->setObjectName(QStringLiteral("default"));
  help->setObjectName(QStringLiteral("help"));
  connect(ok_, &QPushButton::clicked, this, [this] { model_.Ok(); });
  connect(cancel, &QPushButton::clicked, this, [this] { model_.Cancel(); });
  connect(defaults, &QPushButton::clicked, this, [this] { model_.Default(); });
  connect(help, &QPushButton::clicked, this, [this] { model_.Help(); });

  auto* right = new QVBoxLayout;
  right->addWidget(banner_);
  right->addWidget(stack_, 1);
  auto* left = new QVBoxLayout;
  left->addWidget(search->Panel());
  left->addWidget(tree_, 1);
  auto* upper = new QHBoxLayout;
  upper->addLayout(left);
  upper->addLayout(right, 1);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  auto* top = new QVBoxLayout(this);
  top->addLayout(upper, 1);
  top->addWidget(line);
  top->addWidget(buttons_);

  connect(tree_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end()) model_.Select(static_cast<int>(it - items_.begin()));
  });
  model.AttachView(this);
  tree_->setFocus();  // the first focus stays the tree's; the search is a Shift+Tab away
  if (WConfigBase* page = model.CurrentPage()) {
    for (int i = 0; i < stack_->count(); ++i) {
      auto* widget = static_cast<PageWidget*>(stack_->widget(i));
      if (&widget->Page() == page) ShowPage(widget);
    }
  }
  DialogChanged();
}

SetupDialog::~SetupDialog() { model_.AttachView(nullptr); }

void SetupDialog::DialogChanged() {
  setWindowTitle(ToQt(model_.Caption()));
  banner_->SetText(ToQt(model_.Banner()));
  int selected = model_.Selected();
  if (selected >= 0 && tree_->currentItem() != items_[selected]) {
    QSignalBlocker block(tree_);
    tree_->setCurrentItem(items_[selected]);
  }
  if (model_.HasEnded()) done(model_.EndCode());
}

void SetupDialog::reject() {
  if (!model_.HasEnded()) model_.Cancel();
}

void SetupDialog::ShowPage(PageWidget* page) {
  stack_->setCurrentWidget(page);
  page->setVisible(true);
}

// Tab from the tree goes into the page shown (or to OK when it has no
// control that takes the focus).
bool SetupDialog::focusNextPrevChild(bool next) {
  if (next && QApplication::focusWidget() == tree_) {
    DEditorSetupMain::Focus focus = model_.TabFromTree();
    if (!focus.usual) {
      auto* page = static_cast<PageWidget*>(stack_->currentWidget());
      if (focus.control == nullptr || page == nullptr || !page->FocusFirst(true)) ok_->setFocus(Qt::TabFocusReason);
      return true;
    }
  }
  return QDialog::focusNextPrevChild(next);
}

}  // namespace prefig::ui
