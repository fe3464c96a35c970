#pragma once

#include <cstdint>

namespace pelmora::win {

// Blocks the thread; no window message is handled meanwhile. A negative count means 0.
void delayMilliseconds(std::int32_t milliseconds);

}  // namespace pelmora::win
