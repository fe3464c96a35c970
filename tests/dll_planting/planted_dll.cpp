// What an attacker drops beside a downloaded exe, named like a system DLL. It does nothing but
// tell on itself: when a process loads it, it adds the path of that process's exe to
// "<its own path>.loaded". Then it refuses to stay, so the load fails as for a broken DLL and the
// process goes on without it (it exports nothing a process could use).
#include <windows.h>

namespace {

// Room for the longest path Windows gives, in bytes of the ANSI code page.
constexpr DWORD kLongestPath = 65536;
// Static rather than on the stack, and nothing of the C++ runtime: this runs under the loader
// lock, often while the process is still being set up.
char dllPath[kLongestPath];
char exePath[kLongestPath];
constexpr char kRecordSuffix[] = ".loaded";

void recordLoad(HMODULE self) {
  const DWORD dllLength = GetModuleFileNameA(self, dllPath, kLongestPath - sizeof kRecordSuffix);
  const DWORD exeLength = GetModuleFileNameA(nullptr, exePath, kLongestPath - 1);
  if (dllLength == 0 || exeLength == 0) return;
  CopyMemory(dllPath + dllLength, kRecordSuffix, sizeof kRecordSuffix);
  exePath[exeLength] = '\n';
  const HANDLE record = CreateFileA(dllPath, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (record == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(record, exePath, exeLength + 1, &written, nullptr);
  CloseHandle(record);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  recordLoad(self);
  return FALSE;
}
