#pragma once
// Starts a build of the program as a user would and works it from outside, through window
// messages only: as much of it as the planted-DLL tests need (the browse dialog, the shortcut
// command, closing). Every wait is bounded.

#include <memory>
#include <string>

#include <windows.h>

#include "win/unique_resource.h"

namespace pelmora::planting {

class ProgramDriver {
 public:
  // Starts the exe with that current directory and waits for its window; null when it does not
  // show. The process is ended when the driver goes, if it still runs.
  static std::unique_ptr<ProgramDriver> start(const std::string& exe, const std::string& currentDirectory);
  ~ProgramDriver();
  ProgramDriver(const ProgramDriver&) = delete;
  ProgramDriver& operator=(const ProgramDriver&) = delete;

  // Opens the browse dialog with its button and cancels it. False when the dialog never shows or
  // never goes away.
  bool browseAndCancel();
  // Picks the list's first region as a user's click does, clicks the shortcut button and answers
  // the box that follows. False when no box shows or it never goes away.
  bool makeShortcut();
  // Closes the window as its close box does and waits for the process to end; true when it ended
  // by itself.
  bool close();

 private:
  ProgramDriver(win::UniqueHandle process, DWORD threadId, HWND window);
  HWND button(const char* text) const;
  HWND waitForDialog() const;
  bool answerDialog(HWND dialog, int buttonId) const;

  win::UniqueHandle process_;
  DWORD threadId_;
  HWND window_;
};

}  // namespace pelmora::planting
