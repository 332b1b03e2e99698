#include "ui/layout_builder.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <algorithm>

#include "ui/control_widgets.h"
#include "ui/qt_text.h"

namespace prefig::ui {
namespace {

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
    for (const layout::Item& child : item.children) AddLayoutItem(child, row, parent);
  } else {
    AddLayoutItem(item, row, parent);
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
      AddLayoutItem(items.children[line], cell, parent);
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
      form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);  // long text fields
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
        AddLayoutItem(child, box, parent);
        previous = &child;
      }
      return box;
    }
    default: return nullptr;
  }
}

}  // namespace

void AddLayoutItem(const layout::Item& item, QBoxLayout* box, QWidget* parent) {
  using Kind = layout::Item::Kind;
  switch (item.kind) {
    case Kind::kControl: {
      QWidget* widget = CreateControlWidget(*item.control, parent);
      if (QWidget* label = LabelWidgetOf(item.control)) box->addWidget(label);
      box->addWidget(widget);
      return;
    }
    case Kind::kStretch: box->addStretch(1); return;
    case Kind::kGroup: {
      auto* group = new QGroupBox(Message(item.title_id), parent);
      auto* inside = new QVBoxLayout(group);
      for (const layout::Item& child : item.children) AddLayoutItem(child, inside, group);
      box->addWidget(group);
      return;
    }
    default: box->addLayout(MakeLayout(item, parent)); return;
  }
}

}  // namespace prefig::ui
