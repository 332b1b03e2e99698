#include "ui/qt_text.h"

#include "controls/control.h"

namespace prefig::ui {

QString Message(int id, bool strip_mnemonics) { return ToQt(MessageString(id, strip_mnemonics)); }

}  // namespace prefig::ui
