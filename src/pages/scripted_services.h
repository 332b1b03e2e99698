#pragma once
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "module/services.h"

namespace prefig {

// Services for tests: answers from queues (or a default when one runs dry)
// and records every request, so a test can drive a whole dialog and check
// what was asked and sent.
class ScriptedServices : public Services {
 public:
  struct HostMessage {
    uint32_t message;
    uintptr_t wparam;
    intptr_t lparam;
    bool posted;
  };
  // What the user does in one modal dialog; a dialog that the script leaves
  // open is cancelled, as Escape would.
  using DialogScript = std::function<void(ModalDialog&)>;

  std::deque<int> message_box_answers;
  int default_message_box_answer = kIdOk;
  intptr_t host_answer = 0;
  std::deque<DialogScript> dialog_scripts;
  // A chooser or prompt takes the next answer (nullopt: the user cancels);
  // with none queued it is cancelled.
  std::deque<std::optional<uint32_t>> color_answers;
  // "FACE,HEIGHT,WEIGHT,ITALIC" ("Liberation Sans,-13,700,1"); an answer
  // that does not read so is a cancel.
  std::deque<std::optional<std::string>> font_answers;
  std::deque<std::optional<std::string>> file_answers;
  std::deque<std::optional<std::string>> folder_answers;
  std::deque<std::optional<std::string>> prompt_answers;

  std::vector<MessageBoxRequest> message_boxes;
  std::vector<HostMessage> host_messages;
  int dialogs_run = 0;
  std::vector<TooltipRequest> tooltips;
  std::vector<HelpPopupRequest> help_popups;
  std::vector<std::string> toolkit_help;
  std::vector<PromptRequest> prompts;
  std::vector<ColorRequest> color_requests;  // as the choosers were started
  std::vector<FontRequest> font_requests;
  std::vector<std::string> opened_documents;

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
  bool OpenDocument(const std::string& path) override {
    opened_documents.push_back(path);
    return true;
  }
};

// Installs scripted services for the life of the object.
class ScopedScriptedServices : public ScriptedServices {
 public:
  ScopedScriptedServices() { SetServices(this); }
  ~ScopedScriptedServices() override { SetServices(nullptr); }
};

}  // namespace prefig
