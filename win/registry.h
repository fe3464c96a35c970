#pragma once

#include <cstdint>
#include <string>

namespace pelmora::win {

// Root codes: 1 HKEY_CLASSES_ROOT, 2 HKEY_CURRENT_CONFIG, 3 HKEY_CURRENT_USER,
// 4 HKEY_LOCAL_MACHINE, 5 HKEY_USERS, any other HKEY_CURRENT_USER. fullPath is "key\value".
// Yields the value's text (REG_SZ as stored, REG_EXPAND_SZ expanded), or a copy of the fallback
// for every failure.
std::string readRegistryText(std::int32_t rootCode, const std::string& fullPath, const std::string& fallback);

}  // namespace pelmora::win
