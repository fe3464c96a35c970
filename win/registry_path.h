#pragma once

#include <string>
#include <string_view>

namespace pelmora::win {

struct RegistryPath {
  std::string keyPath;    // empty: the hive itself
  std::string valueName;  // empty: the key's default value
};

// Splits "key\path\value" at its last backslash that stands as a character of its own. A byte of
// 0x80 or more begins a two-byte character and takes the next byte with it unexamined, so a
// backslash that is the second byte of a character (common in code page 936) never splits.
RegistryPath splitRegistryPath(std::string_view fullPath);

}  // namespace pelmora::win
