#pragma once
#include <QIcon>

namespace prefig::ui {

// One of the icons the module draws itself (resources/icons/<name>.svg).
QIcon Icon(const char* name);

}  // namespace prefig::ui
