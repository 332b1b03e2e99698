#include "pages/setup_session.h"

namespace prefig {

SetupSessionState& SetupSession() {
  static SetupSessionState session;
  return session;
}

GMachineType* CurrentMachineType() {
  const SetupSessionState& session = SetupSession();
  if (session.current_type < 0 || session.current_type >= static_cast<int>(session.working_types.size())) {
    return nullptr;
  }
  return session.working_types[session.current_type];
}

}  // namespace prefig
