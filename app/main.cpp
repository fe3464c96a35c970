#include <windows.h>

#include "app/program.h"

// DLL search is restricted before this runs (system_dll_search.cpp).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  pelmora::app::Program program(instance);
  return program.run();
}
