#include "win/registry.h"

#include <cstring>
#include <memory>
#include <new>
#include <optional>

#include <windows.h>

#include "core/text.h"
#include "win/registry_path.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

HKEY hiveOf(std::int32_t rootCode) {
  switch (rootCode) {
    case 1: return HKEY_CLASSES_ROOT;
    case 2: return HKEY_CURRENT_CONFIG;
    case 4: return HKEY_LOCAL_MACHINE;
    case 5: return HKEY_USERS;
    default: return HKEY_CURRENT_USER;  // 3, and every code that names no hive
  }
}

bool isTextType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ;
}

// Values and expansions can be large; a buffer that can't be had is a failure like any other. It
// starts zeroed, so looking for the terminating zero never reads a byte nobody wrote.
std::unique_ptr<char[]> tryAllocate(DWORD size) {
  return std::unique_ptr<char[]>(new (std::nothrow) char[size]());
}

struct TextValue {
  DWORD type;
  std::string text;
};

std::optional<TextValue> readTextValue(HKEY hive, const RegistryPath& path) {
  // KEY_READ alone: the path is used as given, a "WOW6432Node" in it included.
  UniqueRegistryKey key;
  if (RegOpenKeyExA(hive, path.keyPath.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) return std::nullopt;
  const char* name = path.valueName.c_str();
  DWORD type = REG_NONE;
  DWORD size = 0;
  if (RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (!isTextType(type) || size == 0) return std::nullopt;
  const std::unique_ptr<char[]> data = tryAllocate(size);
  if (!data) return std::nullopt;
  // The type is asked again: the value may have been rewritten between the two reads.
  if (RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(data.get()), &size) != ERROR_SUCCESS ||
      !isTextType(type)) {
    return std::nullopt;
  }
  // size now counts the bytes written: a value stored without its terminating zero ends at its
  // last byte, and nothing beyond it is read.
  return TextValue{type, textFromBytes(data.get(), size)};
}

// text is zero-terminated here whatever the registry held, as ExpandEnvironmentStringsA needs.
std::optional<std::string> expandEnvironmentReferences(const std::string& text) {
  const DWORD asked = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
  if (asked == 0) return std::nullopt;
  // Wine answers in UTF-16 units rather than bytes, so a text with two-byte characters would not
  // fit the room it asks for (and is cut without its zero): each unit gets room for two bytes.
  const DWORD room = asked * 2;
  const std::unique_ptr<char[]> expanded = tryAllocate(room);
  if (!expanded) return std::nullopt;
  const DWORD written = ExpandEnvironmentStringsA(text.c_str(), expanded.get(), room);
  if (written == 0 || written > room) return std::nullopt;
  // Only an expansion that ended with its zero inside the buffer is whole.
  if (!std::memchr(expanded.get(), '\0', room)) return std::nullopt;
  return std::string(expanded.get());
}

}  // namespace

std::string readRegistryText(std::int32_t rootCode, const std::string& fullPath, const std::string& fallback) {
  const std::optional<TextValue> value = readTextValue(hiveOf(rootCode), splitRegistryPath(fullPath));
  if (!value) return fallback;
  if (value->type == REG_SZ) return value->text;
  return expandEnvironmentReferences(value->text).value_or(fallback);
}

}  // namespace pelmora::win
