#include "core/region_catalogue.h"

#include <array>

namespace pelmora {
namespace {

constexpr std::array<ServerRegion, 4> kRegions{{
    {0, "国服", "暴雪战网 国服", "国服版暴雪战网", "--setregion=CN"},
    {1, "亚服", "暴雪战网 亚服", "亚服版暴雪战网", "--setregion=KR"},
    {2, "美服", "暴雪战网 美服", "美服版暴雪战网", "--setregion=US"},
    {3, "欧服", "暴雪战网 欧服", "欧服版暴雪战网", "--setregion=EU"},
}};

}  // namespace

std::span<const ServerRegion> RegionCatalogue::rows() {
  return kRegions;
}

const ServerRegion* RegionCatalogue::find(std::int32_t index) {
  if (index < 0 || index >= static_cast<std::int32_t>(kRegions.size())) return nullptr;
  return &kRegions[static_cast<std::size_t>(index)];
}

}  // namespace pelmora
