#pragma once
#include "module/services.h"

class QWidget;

namespace prefig::ui {

// The services with Qt: message boxes, the dialogs' windows, the choosers,
// the help windows, and the host program's window (see host_message_event.h).
class QtServices : public Services {
 public:
  int MessageBox(const MessageBoxRequest& request) override;
  intptr_t SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  void PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  int RunModal(ModalDialog& dialog) override;
  bool ChooseColor(ColorRequest& request) override;
  bool ChooseFont(FontRequest& request) override;
  bool ChooseFile(FileRequest& request) override;
  bool ChooseFolder(FolderRequest& request) override;
  bool Prompt(PromptRequest& request) override;
  void ShowTooltip(const TooltipRequest& request) override;
  void ShowHelpPopup(const HelpPopupRequest& request) override;
  void ShowToolkitHelp(std::string_view topic, uint32_t command) override;
};

// The window that dialogs belong to: the active modal dialog, or else the host's main window.
QWidget* DialogParent();

}  // namespace prefig::ui
