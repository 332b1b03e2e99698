#pragma once
#include <deque>
#include <string>
#include <vector>

#include "entry/services.h"

namespace prefig {

// Services for tests: answers from a queue (or a default when it runs dry)
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

  std::deque<int> message_box_answers;
  int default_message_box_answer = kIdOk;
  intptr_t host_answer = 0;

  std::vector<MessageBoxRequest> message_boxes;
  std::vector<HostMessage> host_messages;

  int MessageBox(const MessageBoxRequest& request) override;
  intptr_t SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
  void PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) override;
};

// Installs scripted services for the life of the object.
class ScopedScriptedServices : public ScriptedServices {
 public:
  ScopedScriptedServices() { SetServices(this); }
  ~ScopedScriptedServices() override { SetServices(nullptr); }
};

}  // namespace prefig
