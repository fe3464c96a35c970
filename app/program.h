#pragma once

#include <optional>

#include <windows.h>

#include "app/live_operations.h"
#include "app/main_window.h"
#include "app/ole_session.h"
#include "win/unique_resource.h"

namespace pelmora::app {

// The window's icons, loaded once from the exe's group icon and kept until the program ends.
struct WindowIcons {
  win::UniqueIcon big;    // 32 x 32
  win::UniqueIcon small;  // 16 x 16
};

// The life of the process around the main window: start-up, the message loop and shut-down.
class Program {
 public:
  explicit Program(HINSTANCE instance) : instance_(instance) {}
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  // Starts, runs until the window is closed and shuts down. Yields the exit code: 0, or -1 when
  // the window could not be created (after telling the user).
  int run();

  // Shuts down on the spot and ends the process with the exit code; never returns.
  [[noreturn]] void endProgram(int exitCode);

 private:
  int runMessageLoop();
  void shutDown();

  HINSTANCE instance_;
  // Declared in the order of start-up, so that they also go in the order of shut-down.
  std::optional<OleSession> ole_;
  WindowIcons icons_;
  MainWindow window_;
  LiveOperations operations_{window_, *this};
};

}  // namespace pelmora::app
