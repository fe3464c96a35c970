#include "tests/dll_planting/program_driver.h"

#include <utility>
#include <vector>

#include "tests/win/test_support.h"

namespace pelmora::planting {
namespace {

using win::testing::waitUntil;

constexpr char kCaption[] = "Pelmora 作者：Dusketh";
constexpr char kBrowseButton[] = "我们错过了？告诉我们";
constexpr char kShortcutButton[] = "在桌面生成选择的快捷方式";
// What the test ends a process with that did not end by itself.
constexpr UINT kEndedByTheTest = 0xD11;

std::string classOf(HWND window) {
  char name[257] = {};  // class names are at most 256 characters
  return std::string(name, static_cast<std::size_t>(GetClassNameA(window, name, sizeof name)));
}

std::string textOf(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::vector<HWND> visibleWindowsOfThread(DWORD threadId) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM found) {
        if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

HWND mainWindowOf(DWORD threadId) {
  for (const HWND window : visibleWindowsOfThread(threadId)) {
    if (textOf(window) == kCaption) return window;
  }
  return nullptr;
}

HWND childOf(HWND parent, const char* className, const char* text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (classOf(child) == className && (!text || textOf(child) == text)) return child;
  }
  return nullptr;
}

// Clicks a button the way a user's click ends: posted, so that a modal dialog the click opens runs
// in the program while the test goes on.
void click(HWND button) {
  PostMessageA(button, BM_CLICK, 0, 0);
}

}  // namespace

std::unique_ptr<ProgramDriver> ProgramDriver::start(const std::string& exe, const std::string& currentDirectory) {
  // As the shell starts a program for a double click: its own path, quoted, as the command line.
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, currentDirectory.c_str(),
                      &startup, &created)) {
    return nullptr;
  }
  win::UniqueHandle process(created.hProcess);
  const win::UniqueHandle thread(created.hThread);
  HWND window = nullptr;
  const bool shown = waitUntil([&] {
    window = mainWindowOf(created.dwThreadId);
    return window != nullptr || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
  });
  if (!shown || !window) {
    TerminateProcess(process.get(), kEndedByTheTest);
    return nullptr;
  }
  return std::unique_ptr<ProgramDriver>(new ProgramDriver(std::move(process), created.dwThreadId, window));
}

ProgramDriver::ProgramDriver(win::UniqueHandle process, DWORD threadId, HWND window)
    : process_(std::move(process)), threadId_(threadId), window_(window) {}

ProgramDriver::~ProgramDriver() {
  if (WaitForSingleObject(process_.get(), 0) != WAIT_OBJECT_0) {
    TerminateProcess(process_.get(), kEndedByTheTest);
    WaitForSingleObject(process_.get(), 10'000);
  }
}

HWND ProgramDriver::button(const char* text) const {
  return childOf(window_, "Button", text);
}

HWND ProgramDriver::waitForDialog() const {
  HWND dialog = nullptr;
  waitUntil([&] {
    for (const HWND window : visibleWindowsOfThread(threadId_)) {
      if (classOf(window) == "#32770") dialog = window;
    }
    return dialog != nullptr;
  });
  return dialog;
}

bool ProgramDriver::answerDialog(HWND dialog, int buttonId) const {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, buttonId)));
  return waitUntil([&] { return !IsWindow(dialog); }) && waitUntil([&] { return IsWindowEnabled(window_) != FALSE; });
}

bool ProgramDriver::browseAndCancel() {
  const HWND browse = button(kBrowseButton);
  if (!browse) return false;
  click(browse);
  const HWND dialog = waitForDialog();
  return dialog && answerDialog(dialog, IDCANCEL);
}

bool ProgramDriver::makeShortcut() {
  const HWND list = childOf(window_, "ComboBox", nullptr);
  const HWND shortcut = button(kShortcutButton);
  if (!list || !shortcut) return false;
  // A user's pick: the selection, then the notification the list sends its parent.
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutA(list, CB_SETCURSEL, 0, 0, SMTO_ABORTIFHUNG, 10'000, &ignored)) return false;
  PostMessageA(window_, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
  click(shortcut);
  // The notice that the shortcut is made, or the error that it could not be: either has one OK.
  const HWND box = waitForDialog();
  return box && answerDialog(box, IDOK);
}

bool ProgramDriver::close() {
  PostMessageA(window_, WM_CLOSE, 0, 0);
  return WaitForSingleObject(process_.get(), 10'000) == WAIT_OBJECT_0;
}

}  // namespace pelmora::planting
