#include "entry/scripted_services.h"

namespace prefig {

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

}  // namespace prefig
