#pragma once
#include <QString>
#include <string>
#include <string_view>

namespace prefig::ui {

// Texts of the module are bytes, shown as UTF-8.
inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// The text of a message id, with its mnemonic markers when asked.
QString Message(int id, bool strip_mnemonics = false);

}  // namespace prefig::ui
