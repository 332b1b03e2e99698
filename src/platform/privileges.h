#pragma once

namespace prefig::platform {

// Whether the user may change the machine-wide settings: root, or a member
// of one of the groups that administer the system (sudo, wheel, admin).
bool IsAdministrator();

// Tests decide the answer; nullptr restores the real check.
using AdministratorCheck = bool (*)();
void SetAdministratorCheck(AdministratorCheck check);

}  // namespace prefig::platform
