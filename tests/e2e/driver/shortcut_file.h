#pragma once
// A shortcut file as the shell reads it back.

#include <optional>
#include <string>

namespace pelmora::e2e {

struct ShortcutFile {
  std::string target;
  std::string arguments;
  std::string description;
  // Read from the file's header (offset 0x3C): Wine's shell link does not load it back.
  unsigned long storedShowCommand = 0;
};

// Loaded through the shell's own link object (IShellLinkA, IPersistFile::Load). Needs COM.
std::optional<ShortcutFile> readShortcutFile(const std::string& path);

}  // namespace pelmora::e2e
