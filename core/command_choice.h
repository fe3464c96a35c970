#pragma once

#include <optional>
#include <string>

#include "core/region_catalogue.h"

namespace pelmora {

class Operations;

// What both commands act on: the launcher file and the region.
struct CommandChoice {
  std::string location;
  const ServerRegion* region;  // null for an index that names no row
};

// The location and the region, when both are given. Otherwise tells the user which is missing
// (the location first) and yields nothing.
std::optional<CommandChoice> readCommandChoice(Operations& ops);

}  // namespace pelmora
