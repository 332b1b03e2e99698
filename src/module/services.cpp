#include "module/services.h"

#include <charconv>

#include "platform/module_log.h"
#include "platform/run_program.h"

namespace prefig {
namespace {

bool ReadNumber(std::string_view text, int& number) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

class HeadlessServices final : public Services {
 public:
  int MessageBox(const MessageBoxRequest& request) override {
    LogLine("MSGBOX: %s", request.text.c_str());
    switch (request.buttons) {
      case MessageButtons::kOk: return kIdOk;
      case MessageButtons::kOkCancel:
      case MessageButtons::kYesNoCancel: return kIdCancel;
      case MessageButtons::kYesNo: return kIdNo;
    }
    return kIdCancel;
  }
  intptr_t SendToHost(uint32_t, uintptr_t, intptr_t) override { return 0; }
  void PostToHost(uint32_t, uintptr_t, intptr_t) override {}
  int RunModal(ModalDialog&) override { return kIdCancel; }
  bool ChooseColor(ColorRequest&) override { return false; }
  bool ChooseFont(FontRequest&) override { return false; }
  bool ChooseFile(FileRequest&) override { return false; }
  bool ChooseFolder(FolderRequest&) override { return false; }
  bool Prompt(PromptRequest&) override { return false; }
  void ShowTooltip(const TooltipRequest&) override {}
  void ShowHelpPopup(const HelpPopupRequest&) override {}
  void ShowToolkitHelp(std::string_view topic, uint32_t) override {
    LogLine("HELP  : %.*s", static_cast<int>(topic.size()), topic.data());
  }
  bool OpenDocument(const std::string&) override { return false; }
};

HeadlessServices g_headless;
Services* g_services = &g_headless;

}  // namespace

// The numbers are read from the end, so that the face may hold commas.
bool ReadFontAnswer(std::string_view text, FontRequest& font) {
  FontRequest read;
  int italic = 0;
  int* numbers[] = {&italic, &read.weight, &read.height};
  for (int* number : numbers) {
    size_t comma = text.rfind(',');
    if (comma == std::string_view::npos || !ReadNumber(text.substr(comma + 1), *number)) return false;
    text = text.substr(0, comma);
  }
  read.face = text;
  read.italic = italic != 0;
  font = read;
  return true;
}

// No shell sees the path: it is the opener's only argument.
bool Services::OpenDocument(const std::string& path) {
  return platform::RunProgram(kDocumentOpener, {path}).error == 0;
}

Services& GetServices() { return *g_services; }

void SetServices(Services* services) { g_services = services ? services : &g_headless; }

}  // namespace prefig
