#include "win/image_name.h"

namespace pelmora::win {
namespace {

char foldAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The length of the character that starts at i: 2 for a lead byte with a second byte after it.
std::size_t characterLength(std::string_view text, std::size_t i, const DoubleByteCodePage& codePage) {
  const bool lead = codePage.isLeadByte(static_cast<unsigned char>(text[i]));
  return (lead && i + 1 < text.size() && text[i + 1] != '\0') ? 2 : 1;
}

}  // namespace

bool imageNamesEqual(std::string_view wanted, std::string_view listed, bool caseSensitive,
                     const DoubleByteCodePage& codePage) {
  if (caseSensitive) return wanted == listed;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < wanted.size() && j < listed.size()) {
    const std::size_t length = characterLength(wanted, i, codePage);
    if (length != characterLength(listed, j, codePage)) return false;
    if (length == 2) {
      if (!codePage.equalIgnoringCase(wanted.substr(i, 2), listed.substr(j, 2))) return false;
    } else if (foldAscii(wanted[i]) != foldAscii(listed[j])) {
      return false;
    }
    i += length;
    j += length;
  }
  return i == wanted.size() && j == listed.size();
}

}  // namespace pelmora::win
