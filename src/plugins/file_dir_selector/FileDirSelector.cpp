// The folder chooser of the program: a Qt folder dialog over the active
// dialog, its caption a message text, the chosen folder written back into
// the caller's buffer.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <cstring>

#include "module/module_state.h"
#include "module/plugin_abi.h"

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

const char* const* g_messages = nullptr;

QString Caption(int id) {
  if (g_messages == nullptr || id <= 0 || id >= prefig::kMessageIdLimit || g_messages[id] == nullptr) return {};
  return QString::fromUtf8(g_messages[id]).remove(QLatin1Char('&'));
}

}  // namespace

// The first table is kept, as every library of the program does.
PLUGIN_EXPORT int DllInit(const char* const* message_table) {
  if (g_messages == nullptr) g_messages = message_table;
  return prefig::kDllInitOk;
}

// 1 when a folder was chosen (and fits the buffer); otherwise the buffer
// stays as it was. Without a Qt application of widgets nothing is shown.
PLUGIN_EXPORT int SelectDirectory(char* path, int value, int flag, void*) {
  if (path == nullptr || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return 0;
  QFileDialog::Options options = QFileDialog::ShowDirsOnly;
  if ((flag & prefig::kSelectDirectoryMayCreate) == 0) options |= QFileDialog::ReadOnly;
  QString start = QString::fromUtf8(path, static_cast<qsizetype>(strnlen(path, prefig::kSelectDirectoryPathSize)));
  QString chosen = QFileDialog::getExistingDirectory(QApplication::activeModalWidget(), Caption(value), start, options);
  if (chosen.isEmpty()) return 0;
  QByteArray bytes = QDir::toNativeSeparators(chosen).toUtf8();
  if (bytes.size() >= static_cast<qsizetype>(prefig::kSelectDirectoryPathSize)) return 0;
  std::memcpy(path, bytes.constData(), static_cast<size_t>(bytes.size()) + 1);
  return 1;
}
