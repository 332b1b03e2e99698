#include "platform/retry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <vector>

namespace prefig::platform {
namespace {

std::vector<int> g_waits;
void RecordWait(int ms) { g_waits.push_back(ms); }

class RetryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_waits.clear();
    SetSleepFunction(&RecordWait);
  }
  void TearDown() override { SetSleepFunction(nullptr); }
};

TEST_F(RetryTest, BusyFilesAreRetriedAfterEachWaitInTurnUntilTheLastLastingErrorsNever) {
  int calls = 0;
  EXPECT_EQ(RetryTransient(kFileRetryWaitsMs, [&] { return ++calls < 4 ? EBUSY : 0; }), 0);
  EXPECT_EQ(g_waits, (std::vector<int>{1, 10, 15}));
  g_waits.clear();
  EXPECT_EQ(RetryTransient(kProfileRetryWaitsMs, [] { return EAGAIN; }), EAGAIN);
  EXPECT_EQ(g_waits, (std::vector<int>{1, 10, 15, 30, 50, 200, 500}));
  // Lasting errors are not waited for.
  g_waits.clear();
  calls = 0;
  EXPECT_EQ(RetryTransient(kFileRetryWaitsMs,
                           [&] {
                             ++calls;
                             return EACCES;
                           }),
            EACCES);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(g_waits.empty());
}

}  // namespace
}  // namespace prefig::platform
