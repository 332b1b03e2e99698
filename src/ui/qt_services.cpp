#include "ui/qt_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QCursor>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include "pages/editor_setup_main.h"
#include "pages/form_dialog.h"
#include "pages/get_config_password.h"
#include "platform/module_log.h"
#include "ui/control_widgets.h"
#include "ui/form_dialog_window.h"
#include "ui/help_tip.h"
#include "ui/host_message_event.h"
#include "ui/password_dialog.h"
#include "ui/qt_font.h"
#include "ui/qt_text.h"
#include "ui/setup_dialog.h"

namespace prefig::ui {
namespace {

QObject* HostWindow() { return qApp->property(kHostWindowProperty).value<QObject*>(); }

QMessageBox::Icon ToQt(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::kStop: return QMessageBox::Critical;
    case MessageIcon::kQuestion: return QMessageBox::Question;
    case MessageIcon::kExclamation: return QMessageBox::Warning;
    case MessageIcon::kInformation: return QMessageBox::Information;
    case MessageIcon::kNone: break;
  }
  return QMessageBox::NoIcon;
}

int ToCode(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok: return kIdOk;
    case QMessageBox::Yes: return kIdYes;
    case QMessageBox::No: return kIdNo;
    default: return kIdCancel;
  }
}

}  // namespace

QWidget* DialogParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return qobject_cast<QWidget*>(HostWindow());
}

int QtServices::MessageBox(const MessageBoxRequest& request) {
  QWidget* parent = nullptr;
  if (request.owner == MessageOwner::kDialog) parent = QApplication::activeModalWidget();
  if (request.owner == MessageOwner::kHostWindow) parent = qobject_cast<QWidget*>(HostWindow());
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
  switch (request.buttons) {
    case MessageButtons::kOk: break;
    case MessageButtons::kOkCancel: buttons = QMessageBox::Ok | QMessageBox::Cancel; break;
    case MessageButtons::kYesNo: buttons = QMessageBox::Yes | QMessageBox::No; break;
    case MessageButtons::kYesNoCancel: buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel; break;
  }
  QMessageBox box(ToQt(request.icon), Message(request.caption_id, true), ui::ToQt(request.text), buttons, parent);
  box.setWindowModality(parent == nullptr ? Qt::ApplicationModal : Qt::WindowModal);
  return ToCode(static_cast<QMessageBox::StandardButton>(box.exec()));
}

intptr_t QtServices::SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  QObject* host = HostWindow();
  if (host == nullptr) return 0;
  HostMessageEvent event(message, wparam, lparam);
  QCoreApplication::sendEvent(host, &event);
  return event.Answer();
}

void QtServices::PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  if (QObject* host = HostWindow()) QCoreApplication::postEvent(host, new HostMessageEvent(message, wparam, lparam));
}

int QtServices::RunModal(ModalDialog& dialog) {
  std::unique_ptr<QDialog> window;
  if (auto* setup = dynamic_cast<DEditorSetupMain*>(&dialog)) {
    window = std::make_unique<SetupDialog>(*setup, DialogParent());
  } else if (auto* password = dynamic_cast<DGetConfigPassword*>(&dialog)) {
    window = std::make_unique<PasswordDialog>(*password, DialogParent());
  } else if (auto* form = dynamic_cast<FormDialog*>(&dialog)) {
    window = std::make_unique<FormDialogWindow>(*form, DialogParent());
  } else {
    LogLine("DIALOG: no window for this dialog");
    dialog.Cancel();
    return dialog.EndCode();
  }
  if (!dialog.HasEnded()) window->exec();
  HideHelpTip();
  if (!dialog.HasEnded()) dialog.Cancel();
  return dialog.EndCode();
}

bool QtServices::ChooseColor(ColorRequest& request) {
  QColorDialog::ColorDialogOptions options;
  if (request.with_alpha) options |= QColorDialog::ShowAlphaChannel;
  QColor chosen = QColorDialog::getColor(QColor::fromRgba(request.color), DialogParent(), QString(), options);
  if (!chosen.isValid()) return false;
  request.color = request.with_alpha ? chosen.rgba() : (chosen.rgb() | 0xFF000000u);
  return true;
}

bool QtServices::ChooseFont(FontRequest& request) {
  FontDescription start;
  start.face_name = request.face;
  start.height = request.height;
  start.weight = request.weight;
  start.italic = request.italic ? 1 : 0;
  double dpi = ScreenDpi();
  bool ok = false;
  QFont chosen = QFontDialog::getFont(&ok, ToQFont(start, dpi), DialogParent());
  if (!ok) return false;
  request.face = StoredFace(FromQt(chosen.family()), request.face);
  request.height = LogicalHeight(PixelHeight(chosen, dpi), dpi);
  request.weight = chosen.weight();
  request.italic = chosen.italic();
  return true;
}

bool QtServices::ChooseFile(FileRequest& request) {
  QString filters = ui::ToQt([&request] {
    std::string joined;
    for (const std::string& filter : request.filters) joined += (joined.empty() ? "" : ";;") + filter;
    return joined;
  }());
  QString caption = Message(request.caption_id, true);
  QString path = request.save ? QFileDialog::getSaveFileName(DialogParent(), caption, ui::ToQt(request.path), filters)
                              : QFileDialog::getOpenFileName(DialogParent(), caption, ui::ToQt(request.path), filters);
  if (path.isEmpty()) return false;
  request.path = FromQt(path);
  return true;
}

bool QtServices::ChooseFolder(FolderRequest& request) {
  QString path =
      QFileDialog::getExistingDirectory(DialogParent(), Message(request.caption_id, true), ui::ToQt(request.path));
  if (path.isEmpty()) return false;
  request.path = FromQt(path);
  return true;
}

bool QtServices::Prompt(PromptRequest& request) {
  QInputDialog dialog(DialogParent());
  dialog.setWindowTitle(Message(request.caption_id, true));
  dialog.setLabelText(Message(request.label_id));
  dialog.setTextValue(ui::ToQt(request.text));
  if (dialog.exec() != QDialog::Accepted) return false;
  request.text = FromQt(dialog.textValue()).substr(0, request.maximum_length);
  return true;
}

void QtServices::ShowTooltip(const TooltipRequest& request) {
  QWidget* widget = WidgetOf(request.control);
  QPoint at = widget != nullptr ? widget->mapToGlobal(QPoint(widget->width() / 2, widget->height())) : QCursor::pos();
  ShowHelpTip(ui::ToQt(request.text), at, request.width, 4, widget);
}

void QtServices::ShowHelpPopup(const HelpPopupRequest& request) {
  QWidget* widget = WidgetOf(request.control);
  QPoint at = QCursor::pos();
  if (widget != nullptr) at.setY(widget->mapToGlobal(QPoint(0, widget->height())).y() + kHelpPopupOffset);
  ShowHelpTip(ui::ToQt(request.text), at, kPlainTooltipWidth, kHelpPopupMargin, widget);
}

void QtServices::ShowToolkitHelp(std::string_view topic, uint32_t) {
  LogLine("HELP  : no help shown for '%.*s'", static_cast<int>(topic.size()), topic.data());
  QApplication::beep();
}

}  // namespace prefig::ui
