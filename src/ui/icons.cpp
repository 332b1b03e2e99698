#include "ui/icons.h"

#include <QString>

namespace prefig::ui {

QIcon Icon(const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name))); }

}  // namespace prefig::ui
