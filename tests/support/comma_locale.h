#pragma once
#include <functional>

namespace prefig::test {

enum class CommaLocaleRun { kPassed, kFailed, kUnavailable };

// Runs `checks` in a child process whose numeric locale writes "0,5" for
// one half (made with localedef, so no locale package is needed). The
// child keeps the locale and what glibc holds for LOCPATH away from the
// test process. `checks` returns how many checks failed and names them on
// standard error.
CommaLocaleRun RunUnderCommaLocale(const std::function<int()>& checks);

}  // namespace prefig::test
