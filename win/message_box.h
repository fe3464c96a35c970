#pragma once

#include <cstdint>
#include <string>

#include <windows.h>

namespace pelmora::win {

// A task-modal message box (unless the style asks for a system-modal one). Yields the answer
// code: 0 OK, 1 Cancel, 2 Abort, 3 Retry, 4 Ignore, 5 Yes, 6 No; 0 also when no box could be shown.
std::int32_t showMessage(const std::string& message, std::uint32_t style, const std::string& title, HWND owner);

}  // namespace pelmora::win
