#include "platform/privileges.h"

#include <grp.h>
#include <unistd.h>

#include <vector>

namespace prefig::platform {
namespace {

constexpr const char* kAdministratorGroups[] = {"sudo", "wheel", "admin"};

bool RealIsAdministrator() {
  if (::geteuid() == 0) return true;
  int count = ::getgroups(0, nullptr);
  if (count < 0) return false;
  std::vector<gid_t> groups(static_cast<size_t>(count) + 1);
  count = ::getgroups(count, groups.data());
  if (count < 0) return false;
  groups.resize(static_cast<size_t>(count));
  groups.push_back(::getegid());
  for (const char* name : kAdministratorGroups) {
    const group* entry = ::getgrnam(name);
    if (entry == nullptr) continue;
    for (gid_t gid : groups) {
      if (gid == entry->gr_gid) return true;
    }
  }
  return false;
}

AdministratorCheck g_check = &RealIsAdministrator;

}  // namespace

bool IsAdministrator() { return g_check(); }

void SetAdministratorCheck(AdministratorCheck check) { g_check = check ? check : &RealIsAdministrator; }

}  // namespace prefig::platform
