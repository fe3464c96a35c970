// Stands in for the launcher that the program starts: it writes down how it was started, next to
// itself, and ends. The record "<own path>.record" holds the current directory on its first line,
// then each argument after the program's own name on a line of its own.

#include <cstdlib>
#include <string>

#include <windows.h>

#include "win/unique_resource.h"

namespace {

std::string ownPath() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string currentDirectory() {
  const DWORD size = GetCurrentDirectoryA(0, nullptr);
  std::string directory(size, '\0');
  directory.resize(GetCurrentDirectoryA(size, directory.data()));
  return directory;
}

bool writeFile(const std::string& path, const std::string& content) {
  const pelmora::win::UniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) &&
         written == content.size();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  std::string record = currentDirectory() + "\n";
  for (int i = 1; i < __argc; ++i) record += std::string(__argv[i]) + "\n";

  // Written aside and renamed, so that a reader never meets half a record.
  const std::string path = ownPath() + ".record";
  const std::string partial = path + ".partial";
  if (!writeFile(partial, record)) return 1;
  return MoveFileExA(partial.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
