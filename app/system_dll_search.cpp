// The exe runs elevated, often from a Downloads folder where anyone may have dropped a DLL named
// like a system one. So DLLs load from the system folder only, from before the C runtime starts:
// its start-up already loads DLLs (the stack protector seeds its guard from the system's crypto
// provider, which loads bcrypt.dll and crypt32.dll by name), and WinMain would come too late.
//
// This file must be linked into the exe itself, not through a library: nothing refers to it, so an
// archive would leave it out.
#include <windows.h>

namespace {

void loadLibrariesFromSystemFolderOnly() {
  // Looked up by name, so that a Windows without the call (7 without its update) still starts.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const FARPROC found = GetProcAddress(GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
  if (found) {
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void (*)()>(found));
    setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  }
  // Start-up makes the exe's folder the current directory. The current directory is still searched
  // where the default directories don't apply (a DLL loaded with LOAD_WITH_ALTERED_SEARCH_PATH, as
  // COM loads its servers, looks there for its own dependencies) and on a Windows without the call
  // above: the empty directory takes it out of both, here and in the programs this one starts.
  SetDllDirectoryA("");
}

// The loader calls the exe's TLS callbacks as the process attaches, before the exe's entry point.
void NTAPI onTlsEvent(PVOID, DWORD reason, PVOID) {
  if (reason == DLL_PROCESS_ATTACH) loadLibrariesFromSystemFolderOnly();
}

}  // namespace

// Listed where the loader finds the exe's TLS callbacks: between the C runtime's markers in
// .CRT$XLA and .CRT$XLZ, which the linker sorts by name.
__attribute__((section(".CRT$XLB"), used)) PIMAGE_TLS_CALLBACK pelmoraSystemDllSearch = onTlsEvent;
