#pragma once
#include <cstdint>
#include <string>

namespace prefig {

enum class MessageIcon { kNone, kStop, kQuestion, kExclamation, kInformation };
enum class MessageButtons { kOk, kOkCancel, kYesNo, kYesNoCancel };
enum class MessageOwner {
  kNone,        // no owner window
  kDialog,      // the dialog or page that asks
  kHostWindow,  // the host's main window, modal for the whole task
};

// Message ids of the two captions.
inline constexpr int kErrorCaptionId = 330;
inline constexpr int kNoticeCaptionId = 332;  // questions and notices

// Dialog end codes as the host understands them.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

struct MessageBoxRequest {
  std::string text;
  int caption_id = 0;  // message id of the caption (kErrorCaptionId or kNoticeCaptionId)
  MessageIcon icon = MessageIcon::kNone;
  MessageButtons buttons = MessageButtons::kOk;
  MessageOwner owner = MessageOwner::kDialog;
};

// Everything modal or outside the module goes through here: the Qt view
// implements it for real, tests script it. Later features add the choosers
// and prompts they need.
class Services {
 public:
  virtual ~Services() = default;
  virtual int MessageBox(const MessageBoxRequest& request) = 0;
  // The host's main window: Send waits for the answer, Post queues.
  virtual intptr_t SendToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
  virtual void PostToHost(uint32_t message, uintptr_t wparam, intptr_t lparam) = 0;
};

// The installed services; until something is installed, a headless set that
// logs message boxes and answers each with its safe choice (OK, Cancel or No).
Services& GetServices();
void SetServices(Services* services);  // null restores the headless set

}  // namespace prefig
