#include "support/comma_locale.h"

#include <locale.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/run_program.h"
#include "support/temp_dir.h"

namespace prefig::test {
namespace {

constexpr int kUnavailable = 77;

int RunChecks(const std::string& locale_dir, const std::function<int()>& checks) {
  setenv("LOCPATH", locale_dir.c_str(), 1);
  locale_t comma = newlocale(LC_NUMERIC_MASK, "prefigcomma", static_cast<locale_t>(0));
  if (!comma) return kUnavailable;
  uselocale(comma);
  char printed[16];
  std::snprintf(printed, sizeof printed, "%.1f", 0.5);
  if (std::string(printed) != "0,5") return kUnavailable;  // not in force after all
  return checks() == 0 ? 0 : 1;
}

}  // namespace

CommaLocaleRun RunUnderCommaLocale(const std::function<int()>& checks) {
  // Only LC_NUMERIC is given on purpose, so localedef warns (-c: and writes
  // anyway).
  TempDir dir;
  std::string source = dir.File("comma.src");
  WriteFile(source, "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"<U002E>\"\ngrouping 3\nEND LC_NUMERIC\n");
  RunProgram("/usr/bin/localedef", {"-c", "-i", source, "-f", "ANSI_X3.4-1968", dir.File("prefigcomma")});
  pid_t child = fork();
  if (child < 0) return CommaLocaleRun::kFailed;
  if (child == 0) _exit(RunChecks(dir.path(), checks));
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return CommaLocaleRun::kFailed;
  if (WEXITSTATUS(status) == kUnavailable) return CommaLocaleRun::kUnavailable;
  return WEXITSTATUS(status) == 0 ? CommaLocaleRun::kPassed : CommaLocaleRun::kFailed;
}

}  // namespace prefig::test
