#pragma once
// Folders and files of one test.

#include <string>
#include <string_view>
#include <vector>

namespace pelmora::e2e {

// A fresh, empty folder inside the prefix's temporary folder, removed with everything in it when
// the test ends.
class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // Without a trailing backslash.
  const std::string& path() const { return path_; }
  // The path of something inside, given relative to the folder.
  std::string pathOf(std::string_view relative) const;
  // Makes a folder inside, with any folders above it; its path.
  std::string makeFolder(std::string_view relative) const;

 private:
  std::string path_;
};

// The names of what a folder holds.
std::vector<std::string> namesIn(const std::string& folder);
bool isFile(const std::string& path);
bool isFolder(const std::string& path);

}  // namespace pelmora::e2e
