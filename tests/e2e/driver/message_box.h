#pragma once
// The program's message boxes, read and answered from outside.

#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

namespace pelmora::e2e {

enum class BoxIcon { unrecognised, error, question, exclamation, information };
void PrintTo(BoxIcon icon, std::ostream* out);

struct MessageBoxView {
  std::string title;
  std::string text;
  HWND owner = nullptr;
  std::vector<int> buttons;  // control IDs, IDOK ... IDNO, in the order the box holds them
  BoxIcon icon = BoxIcon::unrecognised;
};

// A dialog that MessageBox made: it holds the message in a static text of ID 0xFFFF.
bool isMessageBox(HWND dialog);
// Reads the box once its icon shows on the screen.
MessageBoxView readMessageBox(HWND box);
// Clicks the button of that ID, as a user would; false when the pointer did not get there.
bool pressMessageBoxButton(HWND box, int buttonId);

}  // namespace pelmora::e2e
