#pragma once
#include "pages/layout.h"

class QBoxLayout;
class QWidget;

namespace prefig::ui {

// Makes the widgets of a declared layout (see pages/layout.h) inside
// `parent` and adds them to `box`: pages and the small dialogs of the pages
// are laid out by this one builder.
void AddLayoutItem(const layout::Item& item, QBoxLayout* box, QWidget* parent);

}  // namespace prefig::ui
