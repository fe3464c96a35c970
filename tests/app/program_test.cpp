// The start that fails: the error box, then the end with -1 and nothing left behind.
#include "app/program.h"

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/app/refused_window_class.h"

namespace pelmora::app {
namespace {

using pelmora::testing::RefusedWindowClass;

// Waits on its own thread for a message box titled "错误", keeps its text and presses its button.
class ErrorBoxAnswerer {
 public:
  ErrorBoxAnswerer() : thread_([this] { answer(); }) {}
  ~ErrorBoxAnswerer() { join(); }

  // The box's text; empty when none came within a few seconds.
  const std::string& text() {
    join();
    return text_;
  }

 private:
  void answer() {
    for (int tries = 0; tries < 500; ++tries) {
      if (const HWND box = FindWindowA("#32770", "错误")) {
        char text[1024] = {};
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message is its static 0xFFFF
        text_ = text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      Sleep(10);
    }
  }
  void join() {
    if (thread_.joinable()) thread_.join();
  }

  std::string text_;
  std::thread thread_;
};

TEST(ProgramTest, aWindowThatCannotBeCreatedIsReportedAndEndsTheProgramWithMinusOne) {
  Program program(GetModuleHandleA(nullptr));
  RefusedWindowClass refusal("COMBOBOX");
  ErrorBoxAnswerer answerer;

  EXPECT_EQ(program.run(), -1);
  const std::string& text = answerer.text();
  EXPECT_EQ(text.rfind("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("组合框1"), std::string::npos) << text;
  // The shut-down has destroyed the hidden window.
  EXPECT_EQ(FindWindowA(MainWindow::className, nullptr), nullptr);
}

}  // namespace
}  // namespace pelmora::app
