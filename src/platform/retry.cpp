#include "platform/retry.h"

#include <cerrno>
#include <ctime>

namespace prefig::platform {
namespace {

void RealSleep(int ms) {
  timespec ts{ms / 1000, (ms % 1000) * 1000000L};
  while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {}
}

SleepFunction g_sleep = &RealSleep;

}  // namespace

bool IsTransientError(int error) {
  switch (error) {
    case EAGAIN:
    case EBUSY:
    case EINTR:
    case ETXTBSY:
    case EMFILE:
    case ENFILE:
    case ENOMEM: return true;
    default: return false;
  }
}

void SleepMs(int ms) { g_sleep(ms); }

void SetSleepFunction(SleepFunction fn) { g_sleep = fn ? fn : &RealSleep; }

}  // namespace prefig::platform
