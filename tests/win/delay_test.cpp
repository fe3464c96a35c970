#include <cstdint>

#include <gtest/gtest.h>
#include <windows.h>

#include "win/delay.h"

namespace pelmora::win {
namespace {

// Measured with the performance counter: Wine's tick count moves in steps coarse enough to make a
// 120 ms sleep look like 106 ms.
double millisecondsTaken(std::int32_t delay) {
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  delayMilliseconds(delay);
  QueryPerformanceCounter(&end);
  return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

TEST(DelayMilliseconds, BlocksForTheTimeGivenAndForNoneWhenItIsNegative) {
  // Sleep may wake up to one timer tick early.
  EXPECT_GE(millisecondsTaken(120), 100.0);
  // A negative count must not become an endless Sleep(INFINITE).
  EXPECT_LT(millisecondsTaken(-1), 100.0);
  EXPECT_LT(millisecondsTaken(INT32_MIN), 100.0);
}

}  // namespace
}  // namespace pelmora::win
