#pragma once
#include <QMainWindow>

class QPlainTextEdit;

namespace prefig {
class GDncConfig;
class GMachineType;
class GPrefiguration;
}  // namespace prefig

namespace prefig::host {

class PrefigModule;
class ProgramView;

// The editor stand-in: a sample NC program in an editor that follows the
// settings, a log of what the module sends, and menus that call the module.
class HostWindow : public QMainWindow {
 public:
  // `dnc_config` may be null: an editor without a DNC client.
  HostWindow(PrefigModule& module, GPrefiguration& record, GDncConfig* dnc_config);
  ~HostWindow() override;

  void OpenSettings(int start_page);
  // Opens an NC program of the current machine type into the editor.
  void OpenProgram();
  // The file a desktop or command line hands over (prefig-host FILE).
  void OpenProgramFile(const QString& path);
  void CheckPassword();
  // The 5-axis machines, opened on the current machine type's definition.
  void OpenFiveAxis();
  // A PNG of every settings page and of the password dialog; the number
  // written. `suffix` ends every file name ("-dark" for a second set).
  int SaveScreenshots(const QString& directory, const QString& suffix = QString());
  void Log(const QString& line);

 protected:
  // The module's window messages (see ui/host_message_event.h).
  bool event(QEvent* event) override;

 private:
  void ApplySettings();
  // The machine type whose programs the editor opens; null without types.
  GMachineType* CurrentType() const;

  PrefigModule& module_;
  GPrefiguration& record_;
  GDncConfig* dnc_config_;
  ProgramView* editor_;
  QPlainTextEdit* log_;
};

}  // namespace prefig::host
