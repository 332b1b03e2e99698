#pragma once
#include <QEvent>
#include <cstdint>

// How the module's window messages reach the host program: an event sent
// (and answered) or posted to the object that the host names in the
// application property kHostWindowProperty. Both sides include this header;
// it has no code to link.
namespace prefig::ui {

inline constexpr const char* kHostWindowProperty = "prefigHostWindow";

class HostMessageEvent : public QEvent {
 public:
  // A fixed number, the same in both programs (registering would hand out
  // a different one to the second caller).
  static QEvent::Type EventType() { return static_cast<QEvent::Type>(QEvent::User + 0x42A); }
  HostMessageEvent(uint32_t message, uintptr_t wparam, intptr_t lparam)
      : QEvent(EventType()), message_(message), wparam_(wparam), lparam_(lparam) {}

  uint32_t Message() const { return message_; }
  uintptr_t WParam() const { return wparam_; }
  intptr_t LParam() const { return lparam_; }
  // What the host answers to a sent message.
  intptr_t Answer() const { return answer_; }
  void SetAnswer(intptr_t answer) { answer_ = answer; }

 private:
  uint32_t message_;
  uintptr_t wparam_;
  intptr_t lparam_;
  intptr_t answer_ = 0;
};

}  // namespace prefig::ui
