#include "win/registry_path.h"

namespace pelmora::win {

RegistryPath splitRegistryPath(std::string_view fullPath) {
  std::size_t separator = std::string_view::npos;
  for (std::size_t i = 0; i < fullPath.size(); ++i) {
    const auto byte = static_cast<unsigned char>(fullPath[i]);
    if (byte >= 0x80) {
      if (i + 1 >= fullPath.size() || fullPath[i + 1] == '\0') break;
      ++i;  // the second byte belongs to the character
    } else if (byte == '\\') {
      separator = i;
    }
  }
  if (separator == std::string_view::npos) return {std::string(), std::string(fullPath)};
  return {std::string(fullPath.substr(0, separator)), std::string(fullPath.substr(separator + 1))};
}

}  // namespace pelmora::win
