#pragma once
#include <initializer_list>
#include <vector>

#include "controls/control.h"

// A page's layout, declared once and read like the page looks:
//
//   SetLayout(Column{
//       Group{1058, {Row{Column{beep_, start_max_}, Column{reopen_}}}},
//       Form{tab_width_, Row{window_size_, percent_}},
//       Stretch{},
//   });
//
// A Form puts each control's label in a label column and the control (or
// the rest of a Row) beside it; a check box in a Form spans both columns.
// Only the renderer turns this into widgets.
namespace prefig::layout {

struct Item {
  enum class Kind { kControl, kColumn, kRow, kForm, kGroup, kStretch };

  Item(WControl& item) : kind(Kind::kControl), control(&item) {}  // NOLINT: a control is an item
  Item(Kind item_kind, std::initializer_list<Item> items, int group_title_id = 0)
      : kind(item_kind), title_id(group_title_id), children(items) {}

  Kind kind;
  WControl* control = nullptr;
  int title_id = 0;  // a group's title
  std::vector<Item> children;
};

struct Column : Item {
  Column(std::initializer_list<Item> items) : Item(Kind::kColumn, items) {}
};
struct Row : Item {
  Row(std::initializer_list<Item> items) : Item(Kind::kRow, items) {}
};
struct Form : Item {
  Form(std::initializer_list<Item> items) : Item(Kind::kForm, items) {}
};
struct Group : Item {
  Group(int title, std::initializer_list<Item> items) : Item(Kind::kGroup, items, title) {}
};
struct Stretch : Item {
  Stretch() : Item(Kind::kStretch, {}) {}
};

// The controls of a layout in reading order (the order Tab follows).
std::vector<WControl*> ControlsInOrder(const Item& root);

}  // namespace prefig::layout
