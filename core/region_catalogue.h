#pragma once
// The four server regions, in the order of the region list's items.

#include <cstdint>
#include <span>

namespace pelmora {

struct ServerRegion {
  std::int32_t index;               // also the item's position in the region list
  const char* listText;             // the item shown in the list
  const char* shortcutName;         // the desktop shortcut's file name, without ".lnk"
  const char* shortcutDescription;  // the comment stored in the shortcut
  const char* launchSwitch;         // the one command-line argument the launcher gets
};

class RegionCatalogue {
 public:
  // Every row, index 0 first.
  static std::span<const ServerRegion> rows();
  // The row of that index, or null when no row has it (-1: nothing selected).
  static const ServerRegion* find(std::int32_t index);
};

}  // namespace pelmora
