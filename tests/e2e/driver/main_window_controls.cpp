#include "tests/e2e/driver/main_window_controls.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {
namespace {

// Every child whose text is exactly this, or null unless there is exactly one.
HWND onlyChildWithText(const std::vector<HWND>& children, const std::string& text) {
  HWND found = nullptr;
  for (const HWND child : children) {
    if (windowText(child) != text) continue;
    if (found) return nullptr;
    found = child;
  }
  return found;
}

}  // namespace

std::optional<MainWindowControls> identifyControls(HWND mainWindow) {
  const std::vector<HWND> children = childrenTopToBottom(mainWindow);
  if (children.size() != 7) return std::nullopt;

  MainWindowControls controls;
  for (const HWND child : children) {
    if (className(child) == "ComboBox") controls.组合框1 = child;
  }
  controls.透明标签1 = onlyChildWithText(children, "选择你想要切换的服务器，然后继续下一步");
  controls.按钮1 = onlyChildWithText(children, "以当前选择的服务器运行");
  controls.按钮2 = onlyChildWithText(children, "在桌面生成选择的快捷方式");
  controls.按钮3 = onlyChildWithText(children, "我们错过了？告诉我们");
  controls.透明标签2 = onlyChildWithText(children, "承诺：本程序无任何恶意代码和修改程序及内存动作，请放心使用");
  const HWND known[] = {controls.透明标签1, controls.组合框1, controls.按钮1, controls.按钮2,
                        controls.按钮3, controls.透明标签2};
  for (const HWND control : known) {
    if (!control) return std::nullopt;
  }
  for (const HWND child : children) {
    if (std::find(std::begin(known), std::end(known), child) == std::end(known)) controls.战网位置 = child;
  }
  return controls;
}

}  // namespace pelmora::e2e
