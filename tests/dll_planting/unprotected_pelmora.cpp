// Pelmora without the restriction of where DLLs load from: the same window, handlers and resources,
// entered the same way, but without the exe's TLS callback. The control of the planted-DLL tests:
// where this loads a planted DLL and Pelmora.exe does not, the restriction made the difference.
#include <windows.h>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  pelmora::app::Program program(instance);
  return program.run();
}
