#pragma once
#include <span>

namespace prefig::platform {

// Waits (ms) before the retries of a file that another program holds open for
// a moment. Only errors that can go away by waiting are retried.
inline constexpr int kFileRetryWaitsMs[] = {1, 10, 15, 30, 50, 100};
inline constexpr int kProfileRetryWaitsMs[] = {1, 10, 15, 30, 50, 200, 500};

bool IsTransientError(int error);

void SleepMs(int ms);

// Tests replace the sleep to see the waits without waiting; nullptr restores it.
using SleepFunction = void (*)(int ms);
void SetSleepFunction(SleepFunction fn);

// Runs `attempt` (returning 0 or an errno value) once, then again after each
// wait while it fails with a transient error. Returns the last result.
template <typename Attempt>
int RetryTransient(std::span<const int> waits, Attempt&& attempt) {
  int error = attempt();
  for (int wait : waits) {
    if (error == 0 || !IsTransientError(error)) break;
    SleepMs(wait);
    error = attempt();
  }
  return error;
}

}  // namespace prefig::platform
