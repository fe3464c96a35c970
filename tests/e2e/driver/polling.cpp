#include "tests/e2e/driver/polling.h"

#include <windows.h>

namespace pelmora::e2e {

bool waitUntil(const std::function<bool()>& condition, unsigned timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
  for (;;) {
    if (condition()) return true;
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
}

}  // namespace pelmora::e2e
