#include "platform/module_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <mutex>

#include "platform/process.h"

namespace prefig {
namespace {

constexpr size_t kLogFileNameMax = 1024;

std::mutex& LogLock() {
  static std::mutex lock;
  return lock;
}

// Guarded by LogLock.
std::string& FileName() {
  static std::string name = [] {
    const char* env = std::getenv(kLogEnvironmentVariable);
    return std::string(env ? std::string_view(env).substr(0, kLogFileNameMax) : std::string_view());
  }();
  return name;
}

}  // namespace

std::string FormatLogLine(std::string_view message) {
  char head[128];
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char when[64];
  std::strftime(when, sizeof when, "[%x %H:%M:%S] ", &local);
  int n = std::snprintf(head, sizeof head, "%08lld %s%d\t", static_cast<long long>(platform::TickCountMs()), when,
                        platform::ThreadNumber());
  std::string line(head, static_cast<size_t>(n > 0 ? n : 0));
  if (line.size() < kLogLineMax) line.append(message.substr(0, kLogLineMax - line.size()));
  return line;
}

bool IsLogOn() {
  std::lock_guard<std::mutex> guard(LogLock());
  return !FileName().empty();
}

void SetLogFileName(std::string_view name) {
  std::lock_guard<std::mutex> guard(LogLock());
  FileName() = std::string(name.substr(0, kLogFileNameMax));
}

void LogLine(const char* format, ...) {
  std::lock_guard<std::mutex> guard(LogLock());
  const std::string& file = FileName();
  if (file.empty()) return;
  char message[kLogLineMax + 1];
  va_list args;
  va_start(args, format);
  std::vsnprintf(message, sizeof message, format, args);
  va_end(args);
  std::string line = FormatLogLine(message);
  line += '\n';
  int fd = ::open(file.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return;  // a log that cannot be opened loses the line
  // One write with O_APPEND: other processes' lines never land inside ours.
  (void)!::write(fd, line.data(), line.size());
  ::close(fd);
}

}  // namespace prefig
