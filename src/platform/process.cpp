#include "platform/process.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <ctime>

#include "platform/file_io.h"

namespace prefig::platform {

std::string ProgramFile() {
  std::string path(4096, '\0');
  ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (n <= 0) return {};
  path.resize(static_cast<size_t>(n));
  return path;
}

std::string ProgramDirectory() { return DirectoryOf(ProgramFile()); }

int64_t TickCountMs() {
  timespec ts{};
  ::clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int ThreadNumber() { return static_cast<int>(::syscall(SYS_gettid)); }

}  // namespace prefig::platform
