// Writes one shortcut as the program does, for a reader outside Windows to check.
// write_shortcut NAME TARGET DESCRIPTION ARGUMENTS; exit code 0 when it was saved.
#include <optional>

#include <windows.h>
#include <ole2.h>

#include "win/shortcut.h"

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  OleInitialize(nullptr);
  const bool saved = pelmora::win::createShortcutFile(argv[1], argv[2], argv[3], argv[4], std::nullopt);
  OleUninitialize();
  return saved ? 0 : 1;
}
