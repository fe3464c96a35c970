#pragma once
// Real input, as from a keyboard and a mouse: Windows hands keys to the focus of the foreground
// window and a click to the window under the pointer, and the program sees the modifier keys in
// its key state, as it would with a person at the machine.

#include <initializer_list>

#include <windows.h>

namespace pelmora::e2e {

// Presses and releases the key while the held keys (VK_SHIFT, VK_MENU, ...) are down.
void pressKey(WORD virtualKey, std::initializer_list<WORD> heldKeys = {});
// False when the pointer did not get there.
bool clickAt(POINT screenPoint);
bool clickCentreOf(HWND window);

}  // namespace pelmora::e2e
