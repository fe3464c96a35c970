#include "core/launcher_location.h"

#include "core/handlers.h"
#include "core/operations.h"
#include "core/text.h"

namespace pelmora {
namespace {

constexpr char kRegistryValuePath[] =
    "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities\\ApplicationIcon";
constexpr char kRegistryFallback[] =
    "查找战网主程序文件Battle.net Launcher.exe失败，请确认战网客户端是否完整安装";
constexpr char kBrowseTitle[] = "选择你的战网战网主程序文件Battle.net Launcher.exe";

bool isAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}

// The length of the text without a trailing ",N" or ",-N"; the whole length when it has none.
std::size_t lengthWithoutIconIndex(std::string_view text) {
  std::size_t start = text.size();
  while (start > 0 && isAsciiDigit(text[start - 1])) --start;
  if (start == text.size()) return text.size();
  if (start > 0 && text[start - 1] == '-') --start;
  if (start > 0 && text[start - 1] == ',') return start - 1;
  return text.size();
}

}  // namespace

std::string launcherLocationFromRegistryText(std::string_view registryText) {
  std::string location = leftPart(registryText, static_cast<std::ptrdiff_t>(lengthWithoutIconIndex(registryText)));
  if (location.size() >= 2 && location.front() == '"' && location.back() == '"') {
    location = location.substr(1, location.size() - 2);
  }
  return location;
}

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
