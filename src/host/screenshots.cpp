#include "host/screenshots.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

// The setup dialog with a search for "tab" running, then with the tab width
// one step up from its default: its modified mark, and the reset button
// that the mouse over its label brings up; then Modified only. The dialog
// is cancelled after.
int CaptureSearchAndMarks(QDialog* dialog, const QDir& directory, int number, const QString& suffix) {
  auto* search = dialog->findChild<QLineEdit*>(QStringLiteral("settingSearch"));
  if (search == nullptr) return 0;
  int written = 0;
  search->setFocus();
  search->setText(QStringLiteral("tab"));
  Settle();
  if (dialog->grab().save(directory.filePath(FileName(++number, QStringLiteral("search tab"), suffix)))) ++written;
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(search, &enter);
  Settle();
  auto* spin = qobject_cast<QAbstractSpinBox*>(dialog->focusWidget());
  if (spin == nullptr) return written;
  spin->stepUp();
  search->clear();
  Settle();
  for (QLabel* label : dialog->findChildren<QLabel*>()) {
    if (label->buddy() != spin) continue;
    QEnterEvent hover(QPointF(2, 2), label->mapTo(dialog->window(), QPointF(2, 2)), label->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(label, &hover);
  }
  Settle();
  if (dialog->grab().save(directory.filePath(FileName(++number, QStringLiteral("modified"), suffix)))) ++written;
  if (auto* modified_only = dialog->findChild<QCheckBox*>(QStringLiteral("modifiedOnly"))) {
    modified_only->setChecked(true);
    Settle();
    if (dialog->grab().save(directory.filePath(FileName(++number, QStringLiteral("modified only"), suffix)))) ++written;
  }
  return written;
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
  return written + CaptureSearchAndMarks(dialog, directory, number, suffix);
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
