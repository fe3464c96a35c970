#pragma once
// The seven controls of the program's window, told apart from outside.

#include <optional>

#include <windows.h>

namespace pelmora::e2e {

struct MainWindowControls {
  HWND 透明标签1 = nullptr;
  HWND 组合框1 = nullptr;
  HWND 按钮1 = nullptr;
  HWND 按钮2 = nullptr;
  HWND 战网位置 = nullptr;
  HWND 按钮3 = nullptr;
  HWND 透明标签2 = nullptr;
};

// As a user tells them apart: the list by its kind, the buttons and two of the labels by their
// texts, and the location label, whose text changes, as the one child left. Nothing unless the
// window holds exactly these seven.
std::optional<MainWindowControls> identifyControls(HWND mainWindow);

}  // namespace pelmora::e2e
