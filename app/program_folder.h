#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelmora::app {

// Everything before the last backslash, without it; nothing when the path holds none. The path is
// read character by character in the ANSI code page, so the second byte of a two-byte character
// (0x5C in many code page 936 characters) never counts as a backslash.
std::optional<std::string> folderOfPath(std::string_view path);

// Makes the folder of this program's exe the current directory, so that a program that the shell
// starts with no directory of its own starts there. A failure changes nothing and is not reported.
void useProgramFolderAsCurrentDirectory();

}  // namespace pelmora::app
