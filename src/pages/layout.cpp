#include "pages/layout.h"

namespace prefig::layout {
namespace {

void Collect(const Item& item, std::vector<WControl*>& out) {
  if (item.kind == Item::Kind::kControl) out.push_back(item.control);
  for (const Item& child : item.children) Collect(child, out);
}

}  // namespace

std::vector<WControl*> ControlsInOrder(const Item& root) {
  std::vector<WControl*> controls;
  Collect(root, controls);
  return controls;
}

}  // namespace prefig::layout
