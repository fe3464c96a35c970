#pragma once
// What can be read of another process's windows from outside, through Win32 calls only.

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <windows.h>

namespace pelmora::e2e {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};
void PrintTo(const Rect& rect, std::ostream* out);

std::string className(HWND window);
// The text that Windows keeps for the window; reading it never waits for the program.
std::string windowText(HWND window);
DWORD windowStyle(HWND window);
DWORD windowExStyle(HWND window);
DWORD classStyle(HWND window);
HWND ownerOf(HWND window);

Rect screenRect(HWND window);
// The window's rectangle in the client coordinates of another window, its parent for a control.
Rect rectInClientOf(HWND window, HWND reference);
bool contains(const Rect& outer, POINT point);

std::vector<HWND> childrenTopToBottom(HWND parent);
std::vector<HWND> topLevelWindowsOfThread(DWORD threadId);

// SendMessage to another process's window, bounded: nothing when the program does not answer in
// time (it is stuck, or busy in a handler).
std::optional<LRESULT> sendBounded(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// Some facts come out differently under Wine; the tests that meet one say so where they meet it.
bool runningUnderWine();

}  // namespace pelmora::e2e
