#include "win/delay.h"

#include <algorithm>

#include <windows.h>

namespace pelmora::win {

void delayMilliseconds(std::int32_t milliseconds) {
  Sleep(static_cast<DWORD>(std::max(milliseconds, 0)));
}

}  // namespace pelmora::win
