#include "win/message_box.h"

namespace pelmora::win {

std::int32_t showMessage(const std::string& message, std::uint32_t style, const std::string& title, HWND owner) {
  // Task-modal: without an owner, Windows disables every top-level window of this thread while
  // the box is up, so the program takes no click behind it.
  const UINT type = (style & MB_SYSTEMMODAL) ? style : style | MB_TASKMODAL;
  const int button = MessageBoxA(owner, message.c_str(), title.c_str(), type);
  // IDOK (1) to IDNO (7) become 0 to 6; a box that could not be shown (0) counts as OK.
  return (button >= IDOK && button <= IDNO) ? button - IDOK : 0;
}

}  // namespace pelmora::win
