#include "tests/e2e/driver/desktop_folder.h"

#include "win/unique_resource.h"

namespace pelmora::e2e {
namespace {

constexpr char kShellFoldersKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr char kDesktopValue[] = "Desktop";

win::UniqueRegistryKey openShellFolders() {
  win::UniqueRegistryKey key;
  RegCreateKeyExA(HKEY_CURRENT_USER, kShellFoldersKey, 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                  key.put(), nullptr);
  return key;
}

}  // namespace

DesktopFolder::DesktopFolder(const std::string& folder) : folder_(folder) {
  const win::UniqueRegistryKey key = openShellFolders();
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), kDesktopValue, nullptr, &previousType_, nullptr, &size) == ERROR_SUCCESS) {
    previousData_.resize(size);
    hadValue_ = RegQueryValueExA(key.get(), kDesktopValue, nullptr, &previousType_, previousData_.data(), &size) ==
                ERROR_SUCCESS;
    previousData_.resize(size);
  }
  RegSetValueExA(key.get(), kDesktopValue, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                 static_cast<DWORD>(folder.size() + 1));
}

DesktopFolder::~DesktopFolder() {
  const win::UniqueRegistryKey key = openShellFolders();
  if (hadValue_) {
    RegSetValueExA(key.get(), kDesktopValue, 0, previousType_, previousData_.data(),
                   static_cast<DWORD>(previousData_.size()));
  } else {
    RegDeleteValueA(key.get(), kDesktopValue);
  }
}

}  // namespace pelmora::e2e
