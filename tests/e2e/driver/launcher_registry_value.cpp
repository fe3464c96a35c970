#include "tests/e2e/driver/launcher_registry_value.h"

#include "win/unique_resource.h"

namespace pelmora::e2e {
namespace {

// The path is used as it stands, its "WOW6432Node" included: the program asks for no WOW64 view,
// and from the 64-bit processes of these tests that names a real key, the one the program reads.
constexpr char kTopKeyWeMayCreate[] = "SOFTWARE\\WOW6432Node\\Blizzard Entertainment";
constexpr char kKey[] = "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities";
constexpr char kValueName[] = "ApplicationIcon";

bool keyExists(const char* path) {
  win::UniqueRegistryKey key;
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

}  // namespace

LauncherRegistryValue::LauncherRegistryValue() : keysExistedBefore_(keyExists(kTopKeyWeMayCreate)) {
  remove();
}

LauncherRegistryValue::~LauncherRegistryValue() {
  if (keysExistedBefore_) {
    remove();
  } else {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTopKeyWeMayCreate);
  }
}

bool LauncherRegistryValue::store(DWORD type, const std::string& text) {
  win::UniqueRegistryKey key;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.put(), nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExA(key.get(), kValueName, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

void LauncherRegistryValue::remove() {
  win::UniqueRegistryKey key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_SET_VALUE, key.put()) == ERROR_SUCCESS) {
    RegDeleteValueA(key.get(), kValueName);
  }
}

}  // namespace pelmora::e2e
