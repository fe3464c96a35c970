#include <vector>

#include "core/command_choice.h"
#include "core/handlers.h"
#include "core/messages.h"
#include "core/operations.h"

namespace pelmora {
namespace {

// The launcher runs under either image name; it reads its region only when it starts.
constexpr const char* kLauncherImageNames[] = {"Battle.net Launcher.exe", "Battle.net.exe"};
constexpr char kRestartQuestion[] = "检测到战网客户端正在运行，更换服务器需要重启软件，是否继续？";
constexpr char kLaunchFailed[] = "启动战网客户端失败，请重新选择文件位置";
constexpr std::int32_t kEndWaitMilliseconds = 5000;
constexpr std::int32_t kPauseMilliseconds = 100;

bool launcherIsRunning(Operations& ops) {
  for (const char* name : kLauncherImageNames) {
    if (ops.isProcessRunning(name, false)) return true;
  }
  return false;
}

// A launcher may run several processes of one name: all of them must go, or the new start with
// its region switch would only hand over to the old instance.
void endRunningLauncher(Operations& ops) {
  std::vector<ProcessId> ending;
  for (const char* name : kLauncherImageNames) {
    for (const ProcessId id : ops.findProcessIds(name, false)) {
      if (ops.terminateProcessById(id)) ending.push_back(id);
    }
  }
  if (!ending.empty()) ops.waitForProcessesToEnd(ending, kEndWaitMilliseconds);
  ops.delayMilliseconds(kPauseMilliseconds);
}

}  // namespace

void onRunWithSelectedServer(Operations& ops) {
  // The choice is checked before anything is touched: a refusal must not leave the user's
  // launcher terminated.
  const std::optional<CommandChoice> choice = readCommandChoice(ops);
  if (!choice) return;

  if (launcherIsRunning(ops)) {
    const std::int32_t answer =
        ops.showMessage(kRestartQuestion, questionStyle, messages::noticeTitle, ops.mainWindowHandle());
    if (answer != answerYes) return;
    endRunningLauncher(ops);
  }

  if (choice->region) {
    const bool started =
        ops.shellExecute(std::nullopt, choice->location, choice->region->launchSwitch, std::nullopt, std::nullopt);
    if (!started) {
      // Ending now would leave the user with nothing started and no word why.
      ops.showMessage(kLaunchFailed, errorStyle, messages::errorTitle, WindowHandle{});
      return;
    }
  }
  ops.delayMilliseconds(kPauseMilliseconds);
  ops.endProgram(0);
}

}  // namespace pelmora
