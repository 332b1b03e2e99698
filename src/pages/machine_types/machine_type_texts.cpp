#include "pages/machine_types/machine_type_texts.h"

#include <string>

#include "context/message_ids.h"
#include "controls/control.h"
#include "module/services.h"

namespace prefig {
namespace {

constexpr int kDuplicateId = 3539;

void ShowError(std::string text) {
  MessageBoxRequest error;
  error.text = std::move(text);
  error.caption_id = kErrorCaptionId;
  error.icon = MessageIcon::kStop;
  GetServices().MessageBox(error);
}

}  // namespace

void ShowDuplicateDescription() { ShowError(MessageString(kDuplicateId)); }

void ShowTypeFileError(std::string_view path) { ShowError(MessageWithText(kTypeFileErrorMessageId, path)); }

}  // namespace prefig
