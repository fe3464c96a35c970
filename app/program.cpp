#include "app/program.h"

#include <string>

#include "app/program_folder.h"

namespace pelmora::app {
namespace {

constexpr int kStartFailureExitCode = -1;

WindowIcons loadWindowIcons(HINSTANCE instance) {
  const auto load = [instance](int size) {
    return win::UniqueIcon(
        static_cast<HICON>(LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  };
  return WindowIcons{load(32), load(16)};
}

std::string startFailureText(const CreationFailure& failure) {
  return "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"
         "窗口：" + failure.windowName + "\r\n"
         "窗口类：" + failure.className + "\r\n"
         "系统错误代码：" + std::to_string(failure.errorCode);
}

}  // namespace

int Program::run() {
  ole_.emplace();
  useProgramFolderAsCurrentDirectory();
  icons_ = loadWindowIcons(instance_);

  if (const auto failure = window_.create(instance_, icons_.big.get(), icons_.small.get(), operations_)) {
    MessageBoxA(nullptr, startFailureText(*failure).c_str(), "错误", MB_ICONERROR);
    shutDown();
    return kStartFailureExitCode;
  }
  const int exitCode = window_.exists() ? runMessageLoop() : 0;
  shutDown();
  return exitCode;
}

int Program::runMessageLoop() {
  window_.quitMessageLoopWhenDestroyed();
  MSG message{};
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (window_.handleKeyBeforeTranslation(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  // WM_QUIT carries the exit code.
  return static_cast<int>(message.wParam);
}

void Program::endProgram(int exitCode) {
  shutDown();
  ExitProcess(static_cast<UINT>(exitCode));
}

void Program::shutDown() {
  window_.destroy();
  icons_ = WindowIcons{};
  ole_.reset();
}

}  // namespace pelmora::app
