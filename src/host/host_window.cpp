#include "host/host_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStatusBar>
#include <QTime>
#include <algorithm>

#include "host/open_filter.h"
#include "host/prefig_module.h"
#include "host/program_view.h"
#include "host/sample_program.h"
#include "host/screenshots.h"
#include "module/host_interface.h"
#include "module/module_abi.h"
#include "record/dnc_config.h"
#include "record/five_axis_kinematics.h"
#include "record/five_axis_record.h"
#include "record/prefiguration.h"
#include "schema/backplot.h"
#include "schema/editor.h"
#include "schema/features.h"
#include "schema/general.h"
#include "schema/load_save.h"
#include "schema/machine_general.h"
#include "ui/host_message_event.h"
#include "ui/qt_font.h"

namespace prefig::host {
namespace {

// A machine of the kinematic type for the screenshots; type 10 a nutating
// head, which no other type can describe.
FiveAxisRecord ScreenshotFiveAxisRecord(int type) {
  FiveAxisRecord record = DefaultFiveAxisRecord();
  record.name = "Example of type " + std::to_string(type);
  if (type == kFreeType) {
    record.axis1 = {1, 0, kLetterB, {0, 0.7071068, 0.7071068}, {0, 0, 120}, -180, 180};
    record.axis2 = {1, 0, kLetterC, {0, 0, 1}, {0, 0, 0}, 0, 0};
    return record;
  }
  bool two_tilts = FiveAxisType(type).letters == FiveAxisLetterRule::kTwoTilts;
  ApplyFiveAxisShape({type, BoxIndex(kLetterA, 0), BoxIndex(two_tilts ? kLetterB : kLetterC, 0), 150, 80}, record);
  return record;
}

}  // namespace

HostWindow::HostWindow(PrefigModule& module, GPrefiguration& record, GDncConfig* dnc_config)
    : module_(module),
      record_(record),
      dnc_config_(dnc_config),
      editor_(new ProgramView(this)),
      log_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("hostWindow"));
  setWindowTitle(QStringLiteral("Prefig host - %1").arg(QString::fromStdString(record.Path())));
  qApp->setProperty(ui::kHostWindowProperty, QVariant::fromValue<QObject*>(this));
  record.Host().window = this;

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

  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this, [this] { OpenProgram(); });
  QMenu* settings = menuBar()->addMenu(QStringLiteral("&Settings"));
  settings->addAction(QStringLiteral("&Settings..."), QKeySequence(Qt::CTRL | Qt::Key_Comma), this,
                      [this] { OpenSettings(1); });
  settings->addAction(QStringLiteral("&Machine types..."), this, [this] { OpenSettings(4); });
  settings->addAction(QStringLiteral("&5-axis machines..."), this, [this] { OpenFiveAxis(); });
  settings->addSeparator();
  settings->addAction(QStringLiteral("Check &password..."), this, [this] { CheckPassword(); });
  settings->addSeparator();
  settings->addAction(QStringLiteral("&Quit"), QKeySequence::Quit, this, &QWidget::close);

  Log(QStringLiteral("Module %1, version %2").arg(QString::fromStdString(module_.Path())).arg(module_.DllVersion()));
  ApplySettings();
  resize(900, 640);
}

HostWindow::~HostWindow() {
  record_.Host().window = nullptr;
  qApp->setProperty(ui::kHostWindowProperty, QVariant());
}

// What an editor does with the machine type list that comes back: takes it
// as its own, in that order.
void HostWindow::OpenSettings(int start_page) {
  std::vector<GMachineType*> types(kMachineListOutMax, nullptr);
  int count = -2;
  module_.RunSetup(start_page, types.data(), &count, &record_, dnc_config_);
  if (count == -2) {
    Log(QStringLiteral("Settings: not opened (password refused)"));
    return;
  }
  if (count >= 0) {
    types.resize(count);
    record_.MachineTypes().Arrange(types);
    Log(QStringLiteral("Settings: %1 machine types handed back").arg(count));
  } else {
    Log(QStringLiteral("Settings closed; the machine type list is unchanged"));
  }
  if (record_.Host().machine_types_changed) {
    Log(QStringLiteral("Machine types changed"));
    record_.Host().machine_types_changed = false;
  }
  ApplySettings();
}

GMachineType* HostWindow::CurrentType() const {
  GMachineList& types = record_.MachineTypes();
  if (types.Count() == 0) return nullptr;
  return &types.At(std::clamp(record_.Host().current_machine_type, 0, types.Count() - 1));
}

// The dialog starts in the type's load folder (or where it last loaded) and
// offers the type's extensions first.
void HostWindow::OpenProgram() {
  QStringList filters;
  QString folder;
  if (const GMachineType* type = CurrentType()) {
    const SettingValues& values = type->Values();
    filters << QString::fromStdString(
        OpenFileFilter(type->Description(), values.Text(schema::kSaveExt), values.List(schema::kLoadExt)));
    const std::string& load_path = values.Text(schema::kLoadPath);
    folder = QString::fromStdString(load_path.empty() ? values.Text(schema::kLastLoadPath) : load_path);
  }
  filters << QStringLiteral("All files (*)");
  QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open"), folder, filters.join(QStringLiteral(";;")));
  if (!path.isEmpty()) OpenProgramFile(path);
}

void HostWindow::OpenProgramFile(const QString& path) {
  QFile program(path);
  if (!program.open(QIODevice::ReadOnly)) {
    Log(QStringLiteral("Could not open %1").arg(path));
    return;
  }
  editor_->setPlainText(QString::fromUtf8(program.readAll()));
  Log(QStringLiteral("Opened %1").arg(path));
  if (int marked = editor_->SyncLineCount(); marked > 0) Log(QStringLiteral("%1 synchronisation lines").arg(marked));
}

void HostWindow::CheckPassword() {
  const std::string& password = record_.Global().Values().Text(schema::kPassword);
  bool accepted = module_.CheckCfgPass(password.c_str());
  Log(accepted ? QStringLiteral("Password accepted") : QStringLiteral("Password refused"));
}

// An editor keeps the record for its own backplot; this one only shows it.
void HostWindow::OpenFiveAxis() {
  const GMachineType* type = CurrentType();
  std::string definition = type != nullptr ? type->Values().Text(schema::kCfg5Axis) : std::string(kDefaultFiveAxisText);
  if (module_.Run5AxisMchSetup(definition, &record_)) {
    Log(QStringLiteral("5-axis machine chosen: %1").arg(QString::fromStdString(definition)));
  } else {
    Log(QStringLiteral("5-axis machines closed without a choice"));
  }
}

int HostWindow::SaveScreenshots(const QString& directory, const QString& suffix) {
  int written = SaveDialogPictures(
      directory, QStringLiteral("settings"), [this] { OpenSettings(-1); }, suffix);
  written += SaveDialogPictures(
      directory, QStringLiteral("password"), [this] { module_.CheckCfgPass(""); }, suffix);
  for (int type : {0, 8, 10}) {
    std::string definition = FormatFiveAxisRecord(ScreenshotFiveAxisRecord(type));
    written += SaveDialogPictures(
        directory, QStringLiteral("5axis-type-%1").arg(type), [&] { module_.Run5AxisMchSetup(definition, nullptr); },
        suffix);
  }
  show();
  QApplication::processEvents();
  if (grab().save(QDir(directory).filePath(QStringLiteral("host%1.png").arg(suffix)))) ++written;
  return written;
}

void HostWindow::Log(const QString& line) {
  log_->appendPlainText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
}

// The editor shows its program in the editor font with the tab width of
// the settings.
void HostWindow::ApplySettings() {
  const SettingValues& values = record_.Global().Values();
  QFont font = ui::ToQFont(values.Font(schema::kEditorFont));
  editor_->setFont(font);
  QFontMetricsF metrics(font);
  editor_->setTabStopDistance(metrics.horizontalAdvance(QLatin1Char(' ')) * values.Int(schema::kTabChars));
  QString type = QStringLiteral("none");
  if (const GMachineType* current = CurrentType()) {
    type = QStringLiteral("%1 (*.%2)")
               .arg(QString::fromStdString(current->Description()),
                    QString::fromStdString(current->Values().Text(schema::kSaveExt)));
  }
  editor_->ApplyType(CurrentType());
  statusBar()->showMessage(QStringLiteral("Font %1, tab width %2, machine type %3")
                               .arg(QFontInfo(font).family())
                               .arg(values.Int(schema::kTabChars))
                               .arg(type));
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
      Log(QStringLiteral("Machine type removed from the NC program database: %1")
              .arg(QString::fromStdString(reinterpret_cast<GMachineType*>(message->WParam())->Description())));
      break;
    case kMsgOpenToolLibrary: {
      auto* type = reinterpret_cast<GMachineType*>(message->WParam());
      Log(QStringLiteral("Tool library requested for %1").arg(QString::fromStdString(type->Description())));
      type->SetToolLibraryRequested(false);
      record_.Host().tool_library_requested = false;
      break;
    }
    case kMsgOpenFile: {
      auto* record = reinterpret_cast<OpenFileRecord*>(message->WParam());
      Log(QStringLiteral("Open file: %1").arg(QString::fromUtf8(record->path)));
      delete record;
      break;
    }
    default: Log(QStringLiteral("Message 0x%1").arg(message->Message(), 0, 16)); break;
  }
  return true;
}

}  // namespace prefig::host
