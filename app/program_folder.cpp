#include "app/program_folder.h"

#include <windows.h>

namespace pelmora::app {
namespace {

// The full path of this program's exe; empty when Windows can't give it. The buffer grows until
// the path fits, so a long path is never cut short.
std::string programPath() {
  constexpr std::size_t kLargestPath = 65536;  // 32767 characters of at most two bytes each
  std::string path(MAX_PATH, '\0');
  while (path.size() <= kLargestPath) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return {};
}

}  // namespace

std::optional<std::string> folderOfPath(std::string_view path) {
  std::optional<std::size_t> lastBackslash;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;  // the trail byte belongs to this character
    } else if (path[i] == '\\') {
      lastBackslash = i;
    }
  }
  if (!lastBackslash) return std::nullopt;
  return std::string(path.substr(0, *lastBackslash));
}

void useProgramFolderAsCurrentDirectory() {
  if (const auto folder = folderOfPath(programPath())) SetCurrentDirectoryA(folder->c_str());
}

}  // namespace pelmora::app
