#pragma once
#include <memory>

#include "ui/qt_services.h"

class QApplication;

namespace prefig::ui {

// What an export that shows dialogs needs for the length of the call: a Qt
// application (the host's, or one of the module's own when the host has
// none) and the Qt services in place of whatever was installed.
class UiSession {
 public:
  UiSession();
  ~UiSession();
  UiSession(const UiSession&) = delete;
  UiSession& operator=(const UiSession&) = delete;

 private:
  std::unique_ptr<QApplication> own_application_;
  QtServices services_;
  Services* previous_;
};

}  // namespace prefig::ui
