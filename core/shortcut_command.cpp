#include "core/command_choice.h"
#include "core/handlers.h"
#include "core/messages.h"
#include "core/operations.h"
#include "core/text.h"

namespace pelmora {
namespace {

constexpr char kShortcutDone[] = "创建快捷方式完成";
constexpr char kShortcutFailed[] = "创建快捷方式失败，请检查桌面文件夹是否可以写入";
constexpr std::int32_t kPauseMilliseconds = 100;

}  // namespace

void onCreateDesktopShortcut(Operations& ops) {
  const std::optional<CommandChoice> choice = readCommandChoice(ops);
  if (!choice) return;

  bool written = true;
  if (choice->region) {
    const std::string fileName = joinTexts(ops.specialFolderPath(desktopFolderCode), choice->region->shortcutName);
    written = ops.createShortcutFile(fileName, choice->location, choice->region->shortcutDescription,
                                     choice->region->launchSwitch, std::nullopt);
  }
  ops.delayMilliseconds(kPauseMilliseconds);
  if (written) {
    ops.showMessage(kShortcutDone, noticeStyle, messages::noticeTitle, WindowHandle{});
  } else {
    ops.showMessage(kShortcutFailed, errorStyle, messages::errorTitle, WindowHandle{});
  }
}

}  // namespace pelmora
