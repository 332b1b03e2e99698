#pragma once
#include <deque>
#include <string>

#include "module/services.h"

namespace prefig::cli {

// The services of a page driven from the command line: every question,
// chooser and prompt takes the next answer given with --answer (a button as
// yes, no, ok or cancel; a chosen file, folder, colour #RRGGBB, font
// FACE,HEIGHT,WEIGHT,ITALIC, or the text typed into a prompt, as it is).
// A question with no answer left is cancelled, and every question, notice
// and message to the host is named on standard error, so that a script
// sees what the dialog would have shown.
class AnswerServices : public Services {
 public:
  explicit AnswerServices(std::deque<std::string> answers);
  ~AnswerServices() override;
  AnswerServices(const AnswerServices&) = delete;
  AnswerServices& operator=(const AnswerServices&) = delete;

  // An answer that did not fit its question ("maybe" to a yes/no question).
  const std::string& Error() const { return error_; }

  int MessageBox(const MessageBoxRequest& request) override;
  intptr_t SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  void PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  int RunModal(ModalDialog& dialog) override;
  bool ChooseColor(ColorRequest& request) override;
  bool ChooseFont(FontRequest& request) override;
  bool ChooseFile(FileRequest& request) override;
  bool ChooseFolder(FolderRequest& request) override;
  bool Prompt(PromptRequest& request) override;
  void ShowTooltip(const TooltipRequest&) override {}
  void ShowHelpPopup(const HelpPopupRequest&) override {}
  void ShowToolkitHelp(std::string_view, uint32_t) override {}

 private:
  // The next answer, or false (and the question named) when none is left.
  bool Next(std::string_view question, std::string& answer);

  std::deque<std::string> answers_;
  std::string error_;
};

}  // namespace prefig::cli
