#include "ui/page_widget.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStyle>
#include <algorithm>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace prefig::ui {
namespace {

void AddItem(const layout::Item& item, QBoxLayout* box, QWidget* parent);

// A form row: the label of the first control on the left, the control (or
// the whole row) on the right; a control without a label spans the row.
void AddFormRow(const layout::Item& item, QFormLayout* form, QWidget* parent) {
  if (item.kind == layout::Item::Kind::kControl) {
    QWidget* widget = CreateControlWidget(*item.control, parent);
    if (QWidget* label = LabelWidgetOf(item.control)) {
      form->addRow(label, widget);
    } else {
      form->addRow(widget);
    }
    return;
  }
  auto* row = new QHBoxLayout;
  if (item.kind == layout::Item::Kind::kRow) {
    for (const layout::Item& child : item.children) AddItem(child, row, parent);
  } else {
    AddItem(item, row, parent);
  }
  const layout::Item* first = &item;
  while (first->kind != layout::Item::Kind::kControl && !first->children.empty()) first = &first->children.front();
  QWidget* label = first->kind == layout::Item::Kind::kControl ? LabelWidgetOf(first->control) : nullptr;
  if (label != nullptr) {
    row->removeWidget(label);
    form->addRow(label, row);
  } else {
    form->addRow(row);
  }
}

int ColumnGap(QWidget* parent) {
  int spacing = parent->style()->pixelMetric(QStyle::PM_LayoutHorizontalSpacing);
  return 2 * (spacing > 0 ? spacing : 6);
}

// Columns side by side share their rows, so that their controls line up.
QLayout* MakeColumns(const layout::Item& row, QWidget* parent) {
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(ColumnGap(parent));
  for (int column = 0; column < static_cast<int>(row.children.size()); ++column) {
    const layout::Item& items = row.children[column];
    for (int line = 0; line < static_cast<int>(items.children.size()); ++line) {
      auto* cell = new QHBoxLayout;
      AddItem(items.children[line], cell, parent);
      grid->addLayout(cell, line, column);
    }
    grid->setColumnStretch(column, 1);
  }
  return grid;
}

QLayout* MakeLayout(const layout::Item& item, QWidget* parent) {
  using Kind = layout::Item::Kind;
  switch (item.kind) {
    case Kind::kForm: {
      auto* form = new QFormLayout;
      form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
      form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      for (const layout::Item& child : item.children) AddFormRow(child, form, parent);
      return form;
    }
    case Kind::kRow:
      if (std::all_of(item.children.begin(), item.children.end(),
                      [](const layout::Item& child) { return child.kind == Kind::kColumn; })) {
        return MakeColumns(item, parent);
      }
      [[fallthrough]];
    case Kind::kColumn: {
      auto* box = new QBoxLayout(item.kind == Kind::kRow ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
      // Columns of controls stand further apart than the controls of one line.
      const layout::Item* previous = nullptr;
      for (const layout::Item& child : item.children) {
        bool column = child.kind != Kind::kControl && child.kind != Kind::kStretch;
        if (item.kind == Kind::kRow && previous != nullptr && (column || previous->kind != Kind::kControl)) {
          box->addSpacing(ColumnGap(parent));
        }
        AddItem(child, box, parent);
        previous = &child;
      }
      return box;
    }
    default:
      return nullptr;
  }
}

void AddItem(const layout::Item& item, QBoxLayout* box, QWidget* parent) {
  using Kind = layout::Item::Kind;
  switch (item.kind) {
    case Kind::kControl: {
      QWidget* widget = CreateControlWidget(*item.control, parent);
      if (QWidget* label = LabelWidgetOf(item.control)) box->addWidget(label);
      box->addWidget(widget);
      return;
    }
    case Kind::kStretch:
      box->addStretch(1);
      return;
    case Kind::kGroup: {
      auto* group = new QGroupBox(Message(item.title_id), parent);
      auto* inside = new QVBoxLayout(group);
      for (const layout::Item& child : item.children) AddItem(child, inside, group);
      box->addWidget(group);
      return;
    }
    default:
      box->addLayout(MakeLayout(item, parent));
      return;
  }
}

}  // namespace

PageWidget::PageWidget(WConfigBase& page, QWidget* parent) : QWidget(parent), page_(page) {
  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  AddItem(page.Layout(), top, this);
  page.AttachView(this);
  setVisible(false);
}

PageWidget::~PageWidget() { page_.AttachView(nullptr); }

bool PageWidget::FocusFirst(bool forward) {
  WControl* control = page_.NextFocus(nullptr, forward);
  if (control == nullptr) return false;
  WidgetOf(control)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void PageWidget::PageVisibilityChanged() {
  if (page_.IsVisible()) emit shown(this);
}

bool PageWidget::focusNextPrevChild(bool next) {
  WControl* from = ControlOf(QApplication::focusWidget());
  WControl* to = page_.NextFocus(from, next);
  if (to == nullptr) {
    emit focusLeft(next);
    return true;
  }
  WidgetOf(to)->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

void PageWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    page_.HelpRequested({HelpSource::kControl, ControlOf(QApplication::focusWidget())});
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace prefig::ui
