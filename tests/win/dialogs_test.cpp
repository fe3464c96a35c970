// The browse dialog and message boxes, shown for real on this thread and driven from a second
// one, as a user would: the driver waits for the dialog, looks at it and at the program's window,
// then presses a button.
#include <cstring>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include "tests/win/test_support.h"
#include "win/browse_dialog.h"
#include "win/message_box.h"

namespace pelmora::win {
namespace {

using ::testing::Contains;
using testing::TempFolder;
using testing::waitUntil;

std::string windowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// A plain top-level window standing in for the program's main window.
class ProgramWindow {
 public:
  ProgramWindow() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);  // fails harmlessly when an earlier test registered it
    window_ = CreateWindowExA(0, kClassName, "Pelmora", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window_, nullptr);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
  }
  ~ProgramWindow() { DestroyWindow(window_); }
  ProgramWindow(const ProgramWindow&) = delete;
  ProgramWindow& operator=(const ProgramWindow&) = delete;

  HWND handle() const { return window_; }

 private:
  static constexpr const char* kClassName = "PelmoraTestProgramWindow";
  HWND window_ = nullptr;
};

// What the driver saw while the dialog was open.
struct Seen {
  bool dialogFound = false;
  HWND owner = nullptr;
  bool programWindowEnabled = true;
  std::string caption;
  std::vector<std::string> texts;  // of the dialog's controls
};

// Waits, from a thread of its own, for the dialog that the constructing thread opens, notes what
// it sees, and closes it through the given action. Every wait is bounded.
class DialogDriver {
 public:
  DialogDriver(HWND programWindow, std::function<void(HWND dialog)> close)
      : thread_([this, programWindow, close, dialogThread = GetCurrentThreadId()] {
          HWND dialog = nullptr;
          if (!waitUntil([&] { return (dialog = openDialog(dialogThread)) != nullptr; })) return;
          seen_.dialogFound = true;
          seen_.owner = GetWindow(dialog, GW_OWNER);
          seen_.programWindowEnabled = IsWindowEnabled(programWindow) != FALSE;
          seen_.caption = windowText(dialog);
          EnumChildWindows(
              dialog,
              [](HWND control, LPARAM texts) {
                reinterpret_cast<std::vector<std::string>*>(texts)->push_back(windowText(control));
                return TRUE;
              },
              reinterpret_cast<LPARAM>(&seen_.texts));
          close(dialog);
        }) {}

  // The driver's view, once the dialog has closed.
  const Seen& seen() {
    if (thread_.joinable()) thread_.join();
    return seen_;
  }
  ~DialogDriver() {
    if (thread_.joinable()) thread_.join();
  }

  static void press(HWND dialog, int button) { SendMessageA(GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

 private:
  static HWND openDialog(DWORD threadId) {
    HWND found = nullptr;
    EnumThreadWindows(
        threadId,
        [](HWND window, LPARAM result) {
          char className[16] = {};
          GetClassNameA(window, className, sizeof className);
          if (std::strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
          *reinterpret_cast<HWND*>(result) = window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
  }

  Seen seen_;
  std::thread thread_;
};

class Dialogs : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }
};

std::string selectedItemText(HWND dialog) {
  const HWND tree = FindWindowExA(dialog, nullptr, WC_TREEVIEWA, nullptr);
  char text[MAX_PATH] = {};
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  item.pszText = text;
  item.cchTextMax = sizeof text;
  if (!item.hItem || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item))) return {};
  return text;
}

// The browse dialog of Wine has no edit box (BIF_EDITBOX is not implemented there) and its OK
// ignores typed text, so the driver selects the item as the dialog's own callback could, with
// BFFM_SETSELECTION, and then presses OK. Right after the dialog appears Wine now and then selects
// nothing, so the selection is repeated until the tree shows the item selected.
void chooseItem(HWND dialog, BOOL byPath, LPARAM item, const std::string& shownAs) {
  waitUntil(
      [&] {
        SendMessageA(dialog, BFFM_SETSELECTIONA, byPath, item);
        return selectedItemText(dialog) == shownAs;
      },
      5000);
  DialogDriver::press(dialog, IDOK);
}

void choosePath(HWND dialog, const std::string& path) {
  chooseItem(dialog, TRUE, reinterpret_cast<LPARAM>(path.c_str()), path.substr(path.find_last_of('\\') + 1));
}

TEST_F(Dialogs, BrowseForFileGivesTheChosenPathWhileTheProgramWindowWaits) {
  TempFolder folder;
  const std::string title = "选择你的战网战网主程序文件Battle.net Launcher.exe";
  const std::string file = folder / "Battle.net Launcher.exe";
  ASSERT_TRUE(CloseHandle(CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  for (const std::string& chosen : {file, folder.path()}) {
    SCOPED_TRACE(chosen);
    const ProgramWindow program;
    const HWND programWindows[] = {program.handle()};
    DialogDriver driver(program.handle(), [&](HWND dialog) { choosePath(dialog, chosen); });
    EXPECT_EQ(browseForFile(title, true, programWindows), chosen);
    const Seen& seen = driver.seen();
    ASSERT_TRUE(seen.dialogFound);
    EXPECT_THAT(seen.texts, Contains(title));
    EXPECT_EQ(seen.owner, program.handle());
    EXPECT_FALSE(seen.programWindowEnabled);
    EXPECT_TRUE(IsWindowEnabled(program.handle()));
    EXPECT_EQ(GetActiveWindow(), program.handle());
  }
}

TEST_F(Dialogs, BrowseForFileGivesNothingWhenCancelledOrWithoutAFileSystemPath) {
  const ProgramWindow program;
  const HWND programWindows[] = {program.handle()};
  {
    DialogDriver driver(program.handle(), [](HWND dialog) { DialogDriver::press(dialog, IDCANCEL); });
    EXPECT_EQ(browseForFile("选择", true, programWindows), "");
    EXPECT_TRUE(driver.seen().dialogFound);
    EXPECT_FALSE(driver.seen().programWindowEnabled);
  }
  EXPECT_TRUE(IsWindowEnabled(program.handle()));
  EXPECT_EQ(GetActiveWindow(), program.handle());
  {
    // "My Computer" is a folder of the shell with no path in the file system.
    DialogDriver driver(program.handle(), [](HWND dialog) {
      PIDLIST_ABSOLUTE computer = nullptr;
      SHFILEINFOA shown{};
      if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) return;
      SHGetFileInfoA(reinterpret_cast<const char*>(computer), 0, &shown, sizeof shown, SHGFI_PIDL | SHGFI_DISPLAYNAME);
      chooseItem(dialog, FALSE, reinterpret_cast<LPARAM>(computer), shown.szDisplayName);
      CoTaskMemFree(computer);
    });
    EXPECT_EQ(browseForFile("选择", false, programWindows), "");
    EXPECT_TRUE(driver.seen().dialogFound);
  }
  EXPECT_TRUE(IsWindowEnabled(program.handle()));
}

TEST_F(Dialogs, BrowseForFileRestoresEachProgramWindowAsItWas) {
  TempFolder folder;
  // The active window owns the dialog, so Windows disables it anyway; the program's other
  // top-level windows are disabled only by browseForFile itself.
  const ProgramWindow other;
  const ProgramWindow alreadyDisabled;
  const ProgramWindow program;
  EnableWindow(alreadyDisabled.handle(), FALSE);
  // A child window is no top-level window of the program, and a destroyed one is no window at all.
  const HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, program.handle(), nullptr,
                                     nullptr, nullptr);
  HWND destroyed = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(destroyed);
  const HWND programWindows[] = {other.handle(), program.handle(), child, destroyed, alreadyDisabled.handle()};

  struct {
    bool other = true, alreadyDisabled = true, child = false;
  } enabledWhileOpen;
  DialogDriver driver(program.handle(), [&](HWND dialog) {
    enabledWhileOpen.other = IsWindowEnabled(other.handle()) != FALSE;
    enabledWhileOpen.alreadyDisabled = IsWindowEnabled(alreadyDisabled.handle()) != FALSE;
    enabledWhileOpen.child = IsWindowEnabled(child) != FALSE;
    choosePath(dialog, folder.path());
  });
  EXPECT_EQ(browseForFile("选择", true, programWindows), folder.path());
  EXPECT_EQ(driver.seen().owner, program.handle());
  EXPECT_FALSE(driver.seen().programWindowEnabled);
  EXPECT_FALSE(enabledWhileOpen.other);
  EXPECT_FALSE(enabledWhileOpen.alreadyDisabled);
  EXPECT_TRUE(enabledWhileOpen.child);
  EXPECT_TRUE(IsWindowEnabled(program.handle()));
  EXPECT_TRUE(IsWindowEnabled(other.handle()));
  EXPECT_TRUE(IsWindowEnabled(child));
  EXPECT_FALSE(IsWindowEnabled(alreadyDisabled.handle()));
  EXPECT_EQ(GetActiveWindow(), program.handle());
}

TEST_F(Dialogs, ShowMessageGivesTheAnswerOfTheButtonPressed) {
  struct Case {
    std::uint32_t style;
    int button;
    std::int32_t answer;
  };
  const Case cases[] = {
      {0x30, IDOK, 0},     {0x40, IDOK, 0},     {0x24, IDYES, 5},    {0x24, IDNO, 6},
      {MB_OKCANCEL, IDCANCEL, 1}, {MB_ABORTRETRYIGNORE, IDABORT, 2}, {MB_ABORTRETRYIGNORE, IDRETRY, 3},
      {MB_ABORTRETRYIGNORE, IDIGNORE, 4}, {MB_YESNOCANCEL, IDCANCEL, 1},
  };
  const ProgramWindow program;
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << c.style << ", button " << c.button);
    DialogDriver driver(program.handle(), [&](HWND box) { DialogDriver::press(box, c.button); });
    EXPECT_EQ(showMessage("检测到战网客户端正在运行，是否继续？", c.style, "提示", nullptr), c.answer);
    const Seen& seen = driver.seen();
    ASSERT_TRUE(seen.dialogFound);
    EXPECT_EQ(seen.caption, "提示");
    EXPECT_THAT(seen.texts, Contains("检测到战网客户端正在运行，是否继续？"));
  }
}

TEST_F(Dialogs, ABoxThatCantBeShownCountsAsOk) {
  // An owner that is no window any more: MessageBoxA fails (Wine gives -1 rather than 0).
  const HWND gone = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(gone, nullptr);
  DestroyWindow(gone);
  EXPECT_EQ(showMessage("消息", 0x24, "提示", gone), 0);
}

TEST_F(Dialogs, ShowMessageIsTaskModalUnlessSystemModalIsAsked) {
  struct Case {
    std::uint32_t style;
    bool owned;
    int button;
    bool programWindowEnabledWhileOpen;
  };
  const Case cases[] = {
      // Without an owner, task-modal is what keeps the program's window from taking clicks.
      {0x30, false, IDOK, false},
      {0x24, true, IDNO, false},
      // A system-modal box is left as asked, so nothing of the thread is disabled.
      {0x1030, false, IDOK, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "style " << c.style << (c.owned ? ", owned" : ""));
    const ProgramWindow program;
    DialogDriver driver(program.handle(), [&](HWND box) { DialogDriver::press(box, c.button); });
    showMessage("消息", c.style, "错误", c.owned ? program.handle() : nullptr);
    const Seen& seen = driver.seen();
    ASSERT_TRUE(seen.dialogFound);
    EXPECT_EQ(seen.owner, c.owned ? program.handle() : nullptr);
    EXPECT_EQ(seen.programWindowEnabled, c.programWindowEnabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(program.handle()));
  }
}

}  // namespace
}  // namespace pelmora::win
