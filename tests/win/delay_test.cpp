#include <cstdint>

#include <gtest/gtest.h>
#include <windows.h>

#include "win/delay.h"

namespace pelmora::win {
namespace {

ULONGLONG millisecondsTaken(std::int32_t delay) {
  const ULONGLONG start = GetTickCount64();
  delayMilliseconds(delay);
  return GetTickCount64() - start;
}

TEST(DelayMilliseconds, BlocksForTheTimeGivenAndForNoneWhenItIsNegative) {
  EXPECT_GE(millisecondsTaken(120), 110u);
  // A negative count must not become an endless Sleep(INFINITE).
  EXPECT_LT(millisecondsTaken(-1), 100u);
  EXPECT_LT(millisecondsTaken(INT32_MIN), 100u);
}

}  // namespace
}  // namespace pelmora::win
