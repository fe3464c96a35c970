#pragma once
// Code page 936 as the image-name comparison sees it, for tests and fuzzing without Windows: its
// lead bytes, with the full-width Latin letters as the case rule for two-byte characters (the
// small letters A3 E1 to A3 FA upper-case to the capitals A3 C1 to A3 DA). Plain ASCII, so that
// the clang fuzz build can include it.

#include <string>
#include <string_view>

#include "win/image_name.h"

namespace pelmora::testing {

class TestCodePage936 final : public win::DoubleByteCodePage {
 public:
  bool isLeadByte(unsigned char byte) const override { return byte >= 0x81 && byte <= 0xFE; }
  bool equalIgnoringCase(std::string_view first, std::string_view second) const override {
    return upper(first) == upper(second);
  }

 private:
  static std::string upper(std::string_view character) {
    std::string upper(character);
    if (upper.size() == 2 && static_cast<unsigned char>(upper[0]) == 0xA3) {
      const auto second = static_cast<unsigned char>(upper[1]);
      if (second >= 0xE1 && second <= 0xFA) upper[1] = static_cast<char>(second - 0x20);
    }
    return upper;
  }
};

}  // namespace pelmora::testing
