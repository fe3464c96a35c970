#include "core/handlers.h"
#include "core/launcher_location.h"
#include "core/operations.h"
#include "core/text.h"

namespace pelmora {
namespace {

constexpr char kRegistryValuePath[] =
    "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities\\ApplicationIcon";
constexpr char kRegistryFallback[] =
    "查找战网主程序文件Battle.net Launcher.exe失败，请确认战网客户端是否完整安装";
constexpr char kBrowseTitle[] = "选择你的战网战网主程序文件Battle.net Launcher.exe";

}  // namespace

void onMainWindowCreated(Operations& ops) {
  const std::string value = ops.readRegistryText(localMachineRootCode, kRegistryValuePath, kRegistryFallback);
  ops.setLocationText(launcherLocationFromRegistryText(value));
}

void onLocateLauncher(Operations& ops) {
  const std::string path = ops.browseForFile(kBrowseTitle, true);
  // Cancelling, or an item without a file-system path, leaves the location as it was.
  if (!isEmptyText(path)) ops.setLocationText(path);
}

}  // namespace pelmora
