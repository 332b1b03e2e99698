#include "entry/services.h"

#include "entry/module_log.h"

namespace prefig {
namespace {

class HeadlessServices final : public Services {
 public:
  int MessageBox(const MessageBoxRequest& request) override {
    LogLine("MSGBOX: %s", request.text.c_str());
    switch (request.buttons) {
      case MessageButtons::kOk:
        return kIdOk;
      case MessageButtons::kOkCancel:
      case MessageButtons::kYesNoCancel:
        return kIdCancel;
      case MessageButtons::kYesNo:
        return kIdNo;
    }
    return kIdCancel;
  }
  intptr_t SendToHost(uint32_t, uintptr_t, intptr_t) override { return 0; }
  void PostToHost(uint32_t, uintptr_t, intptr_t) override {}
};

HeadlessServices g_headless;
Services* g_services = &g_headless;

}  // namespace

Services& GetServices() { return *g_services; }

void SetServices(Services* services) { g_services = services ? services : &g_headless; }

}  // namespace prefig
