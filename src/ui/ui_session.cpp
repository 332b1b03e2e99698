#include "ui/ui_session.h"

#include <QApplication>

namespace prefig::ui {
namespace {

int g_argc = 1;
char g_program[] = "Prefig";
char* g_argv[] = {g_program, nullptr};

}  // namespace

UiSession::UiSession() : previous_(&GetServices()) {
  if (QApplication::instance() == nullptr) own_application_ = std::make_unique<QApplication>(g_argc, g_argv);
  SetServices(&services_);
}

UiSession::~UiSession() { SetServices(previous_); }

}  // namespace prefig::ui
