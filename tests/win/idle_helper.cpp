// Stands in for a running launcher: it does nothing until it is ended. A test that forgets it
// can't leave it behind for long: it ends by itself, with an exit code that no termination gives.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Sleep(60'000);
  return 3;
}
