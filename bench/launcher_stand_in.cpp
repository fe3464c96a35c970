// Stands in for the game launcher: tells the benchmark the moment it runs, then ends.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE started = OpenEventA(EVENT_MODIFY_STATE, FALSE, "PelmoraBenchLauncherStarted");
  if (started) {
    SetEvent(started);
    CloseHandle(started);
  }
  return 0;
}
