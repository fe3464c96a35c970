#include "core/command_choice.h"

#include "core/messages.h"
#include "core/operations.h"
#include "core/text.h"

namespace pelmora {

std::optional<CommandChoice> readCommandChoice(Operations& ops) {
  std::string location = ops.getLocationText();
  if (isEmptyText(location)) {
    ops.showMessage(messages::invalidLocation, errorStyle, messages::errorTitle, WindowHandle{});
    return std::nullopt;
  }
  const std::int32_t index = ops.getSelectedRegionIndex();
  if (index == -1) {
    ops.showMessage(messages::invalidSelection, errorStyle, messages::errorTitle, WindowHandle{});
    return std::nullopt;
  }
  return CommandChoice{std::move(location), RegionCatalogue::find(index)};
}

}  // namespace pelmora
