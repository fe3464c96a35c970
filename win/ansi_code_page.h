#pragma once

#include "win/image_name.h"

namespace pelmora::win {

// The process's ANSI code page (936 for this program) as Windows knows it: its lead bytes, and the
// upper-casing of the system locale, to which that code page belongs.
class AnsiCodePage final : public DoubleByteCodePage {
 public:
  bool isLeadByte(unsigned char byte) const override;
  bool equalIgnoringCase(std::string_view first, std::string_view second) const override;
};

}  // namespace pelmora::win
