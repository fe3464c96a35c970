#pragma once
// A drop-down list of another process, read from outside.

#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {

std::vector<std::string> comboItems(HWND combo);
// -1 while nothing is selected.
std::optional<int> comboSelection(HWND combo);
bool comboIsDroppedDown(HWND combo);
// What the list reports as the rectangle of its dropped-down state, in screen coordinates.
Rect comboDroppedRect(HWND combo);
std::optional<int> comboItemHeight(HWND combo);
// What a drop-down list of that style and size, given DEFAULT_GUI_FONT, reports of itself when
// made here: the yardstick for what the platform makes of the designed numbers.
struct ComboMeasures {
  int itemHeight = 0;
  int droppedHeight = 0;  // of CB_GETDROPPEDCONTROLRECT
};
ComboMeasures measureFreshCombo(DWORD style, int width, int height);
// The dropped-down part: a pop-up window of the list's own thread.
HWND comboDroppedList(HWND combo);

}  // namespace pelmora::e2e
