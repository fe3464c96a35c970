#pragma once
// The registry value through which the program finds the launcher: HKEY_LOCAL_MACHINE
// "SOFTWARE\WOW6432Node\Blizzard Entertainment\Battle.net\Capabilities", value "ApplicationIcon".

#include <string>

#include <windows.h>

namespace pelmora::e2e {

// Missing while this lives, unless the test stores it; removed again at the end, together with
// the keys that had to be made for it.
class LauncherRegistryValue {
 public:
  LauncherRegistryValue();
  ~LauncherRegistryValue();
  LauncherRegistryValue(const LauncherRegistryValue&) = delete;
  LauncherRegistryValue& operator=(const LauncherRegistryValue&) = delete;

  // REG_SZ or REG_EXPAND_SZ, the text with its terminating zero, as an installer writes it.
  bool store(DWORD type, const std::string& text);

 private:
  void remove();
  bool keysExistedBefore_;
};

}  // namespace pelmora::e2e
