#pragma once

#include <string_view>

namespace pelmora::win {

// What the comparison of image names needs to know of the ANSI code page.
class DoubleByteCodePage {
 public:
  virtual ~DoubleByteCodePage() = default;
  virtual bool isLeadByte(unsigned char byte) const = 0;
  // Whether two two-byte characters are equal once both are upper-cased for the code page.
  virtual bool equalIgnoringCase(std::string_view first, std::string_view second) const = 0;
};

// Whether a process list entry's image name equals the wanted name, over the whole of both
// (nothing trimmed, no path stripped). Case-sensitive: the bytes must be identical. Otherwise only
// the ASCII letters fold among one-byte characters, and a two-byte character compares as one unit
// through the code page.
bool imageNamesEqual(std::string_view wanted, std::string_view listed, bool caseSensitive,
                     const DoubleByteCodePage& codePage);

}  // namespace pelmora::win
