#include "win/shortcut_file_name.h"

#include <algorithm>

namespace pelmora::win {
namespace {

constexpr std::string_view kExtension = ".lnk";

char lowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The full stop lies below 0x40, so it is never the second byte of a code page 936 character:
// a name ending in ".lnk" ends in those four one-byte characters.
bool endsWithExtension(std::string_view name) {
  if (name.size() < kExtension.size()) return false;
  const std::string_view tail = name.substr(name.size() - kExtension.size());
  return std::ranges::equal(tail, kExtension, {}, lowerAscii);
}

}  // namespace

std::string completeShortcutFileName(std::string_view fileName) {
  std::string completed(fileName);
  if (!endsWithExtension(fileName)) completed.append(kExtension);
  return completed;
}

}  // namespace pelmora::win
