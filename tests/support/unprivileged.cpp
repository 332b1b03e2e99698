#include "support/unprivileged.h"

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

namespace prefig::test {

bool RunWithoutPrivileges(const std::string& dir, const std::function<bool()>& check) {
  if (::geteuid() != 0) return check();
  constexpr uid_t kNobody = 65534;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
    (void)!::lchown(entry.path().c_str(), kNobody, kNobody);
  }
  (void)!::chown(dir.c_str(), kNobody, kNobody);
  pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) _exit(2);
    _exit(check() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace prefig::test
