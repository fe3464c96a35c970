#include "core/text.h"

#include <algorithm>
#include <cstring>

namespace pelmora {

bool isEmptyText(std::string_view text) {
  return text.empty() || text.front() == '\0';
}

std::string leftPart(std::string_view text, std::ptrdiff_t n) {
  if (n <= 0) return {};
  return std::string(text.substr(0, static_cast<std::size_t>(n)));
}

std::string joinTexts(std::string_view first, std::string_view second) {
  std::string joined;
  joined.reserve(first.size() + second.size());
  joined.append(first).append(second);
  return joined;
}

std::string textFromBytes(const char* bytes, std::size_t count) {
  if (count == 0) return {};
  const void* zero = std::memchr(bytes, '\0', count);
  const std::size_t length = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : count;
  return std::string(bytes, length);
}

}  // namespace pelmora
