#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include <windows.h>

#include "app/trans_label.h"
#include "win/unique_resource.h"

namespace pelmora {
class Operations;
}

namespace pelmora::app {

// Which window could not be created, for the error box at start.
struct CreationFailure {
  std::string windowName;  // "MainWindow" or the control's name
  std::string className;
  DWORD errorCode;  // GetLastError() right after the failed creation
};

// The program's one top-level window: a fixed form with the region list, three buttons and three
// labels. Its buttons run the handlers of the switching logic on the operations given at creation.
class MainWindow {
 public:
  MainWindow() = default;
  // The controls' objects go before the window's handle: the window and its controls go first.
  ~MainWindow() { destroy(); }
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window and its controls hidden, runs onMainWindowCreated on them, then shows the
  // window. Stops at the first window that can't be created and says which.
  std::optional<CreationFailure> create(HINSTANCE instance, HICON bigIcon, HICON smallIcon, Operations& operations);

  // Destroys the window at once, with no question; no event reaches a handler from here on.
  void destroy();
  bool exists() const { return window_.valid(); }
  HWND handle() const { return window_.get(); }

  // The message loop shows every key-down message to the window before translating it. True when
  // the window has consumed the key (Tab and Shift+Tab move the focus, Esc closes the window).
  bool handleKeyBeforeTranslation(const MSG& message);

  // Once the message loop runs, the window's end is the end of the loop.
  void quitMessageLoopWhenDestroyed() { quitWhenDestroyed_ = true; }

  // The three operations of the switching logic on the controls.
  const std::string& locationText() const { return 战网位置.text(); }
  void setLocationText(const std::string& text);  // repainted at once
  std::int32_t selectedRegionIndex() const;        // 0 to 3, or -1 while nothing is selected

  static constexpr char className[] = "PelmoraMainWindow";

 private:
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void onEraseBackground(HDC dc);
  void onCommand(int controlId, int notification);
  void onActivate(WPARAM state);
  void onSetFocus();
  void onDestroy();

  std::optional<CreationFailure> createControls(HINSTANCE instance);
  void stackControls();
  void moveFocus(bool forward);
  bool isOwnKeyboardTarget(HWND target) const;
  void repaintUnder(HWND label);

  win::UniqueWindow window_;
  Operations* operations_ = nullptr;  // null until created and once destroyed
  bool quitWhenDestroyed_ = false;
  HWND focusWhenDeactivated_ = nullptr;

  // The controls, children of the window, which destroys them with itself.
  TransLabel 透明标签1;
  HWND 组合框1 = nullptr;
  HWND 按钮1 = nullptr;
  HWND 按钮2 = nullptr;
  TransLabel 战网位置;
  HWND 按钮3 = nullptr;
  TransLabel 透明标签2;

  // The focus order of Tab; labels never take the focus.
  std::array<HWND, 4> focusOrder() const { return {组合框1, 按钮1, 按钮2, 按钮3}; }
};

}  // namespace pelmora::app
