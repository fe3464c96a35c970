#pragma once
// What every end-to-end test stands on: a world of its own (a folder, the launcher's registry
// value, a desktop, launchers that run already) and the program, started and worked from outside.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "tests/e2e/driver/desktop_folder.h"
#include "tests/e2e/driver/fake_launchers.h"
#include "tests/e2e/driver/launcher_registry_value.h"
#include "tests/e2e/driver/message_box.h"
#include "tests/e2e/driver/pelmora_process.h"
#include "tests/e2e/driver/test_folder.h"

namespace pelmora::e2e {

// The program's texts, byte for byte (code page 936, as the program holds them).
namespace texts {
inline constexpr char kErrorTitle[] = "错误";
inline constexpr char kNoticeTitle[] = "提示";
inline constexpr char kInvalidLocation[] = "战网客户端主程序无效，请重新选择文件位置";
inline constexpr char kInvalidSelection[] = "选择值无效，请重新选择";
inline constexpr char kLaunchFailed[] = "启动战网客户端失败，请重新选择文件位置";
inline constexpr char kRestartQuestion[] = "检测到战网客户端正在运行，更换服务器需要重启软件，是否继续？";
inline constexpr char kShortcutDone[] = "创建快捷方式完成";
inline constexpr char kShortcutFailed[] = "创建快捷方式失败，请检查桌面文件夹是否可以写入";
inline constexpr char kRegistryFallback[] =
    "查找战网主程序文件Battle.net Launcher.exe失败，请确认战网客户端是否完整安装";
inline constexpr char kBrowsePrompt[] = "选择你的战网战网主程序文件Battle.net Launcher.exe";
}  // namespace texts

// One row of the region table as the user meets it: the list entry and what follows from it.
struct Region {
  int index;
  const char* listText;
  const char* shortcutName;
  const char* shortcutDescription;
  const char* launchSwitch;
  friend void PrintTo(const Region& region, std::ostream* out) { *out << region.launchSwitch; }
};
inline constexpr Region kRegions[] = {
    {0, "国服", "暴雪战网 国服", "国服版暴雪战网", "--setregion=CN"},
    {1, "亚服", "暴雪战网 亚服", "亚服版暴雪战网", "--setregion=KR"},
    {2, "美服", "暴雪战网 美服", "美服版暴雪战网", "--setregion=US"},
    {3, "欧服", "暴雪战网 欧服", "欧服版暴雪战网", "--setregion=EU"},
};

class PelmoraTest : public ::testing::Test {
 protected:
  PelmoraTest();

  // The recording stand-in installed as the launcher's installer leaves it: the file in a folder
  // of its own and its registry value, quoted and with an icon index. Yields its path.
  std::string installLauncher();
  // Points the desktop at another folder of the test (made if need be); yields its path.
  std::string useDesktopFolder(std::string_view relative);
  const std::string& desktopPath() const { return desktop_->path(); }

  // Starts the program; null when its window does not show.
  PelmoraProcess* startProgram();
  // The message box that the program shows next; null when none (or another kind of dialog) shows
  // in time.
  HWND waitForMessageBox();
  // Whether the label shows that text on the screen as the program's labels draw theirs, with
  // nothing else (nothing of an earlier text) on it; waits for a pending repaint. Ink is compared,
  // not its shade: after a change the label draws its text twice over itself (its own invalidation
  // follows the redraw of everything under it), which darkens the edges of the glyphs.
  bool labelShows(HWND label, const std::string& text);
  // The program's window is open and takes input again: nothing over it, nothing disabled.
  bool windowIsBackInUse();
  // Esc, as the user ends the program; its exit code.
  std::optional<int> closeWithEsc();

  TestFolder folder_;
  LauncherRegistryValue registryValue_;
  std::optional<DesktopFolder> desktop_;
  RunningLaunchers runningLaunchers_;
  std::unique_ptr<PelmoraProcess> program_;
};

// The shape of every error box: title "错误", the exclamation icon, one OK button, no owner.
void expectErrorBox(const MessageBoxView& box, std::string_view text);

}  // namespace pelmora::e2e
