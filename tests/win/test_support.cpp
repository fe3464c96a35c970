#include "tests/win/test_support.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "core/text.h"

namespace pelmora::win::testing {
namespace {

void removeTree(const std::string& path) {
  WIN32_FIND_DATAA found{};
  const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH + 1] = {};
  GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "pelmora-" + uniqueName() + "-" + std::to_string(counter++);
  removeTree(path_);
  EXPECT_TRUE(CreateDirectoryA(path_.c_str(), nullptr)) << path_;
}

TempFolder::~TempFolder() {
  removeTree(path_);
}

bool createFolders(const std::string& path) {
  const std::size_t separator = path.find_last_of('\\');
  if (separator != std::string::npos && separator > 2 && !folderExists(path.substr(0, separator))) {
    createFolders(path.substr(0, separator));
  }
  return CreateDirectoryA(path.c_str(), nullptr) || folderExists(path);
}

bool fileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::string builtProgram(const std::string& fileName) {
  char own[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, own, MAX_PATH);
  std::string folder = textFromBytes(own, sizeof own);
  folder.resize(folder.find_last_of('\\') + 1);
  return folder + fileName;
}

std::string uniqueName() {
  const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "test";
  for (char& c : name) {
    if (c == '/') c = '-';
  }
  return name + "-" + std::to_string(GetCurrentProcessId());
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMilliseconds;
  while (!condition()) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(10);
  }
  return true;
}

}  // namespace pelmora::win::testing
