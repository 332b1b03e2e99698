#include "host/host_window.h"

#include <QApplication>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTime>

#include "entry/host_interface.h"
#include "host/prefig_module.h"
#include "host/sample_program.h"
#include "host/screenshots.h"
#include "ui/host_message_event.h"

namespace prefig::host {

HostWindow::HostWindow(PrefigModule& module)
    : module_(module), editor_(new QPlainTextEdit(this)), log_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("hostWindow"));
  setWindowTitle(QStringLiteral("Prefig host"));
  qApp->setProperty(ui::kHostWindowProperty, QVariant::fromValue<QObject*>(this));

  editor_->setPlainText(QString::fromLatin1(kSampleProgram));
  editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
  log_->setReadOnly(true);
  log_->setMaximumBlockCount(500);
  auto* split = new QSplitter(Qt::Vertical, this);
  split->addWidget(editor_);
  split->addWidget(log_);
  split->setStretchFactor(0, 4);
  split->setStretchFactor(1, 1);
  setCentralWidget(split);

  QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
  settings->addAction(QStringLiteral("&Settings..."), QKeySequence(Qt::CTRL | Qt::Key_Comma), this,
                      [this] { OpenSettings(1); });
  settings->addAction(QStringLiteral("&Machine types..."), this, [this] { OpenSettings(4); });
  settings->addSeparator();
  settings->addAction(QStringLiteral("Check &password..."), this, [this] { CheckPassword(); });
  settings->addSeparator();
  settings->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);

  ApplySettings();
  statusBar()->showMessage(QStringLiteral("Module %1, version %2").arg(QString::fromStdString(module_.Path())).arg(module_.DllVersion()));
  resize(900, 640);
}

void HostWindow::OpenSettings(int start_page) {
  Log(QStringLiteral("Settings opened at page %1").arg(start_page));
  ApplySettings();
}

void HostWindow::CheckPassword() {
  bool accepted = module_.CheckCfgPass("");
  Log(accepted ? QStringLiteral("Password accepted") : QStringLiteral("Password refused"));
}

int HostWindow::SaveScreenshots(const QString& directory) {
  int written = SaveDialogPictures(directory, QStringLiteral("settings"), [this] { OpenSettings(-1); });
  written += SaveDialogPictures(directory, QStringLiteral("password"), [this] { module_.CheckCfgPass(""); });
  return written;
}

void HostWindow::Log(const QString& line) {
  log_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
}

void HostWindow::ApplySettings() {
  editor_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

bool HostWindow::event(QEvent* event) {
  if (event->type() != ui::HostMessageEvent::EventType()) return QMainWindow::event(event);
  auto* message = static_cast<ui::HostMessageEvent*>(event);
  switch (message->Message()) {
    case kMsgShowHelp:
      Log(QStringLiteral("Help requested: topic \"%1\", command 0x%2")
              .arg(QString::fromUtf8(reinterpret_cast<const char*>(message->WParam())))
              .arg(message->LParam(), 0, 16));
      message->SetAnswer(kHelpShown);
      break;
    case kMsgTypeRemoved:
      Log(QStringLiteral("A machine type stored in the NC program database was removed"));
      break;
    case kMsgOpenToolLibrary:
      Log(QStringLiteral("Tool library requested"));
      break;
    case kMsgOpenFile: {
      auto* record = reinterpret_cast<OpenFileRecord*>(message->WParam());
      Log(QStringLiteral("Open file: %1").arg(QString::fromUtf8(record->path)));
      delete record;
      break;
    }
    default:
      Log(QStringLiteral("Message 0x%1").arg(message->Message(), 0, 16));
      break;
  }
  return true;
}

}  // namespace prefig::host
