#include "win/shell_folders.h"

#include <windows.h>
#include <shlobj.h>

#include "core/text.h"

namespace pelmora::win {
namespace {

// Folder codes 1 to 8, in order.
constexpr int kShellFolders[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                                 CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};

std::string shellFolder(int csidl) {
  char path[MAX_PATH] = {};  // the size this call is defined for
  // Not created when missing: a folder that isn't there yields nothing.
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, FALSE)) return {};
  return textFromBytes(path, sizeof path);
}

// GetWindowsDirectoryA, GetSystemDirectoryA and GetTempPathA tell the room they need (with the
// terminating zero) when given none, so no path is ever cut to a fixed buffer.
template <typename Query>
std::string systemFolder(Query query) {
  const UINT needed = query(nullptr, 0);
  if (needed == 0) return {};
  std::string path(needed, '\0');
  const UINT length = query(path.data(), needed);
  if (length == 0 || length >= needed) return {};
  path.resize(length);
  return path;
}

std::string folderOf(std::int32_t folderCode) {
  if (folderCode >= 1 && folderCode <= 8) return shellFolder(kShellFolders[folderCode - 1]);
  switch (folderCode) {
    case 9: return systemFolder(GetWindowsDirectoryA);
    case 10: return systemFolder(GetSystemDirectoryA);
    case 11: return systemFolder([](char* buffer, UINT size) { return UINT{GetTempPathA(size, buffer)}; });
    default: return {};
  }
}

// Whether the last character is a backslash of its own. The last byte alone can't tell: in code
// page 936 a 0x5C may be the second byte of a character, after which a separator is still needed.
bool endsWithSeparator(const std::string& path) {
  const char* end = path.c_str() + path.size();
  const char* last = CharPrevA(path.c_str(), end);
  return last + 1 == end && *last == '\\';
}

}  // namespace

std::string specialFolderPath(std::int32_t folderCode) {
  std::string path = folderOf(folderCode);
  // Callers join a file name straight onto the path.
  if (!path.empty() && !endsWithSeparator(path)) path.push_back('\\');
  return path;
}

}  // namespace pelmora::win
