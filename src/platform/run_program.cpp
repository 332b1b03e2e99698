#include "platform/run_program.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/file_io.h"

extern char** environ;

namespace prefig::platform {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

RunResult SpawnAndWait(const std::string& path, char* const* argv) {
  RunResult result;
  pid_t pid = 0;
  result.error = ::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ);
  if (result.error != 0) return result;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) {
      result.error = errno;
      return result;
    }
  }
  result.exit_code = ExitCodeOf(status);
  return result;
}

// Through a short-lived middle process, so the program becomes a child of
// init and leaves no zombie behind; a pipe that exec closes reports
// whether it started. Only async-signal-safe calls after fork.
RunResult SpawnDetached(const std::string& path, char* const* argv) {
  RunResult result;
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    result.error = errno;
    return result;
  }
  pid_t middle = ::fork();
  if (middle == 0) {
    ::close(report[0]);
    pid_t program = ::fork();
    if (program == 0) {
      ::setsid();
      ::execve(path.c_str(), argv, environ);
      int error = errno;
      (void)!::write(report[1], &error, sizeof error);
      _exit(127);
    }
    if (program < 0) {
      int error = errno;
      (void)!::write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  ::close(report[1]);
  if (middle < 0) {
    result.error = errno;
    ::close(report[0]);
    return result;
  }
  while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {}
  int error = 0;
  ssize_t n;
  while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {}
  ::close(report[0]);
  if (n == static_cast<ssize_t>(sizeof error)) result.error = error;
  return result;
}

}  // namespace

std::string FindProgram(std::string_view name) {
  std::string text(name);
  if (text.empty() || text.find('\0') != std::string::npos) return {};
  if (text.find('/') != std::string::npos) {
    std::string path = AbsolutePath(text);
    return IsExecutableFile(path) ? path : std::string();
  }
  const char* search = std::getenv("PATH");
  std::string_view dirs = search != nullptr ? search : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    std::string candidate = AbsolutePath((dir.empty() ? std::string(".") : dir) + "/" + text);
    if (IsExecutableFile(candidate)) return candidate;
    if (colon == std::string_view::npos) return {};
    dirs.remove_prefix(colon + 1);
  }
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args, RunOptions options) {
  RunResult result;
  std::string path = FindProgram(program);
  if (path.empty()) {
    result.error = ENOENT;
    return result;
  }
  std::vector<std::string> words;
  if (options.elevate) {
    std::string elevator = FindProgram(kElevationProgram);
    if (!elevator.empty()) {
      words.push_back(elevator);
    } else if (::geteuid() != 0) {
      result.error = EPERM;
      return result;
    }
  }
  words.push_back(path);
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return options.wait ? SpawnAndWait(words.front(), argv.data()) : SpawnDetached(words.front(), argv.data());
}

}  // namespace prefig::platform
