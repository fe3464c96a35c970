#include "tests/e2e/driver/test_folder.h"

#include <windows.h>
#include <shellapi.h>

#include "tests/e2e/driver/owners.h"

namespace pelmora::e2e {
namespace {

std::string temporaryFolder() {
  std::string path(MAX_PATH + 1, '\0');  // GetTempPathA's documented maximum
  path.resize(GetTempPathA(static_cast<DWORD>(path.size()), path.data()));
  return path;
}

void removeTree(const std::string& path) {
  std::string from = path;
  from.push_back('\0');  // the list of paths ends with an empty one
  SHFILEOPSTRUCTA operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationA(&operation);
}

DWORD attributesOf(const std::string& path) {
  return GetFileAttributesA(path.c_str());
}

}  // namespace

TestFolder::TestFolder() {
  const std::string base = temporaryFolder() + "pelmora-e2e-" + std::to_string(GetCurrentProcessId()) + "-";
  for (int attempt = 0;; ++attempt) {
    path_ = base + std::to_string(attempt);
    if (CreateDirectoryA(path_.c_str(), nullptr)) return;
    if (GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

TestFolder::~TestFolder() {
  removeTree(path_);
}

std::string TestFolder::pathOf(std::string_view relative) const {
  return path_ + "\\" + std::string(relative);
}

std::string TestFolder::makeFolder(std::string_view relative) const {
  const std::string folder = pathOf(relative);
  // Each folder on the way down, the last one included.
  std::size_t end = path_.size() + 1;
  do {
    end = folder.find('\\', end);
    CreateDirectoryA(folder.substr(0, end).c_str(), nullptr);
    if (end != std::string::npos) ++end;
  } while (end != std::string::npos);
  return folder;
}

std::vector<std::string> namesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found{};
  const UniqueFindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
  if (!search) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search.get(), &found));
  return names;
}

bool isFile(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool isFolder(const std::string& path) {
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace pelmora::e2e
