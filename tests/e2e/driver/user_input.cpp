#include "tests/e2e/driver/user_input.h"

#include <vector>

#include "tests/e2e/driver/polling.h"

namespace pelmora::e2e {
namespace {

INPUT keyEvent(WORD virtualKey, bool release) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  return input;
}

// Absolute mouse coordinates run from 0 to 65535 over the primary screen. Rounded up, so that
// Windows, which rounds, and Wine, which truncates, both land on the pixel meant.
LONG normalized(LONG pixel, int screenSize) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screenSize - 1) / screenSize);
}

INPUT mouseEvent(POINT screenPoint, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = normalized(screenPoint.x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = normalized(screenPoint.y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

void pressKey(WORD virtualKey, std::initializer_list<WORD> heldKeys) {
  std::vector<INPUT> inputs;
  for (const WORD held : heldKeys) inputs.push_back(keyEvent(held, false));
  inputs.push_back(keyEvent(virtualKey, false));
  inputs.push_back(keyEvent(virtualKey, true));
  for (auto held = std::rbegin(heldKeys); held != std::rend(heldKeys); ++held) inputs.push_back(keyEvent(*held, true));
  send(inputs);
}

bool clickAt(POINT screenPoint) {
  // The pointer goes first, and the button only once Windows has it there. Under Wine the X
  // server follows each move and reports it back, and a late report of an earlier move puts the
  // pointer back for a moment: so each button event carries the position as well.
  std::vector<INPUT> move{mouseEvent(screenPoint, MOUSEEVENTF_MOVE)};
  const bool arrived = waitUntil([&] {
    POINT now{};
    if (GetCursorPos(&now) && now.x == screenPoint.x && now.y == screenPoint.y) return true;
    send(move);
    return false;
  });
  std::vector<INPUT> press{mouseEvent(screenPoint, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN),
                           mouseEvent(screenPoint, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)};
  send(press);
  return arrived;
}

bool clickCentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return clickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

}  // namespace pelmora::e2e
