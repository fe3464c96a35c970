// Stands in for a launcher started through the shell: it writes down how it was started, into
// "<its own path>.record", and ends. Lines: the show command it was given, its current directory,
// then each command-line argument.
#include <cstdlib>
#include <fstream>
#include <string>

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char ownPath[MAX_PATH] = {};
  if (GetModuleFileNameA(nullptr, ownPath, MAX_PATH) == 0) return 1;
  char directory[MAX_PATH] = {};
  if (GetCurrentDirectoryA(MAX_PATH, directory) == 0) return 1;
  STARTUPINFOA startup{};
  startup.cb = sizeof(startup);
  GetStartupInfoA(&startup);
  const int showCommand = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

  // Written aside and then renamed, so that a reader never sees half a record.
  const std::string record = std::string(ownPath) + ".record";
  const std::string partial = record + ".partial";
  {
    std::ofstream out(partial, std::ios::binary);
    out << showCommand << '\n' << directory << '\n';
    for (int i = 1; i < __argc; ++i) out << __argv[i] << '\n';
    if (!out) return 1;
  }
  return MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
