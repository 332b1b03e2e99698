#include "pages/scripted_services.h"

#include "pages/modal_dialog.h"

namespace prefig {
namespace {

template <typename T>
std::optional<T> Next(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<T> answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

}  // namespace

int ScriptedServices::MessageBox(const MessageBoxRequest& request) {
  message_boxes.push_back(request);
  if (message_box_answers.empty()) return default_message_box_answer;
  int answer = message_box_answers.front();
  message_box_answers.pop_front();
  return answer;
}

intptr_t ScriptedServices::SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  host_messages.push_back({message, wparam, lparam, false});
  return host_answer;
}

void ScriptedServices::PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  host_messages.push_back({message, wparam, lparam, true});
}

int ScriptedServices::RunModal(ModalDialog& dialog) {
  ++dialogs_run;
  if (!dialog_scripts.empty()) {
    DialogScript script = std::move(dialog_scripts.front());
    dialog_scripts.pop_front();
    script(dialog);
  }
  if (!dialog.HasEnded()) dialog.Cancel();
  return dialog.EndCode();
}

bool ScriptedServices::ChooseColor(ColorRequest& request) {
  color_requests.push_back(request);
  std::optional<uint32_t> answer = Next(color_answers);
  if (answer) request.color = *answer;
  return answer.has_value();
}

bool ScriptedServices::ChooseFont(FontRequest& request) {
  font_requests.push_back(request);
  std::optional<std::string> answer = Next(font_answers);
  return answer && ReadFontAnswer(*answer, request);
}

bool ScriptedServices::ChooseFile(FileRequest& request) {
  std::optional<std::string> answer = Next(file_answers);
  if (answer) request.path = *answer;
  return answer.has_value();
}

bool ScriptedServices::ChooseFolder(FolderRequest& request) {
  std::optional<std::string> answer = Next(folder_answers);
  if (answer) request.path = *answer;
  return answer.has_value();
}

bool ScriptedServices::Prompt(PromptRequest& request) {
  prompts.push_back(request);
  std::optional<std::string> answer = Next(prompt_answers);
  if (answer) request.text = *answer;
  return answer.has_value();
}

void ScriptedServices::ShowTooltip(const TooltipRequest& request) { tooltips.push_back(request); }

void ScriptedServices::ShowHelpPopup(const HelpPopupRequest& request) { help_popups.push_back(request); }

void ScriptedServices::ShowToolkitHelp(std::string_view topic, uint32_t) { toolkit_help.emplace_back(topic); }

}  // namespace prefig
