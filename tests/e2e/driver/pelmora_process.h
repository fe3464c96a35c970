#pragma once
// The program under test, started as a user starts it and worked from outside.

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/e2e/driver/main_window_controls.h"
#include "win/unique_resource.h"

namespace pelmora::e2e {

// Where the program under test lives: the Windows path of Pelmora.exe, and of its folder.
std::string pelmoraExePath();
std::string pelmoraFolder();

class PelmoraProcess {
 public:
  // Starts Pelmora.exe from the given current directory, as a double click would, and waits until
  // its window shows with the keyboard focus inside it. Nothing when it doesn't.
  static std::unique_ptr<PelmoraProcess> start(const std::string& currentDirectory);
  // Ends the program, and every process it started, if they still run.
  ~PelmoraProcess();

  PelmoraProcess(const PelmoraProcess&) = delete;
  PelmoraProcess& operator=(const PelmoraProcess&) = delete;

  HWND mainWindow() const { return mainWindow_; }
  const MainWindowControls& controls() const { return controls_; }
  HANDLE process() const { return process_.get(); }
  DWORD threadId() const { return threadId_; }

  // The window of the program's thread that has the keyboard focus.
  HWND focus() const;
  // Whether a window of the program is the foreground window, the one that takes the keys.
  bool isForeground() const;
  // The program's dialogs on the screen: its message boxes and the browse dialog.
  std::vector<HWND> openDialogs() const;
  // The one dialog that the program shows; null when none shows in time.
  HWND waitForDialog() const;

  // A key from the keyboard, once a window of the program is in the foreground (keys go there).
  bool pressKey(WORD virtualKey, std::initializer_list<WORD> heldKeys = {});
  // A click with the mouse on the centre of a control; false when the pointer did not get there.
  bool click(HWND control);
  // Makes the program's window the active one as a user does, with a click on its caption bar,
  // unless it is active already.
  bool bringToFront();
  // Picks a region as a user does: drops the list down with a click and clicks the item.
  bool pickRegion(int index);

  bool hasEnded() const;
  // The exit code, once the program has ended; nothing when it runs on past the wait.
  std::optional<int> waitForExit() const;
  // How many processes the program has started so far: its job counts them.
  unsigned processesStarted() const;

 private:
  PelmoraProcess(win::UniqueHandle job, win::UniqueHandle process, DWORD threadId);

  win::UniqueHandle job_;
  win::UniqueHandle process_;
  DWORD threadId_;
  HWND mainWindow_ = nullptr;
  MainWindowControls controls_;
};

}  // namespace pelmora::e2e
