#pragma once
// What the Windows-side tests share: folders of their own, the helper programs, bounded waits.

#include <functional>
#include <string>

#include <windows.h>

namespace pelmora::win::testing {

// A fresh folder under the temporary directory, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder's path, without a trailing backslash.
  const std::string& path() const { return path_; }
  // path() joined with a relative name.
  std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Creates a folder and any missing folders above it.
bool createFolders(const std::string& path);
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// The whole content of a file; empty when it can't be read.
std::string readFile(const std::string& path);

// The path of a program built beside the test program (a helper).
std::string builtProgram(const std::string& fileName);

// A unique text for names of keys and values: the test's name and this process's ID.
std::string uniqueName();

// Polls the condition until it holds or the time is up; true when it held. (<chrono> can't be
// used here: its micro sign has no code page 936 form.)
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMilliseconds = 10'000);

}  // namespace pelmora::win::testing
