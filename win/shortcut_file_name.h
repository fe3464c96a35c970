#pragma once

#include <string>
#include <string_view>

namespace pelmora::win {

// The name a shortcut is saved under: ".lnk" is appended unless the name already ends in it
// (ASCII letters in any case). A full stop elsewhere, such as in a profile folder named
// "li.wei", does not count: without the extension the file would not be a shortcut.
std::string completeShortcutFileName(std::string_view fileName);

}  // namespace pelmora::win
