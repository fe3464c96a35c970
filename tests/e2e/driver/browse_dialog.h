#pragma once
// The shell's browse dialog as the program shows it, worked from outside.

#include <string>

#include <windows.h>

namespace pelmora::e2e {

// A dialog with the shell's folder tree in it.
bool isBrowseDialog(HWND dialog);
// The text the program asked the dialog to show above its tree.
std::string browsePrompt(HWND dialog);
// Selects the item of that path in the tree. Wine's dialog has no edit box (BIF_EDITBOX is not
// implemented there) and its OK ignores typed text, so the selection is asked of the dialog
// itself (BFFM_SETSELECTION), with the path copied into the program's memory. True once the tree
// shows the item selected.
bool selectInBrowseDialog(HANDLE program, HWND dialog, const std::string& path);
// Clicks OK (IDOK) or Cancel (IDCANCEL), as a user would; false when the pointer did not get there.
bool pressBrowseButton(HWND dialog, int buttonId);

}  // namespace pelmora::e2e
