#include <windows.h>

#include "app/program.h"

namespace {

// The exe runs elevated, often from a Downloads folder where anyone may have dropped a DLL named
// like a system one: from here on, DLLs load from the system folder only. Looked up by name, so
// a Windows without the call still starts.
void loadLibrariesFromSystemFolderOnly() {
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
  if (!found) return;
  const auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
  setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Before anything that may load a DLL.
  loadLibrariesFromSystemFolderOnly();
  pelmora::app::Program program(instance);
  return program.run();
}
