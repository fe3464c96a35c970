#pragma once

#include <cstdint>
#include <string>

namespace pelmora::win {

// Folder codes: 1 documents, 2 favourites, 3 desktop, 4 fonts, 5 start menu, 6 programs,
// 7 start-up, 8 application data, 9 Windows, 10 system, 11 temporary files. Yields the path with
// exactly one trailing backslash, or empty (an unknown code calls nothing).
std::string specialFolderPath(std::int32_t folderCode);

}  // namespace pelmora::win
