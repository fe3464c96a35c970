#include "win/ansi_code_page.h"

#include <optional>
#include <string>

#include <windows.h>

namespace pelmora::win {
namespace {

// The upper-case form may differ in length (a character with no upper case in the code page
// becomes another one), so the size is asked for first.
std::optional<std::string> upperCased(std::string_view character) {
  const int length = static_cast<int>(character.size());
  const int needed = LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, character.data(), length, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::string upper(static_cast<std::size_t>(needed), '\0');
  if (LCMapStringA(LOCALE_SYSTEM_DEFAULT, LCMAP_UPPERCASE, character.data(), length, upper.data(), needed) != needed) {
    return std::nullopt;
  }
  return upper;
}

}  // namespace

bool AnsiCodePage::isLeadByte(unsigned char byte) const {
  return IsDBCSLeadByte(byte) != FALSE;
}

bool AnsiCodePage::equalIgnoringCase(std::string_view first, std::string_view second) const {
  if (first == second) return true;
  const std::optional<std::string> upperFirst = upperCased(first);
  const std::optional<std::string> upperSecond = upperCased(second);
  return upperFirst && upperSecond && *upperFirst == *upperSecond;
}

}  // namespace pelmora::win
