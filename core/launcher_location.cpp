// Only the derivation lives here, with no text of the program's own: the fuzz build compiles this
// file with clang, which cannot turn literals into code page 936.
#include "core/launcher_location.h"

#include "core/text.h"

namespace pelmora {
namespace {

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the text without a trailing ",N" or ",-N"; the whole length when it has none.
std::size_t lengthWithoutIconIndex(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && isAsciiDigit(text[start - 1])) --start;
  if (start == text.size()) return text.size();
  if (start > 0 && text[start - 1] == '-') --start;
  if (start > 0 && text[start - 1] == ',') return start - 1;
  return text.size();
}

}  // namespace

std::string launcherLocationFromRegistryText(std::string_view registryText) {
  std::string location = leftPart(registryText, static_cast<std::ptrdiff_t>(lengthWithoutIconIndex(registryText)));
  if (location.size() >= 2 && location.front() == '"' && location.back() == '"') {
    location = location.substr(1, location.size() - 2);
  }
  return location;
}

}  // namespace pelmora
