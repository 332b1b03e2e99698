#include "pages/not_written_message.h"

#include <cstring>

#include "context/message_ids.h"
#include "controls/control.h"
#include "module/module_state.h"
#include "module/services.h"

namespace prefig {

void ShowNotWritten(const std::string& path, int error) {
  std::string text = MessageText(kNotWrittenMessageId) ? MessageWithText(kNotWrittenMessageId, path)
                                                       : "The file \"" + path + "\" could not be written.";
  MessageBoxRequest message{text + "\n" + std::strerror(error), kErrorCaptionId, MessageIcon::kStop,
                            MessageButtons::kOk, MessageOwner::kDialog};
  GetServices().MessageBox(message);
}

}  // namespace prefig
