#pragma once

#include <string>
#include <string_view>

namespace pelmora {

// The launcher's installer stores its icon reference: the exe's path, perhaps quoted, followed by
// an icon index such as ",0". The location is that path: a trailing ",N" or ",-N" (ASCII digits)
// is removed, then one pair of enclosing double quotes. Nothing else is cut, so a text without
// an icon index (the fallback message among them) stays whole. Comma, minus, digits and the
// quote all lie below 0x40, where no two-byte character of code page 936 has its second byte, so
// a cut there never splits a character.
std::string launcherLocationFromRegistryText(std::string_view registryText);

}  // namespace pelmora
