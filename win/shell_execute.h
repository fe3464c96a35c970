#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace pelmora::win {

// Verb codes: 1 edit, 2 explore, 3 find, 4 open, 5 print; otherwise the default action.
// Show-mode codes: 1 SW_HIDE, 2 SW_SHOWNORMAL, 3 SW_SHOWMINIMIZED, 4 SW_SHOWMAXIMIZED,
// 5 SW_SHOWNA, 6 SW_MINIMIZE; otherwise SW_SHOWNORMAL. A left-out directory is the empty text,
// which starts the program in this process's current directory. True when the shell started the
// file; it does not wait for the started program.
bool shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                  const std::optional<std::string>& parameters, const std::optional<std::string>& directory,
                  std::optional<std::int32_t> showModeCode);

}  // namespace pelmora::win
