#include "host/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

namespace prefig::host {
namespace {

QString FileName(int number, QString title, const QString& suffix) {
  title = title.toLower();
  title.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
  return QStringLiteral("%1-%2%3.png")
      .arg(number, 2, 10, QLatin1Char('0'))
      .arg(title.remove(QRegularExpression(QStringLiteral("^-|-$"))), suffix);
}

void Settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Every item of the tree, parents before their children.
QList<QTreeWidgetItem*> Items(QTreeWidget* tree) {
  QList<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) items << *it;
  return items;
}

int Capture(QDialog* dialog, const QDir& directory, const QString& name, const QString& suffix) {
  Settle();
  auto* tree = dialog->findChild<QTreeWidget*>(QStringLiteral("pageTree"));
  if (tree == nullptr) return dialog->grab().save(directory.filePath(name + suffix + QStringLiteral(".png"))) ? 1 : 0;
  int written = 0;
  int number = 0;
  for (QTreeWidgetItem* item : Items(tree)) {
    tree->setCurrentItem(item);
    Settle();
    if (dialog->grab().save(directory.filePath(FileName(++number, item->text(0), suffix)))) ++written;
  }
  return written;
}

}  // namespace

int SaveDialogPictures(const QString& directory, const QString& name, const std::function<void()>& open_dialog,
                       const QString& suffix) {
  QDir target(directory);
  if (!target.mkpath(QStringLiteral("."))) return 0;
  struct State {
    bool open = true;  // until open_dialog returns
    int written = 0;
    std::function<void()> poll;
  };
  auto state = std::make_shared<State>();
  // Waits for the module's dialog inside its modal loop.
  state->poll = [weak = std::weak_ptr<State>(state), target, name, suffix] {
    auto live = weak.lock();
    if (!live || !live->open) return;
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr || !dialog->isVisible()) {
      QTimer::singleShot(20, live->poll);
      return;
    }
    live->written += Capture(dialog, target, name, suffix);
    dialog->reject();
  };
  QTimer::singleShot(0, state->poll);
  open_dialog();
  state->open = false;
  return state->written;
}

}  // namespace prefig::host
