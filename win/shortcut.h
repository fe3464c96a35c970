#pragma once

#include <optional>
#include <string>

namespace pelmora::win {

// Writes a shell link: target, show command SW_SHOW, and the description, arguments and working
// directory that are given (an empty text sets an empty property; a left-out one sets nothing).
// The name gets ".lnk" unless it ends in it; an existing file is replaced. Needs OLE initialised
// on the calling thread. True when the file was saved.
bool createShortcutFile(const std::string& fileName, const std::string& targetPath,
                        const std::optional<std::string>& description, const std::optional<std::string>& arguments,
                        const std::optional<std::string>& workingDirectory);

}  // namespace pelmora::win
