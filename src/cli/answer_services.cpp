#include "cli/answer_services.h"

#include <cstdio>

#include "controls/control.h"
#include "controls/edit.h"
#include "ini/ini_text.h"
#include "module/host_interface.h"
#include "pages/form_dialog.h"
#include "pages/modal_dialog.h"

namespace prefig::cli {
namespace {

int ButtonOf(std::string_view answer) {
  if (ini::SameName(answer, "yes")) return kIdYes;
  if (ini::SameName(answer, "no")) return kIdNo;
  if (ini::SameName(answer, "ok")) return kIdOk;
  if (ini::SameName(answer, "cancel")) return kIdCancel;
  return 0;
}

bool Offers(MessageButtons buttons, int button) {
  switch (buttons) {
    case MessageButtons::kOk: return button == kIdOk;
    case MessageButtons::kOkCancel: return button == kIdOk || button == kIdCancel;
    case MessageButtons::kYesNo: return button == kIdYes || button == kIdNo;
    case MessageButtons::kYesNoCancel: return button == kIdYes || button == kIdNo || button == kIdCancel;
  }
  return false;
}

// What closing the box without a choice gives.
int CancelOf(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::kOk: return kIdOk;
    case MessageButtons::kYesNo: return kIdNo;
    default: return kIdCancel;
  }
}

}  // namespace

AnswerServices::AnswerServices(std::deque<std::string> answers) : answers_(std::move(answers)) { SetServices(this); }

AnswerServices::~AnswerServices() { SetServices(nullptr); }

bool AnswerServices::Next(std::string_view question, std::string& answer) {
  if (answers_.empty()) {
    std::fprintf(stderr, "prefig: no answer left, cancelled: %.*s\n", static_cast<int>(question.size()),
                 question.data());
    return false;
  }
  answer = std::move(answers_.front());
  answers_.pop_front();
  return true;
}

int AnswerServices::MessageBox(const MessageBoxRequest& request) {
  if (request.buttons == MessageButtons::kOk) {
    std::fprintf(stderr, "prefig: %s: %s\n", MessageString(request.caption_id).c_str(), request.text.c_str());
    return kIdOk;
  }
  std::string answer;
  if (!Next(request.text, answer)) return CancelOf(request.buttons);
  int button = ButtonOf(answer);
  if (!Offers(request.buttons, button)) {
    if (error_.empty()) error_ = "answer '" + answer + "' does not fit the question: " + request.text;
    return CancelOf(request.buttons);
  }
  return button;
}

intptr_t AnswerServices::SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  std::fprintf(stderr, "prefig: to the host: message %u (%ju, %jd)\n", message, static_cast<uintmax_t>(wparam),
               static_cast<intmax_t>(lparam));
  return 0;
}

// There is no host to own an open-file record: it is named and freed here.
void AnswerServices::PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) {
  if (message == kMsgOpenFile) {
    auto* open = reinterpret_cast<OpenFileRecord*>(wparam);
    std::fprintf(stderr, "prefig: to the host: open %s\n", open->path);
    delete open;
    return;
  }
  SendToHost(message, wparam, lparam);
}

// A prompt (a dialog whose focus is a text field: a name, a description)
// takes the next answer as what the user types there, then OK; one that
// stays open has refused the answer.
int AnswerServices::RunModal(ModalDialog& dialog) {
  auto* form = dynamic_cast<FormDialog*>(&dialog);
  auto* field = form != nullptr ? dynamic_cast<WEdit*>(form->FocusControl()) : nullptr;
  if (field == nullptr) {
    std::fprintf(stderr, "prefig: a dialog of the page's own was cancelled\n");
    dialog.Cancel();
    return kIdCancel;
  }
  std::string caption = MessageString(form->CaptionId(), true);
  std::string answer;
  if (Next(caption, answer)) {
    field->UserEdit(answer);
    form->Ok();
    if (!form->HasEnded() && error_.empty()) error_ = "answer '" + answer + "' was refused: " + caption;
  }
  if (!form->HasEnded()) form->Cancel();
  return form->EndCode();
}

bool AnswerServices::ChooseColor(ColorRequest& request) {
  std::string answer;
  if (!Next("colour", answer)) return false;
  uint32_t rgb = 0;
  bool valid = answer.size() == 7 && answer[0] == '#';
  for (size_t i = 1; valid && i < answer.size(); ++i) {
    int digit = ini::HexDigit(answer[i]);
    valid = digit >= 0;
    rgb = rgb * 16 + static_cast<uint32_t>(digit);
  }
  if (!valid) {
    if (error_.empty()) error_ = "answer '" + answer + "' is no colour #RRGGBB";
    return false;
  }
  request.color = 0xFF000000u | rgb;
  return true;
}

bool AnswerServices::ChooseFont(FontRequest& request) {
  std::string answer;
  if (!Next("font", answer)) return false;
  if (ReadFontAnswer(answer, request)) return true;
  if (error_.empty()) error_ = "answer '" + answer + "' is no font FACE,HEIGHT,WEIGHT,ITALIC";
  return false;
}

bool AnswerServices::ChooseFile(FileRequest& request) { return Next("file", request.path); }

bool AnswerServices::ChooseFolder(FolderRequest& request) { return Next("folder", request.path); }

bool AnswerServices::Prompt(PromptRequest& request) {
  std::string answer;
  if (!Next(MessageString(request.label_id), answer)) return false;
  if (answer.size() > request.maximum_length) answer.resize(request.maximum_length);
  request.text = answer;
  return true;
}

}  // namespace prefig::cli
