#pragma once

#include <optional>
#include <span>
#include <string>

#include <windows.h>

namespace pelmora::win {

// The shell's browse dialog, rooted at the desktop; files can be chosen too when includeFiles is
// true. The program's own top-level windows are disabled while it is open and restored after.
// Yields the chosen item's file-system path; empty when cancelled or when the item has none.
std::string browseForFile(const std::string& title, std::optional<bool> includeFiles,
                          std::span<const HWND> programWindows);

}  // namespace pelmora::win
