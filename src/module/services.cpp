#include "module/services.h"

#include "platform/module_log.h"

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
  int RunModal(ModalDialog&) override { return kIdCancel; }
  bool ChooseColor(ColorRequest&) override { return false; }
  bool ChooseFile(FileRequest&) override { return false; }
  bool ChooseFolder(FolderRequest&) override { return false; }
  bool Prompt(PromptRequest&) override { return false; }
  void ShowTooltip(const TooltipRequest&) override {}
  void ShowHelpPopup(const HelpPopupRequest&) override {}
  void ShowToolkitHelp(std::string_view topic, uint32_t) override {
    LogLine("HELP  : %.*s", static_cast<int>(topic.size()), topic.data());
  }
};

HeadlessServices g_headless;
Services* g_services = &g_headless;

}  // namespace

Services& GetServices() { return *g_services; }

void SetServices(Services* services) { g_services = services ? services : &g_headless; }

}  // namespace prefig
