#pragma once

#include <string>
#include <vector>

#include <windows.h>

namespace pelmora::e2e {

// Points the user's desktop folder (the shell folder "Desktop" under HKEY_CURRENT_USER) at a
// folder of the test, and back when the test ends. The shell reads it afresh at every request, so
// the program under test writes its shortcuts there.
class DesktopFolder {
 public:
  explicit DesktopFolder(const std::string& folder);
  ~DesktopFolder();
  DesktopFolder(const DesktopFolder&) = delete;
  DesktopFolder& operator=(const DesktopFolder&) = delete;

  const std::string& path() const { return folder_; }

 private:
  std::string folder_;
  bool hadValue_ = false;
  DWORD previousType_ = REG_NONE;
  std::vector<BYTE> previousData_;
};

}  // namespace pelmora::e2e
