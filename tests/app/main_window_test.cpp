// The window's own parts that a test from outside can't see well: which window a failed creation
// names, what is left on screen when the location changes, and the location's bytes.
#include "app/main_window.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/refused_window_class.h"
#include "tests/unit/recording_operations.h"

namespace pelmora::app {
namespace {

using pelmora::testing::RecordingOperations;
using pelmora::testing::RefusedWindowClass;

HINSTANCE thisModule() {
  return GetModuleHandleA(nullptr);
}

// Hands every waiting message to its window, as the program's loop would.
void pumpMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

HWND childWithText(HWND parent, const char* windowClass, const char* text) {
  return FindWindowExA(parent, nullptr, windowClass, text);
}

// What the window shows in a control's place, read back from the window's own drawing surface.
std::vector<COLORREF> pixelsOf(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  const int width = client.right;
  const int height = client.bottom;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC source = GetDC(control);
  const HDC copy = CreateCompatibleDC(source);
  const HBITMAP bitmap = CreateDIBSection(copy, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  std::vector<COLORREF> pixels;
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  for (int i = 0; i < width * height; ++i) {
    pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
  }
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(control, source);
  return pixels;
}

// The pixels that are not the window's background, column by column: where text is drawn.
std::vector<int> inkedColumns(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  const std::vector<COLORREF> pixels = pixelsOf(control);
  const COLORREF background = GetSysColor(COLOR_BTNFACE);
  std::vector<int> columns;
  for (int x = 0; x < client.right; ++x) {
    for (int y = 0; y < client.bottom; ++y) {
      if (pixels[static_cast<std::size_t>(y * client.right + x)] != background) {
        columns.push_back(x);
        break;
      }
    }
  }
  return columns;
}

class MainWindowTest : public ::testing::Test {
 protected:
  RecordingOperations operations;
  MainWindow window;
};

struct RefusedCase {
  const char* windowClass;
  const char* reportedName;
};

TEST_F(MainWindowTest, aWindowThatCannotBeCreatedIsNamedAndNoHandlerRuns) {
  const RefusedCase cases[] = {
      {MainWindow::className, "MainWindow"},
      {TransLabel::className, "透明标签1"},  // the first label: creation stops there
      {"COMBOBOX", "组合框1"},
      {"BUTTON", "按钮1"},
  };
  for (const RefusedCase& refused : cases) {
    SCOPED_TRACE(refused.windowClass);
    MainWindow attempt;
    RecordingOperations untouched;
    {
      RefusedWindowClass refusal(refused.windowClass);
      const auto failure = attempt.create(thisModule(), nullptr, nullptr, untouched);
      ASSERT_TRUE(failure.has_value());
      EXPECT_EQ(failure->windowName, refused.reportedName);
      EXPECT_EQ(failure->className, refused.windowClass);
    }
    EXPECT_TRUE(untouched.calls.empty());
    EXPECT_FALSE(attempt.exists() && IsWindowVisible(attempt.handle()));
  }
}

TEST_F(MainWindowTest, changingTheLocationLeavesNothingOfTheOldText) {
  ASSERT_FALSE(window.create(thisModule(), nullptr, nullptr, operations).has_value());
  pumpMessages();
  const HWND label = childWithText(window.handle(), TransLabel::className, "透明标签");
  ASSERT_NE(label, nullptr);
  RECT client;
  GetClientRect(label, &client);
  const std::string wide(60, 'W');  // wider than the label: it reaches both ends

  struct Case {
    const char* name;
    std::string next;
  };
  const Case cases[] = {{"to empty", ""}, {"to a shorter text", "i"}};
  for (const Case& change : cases) {
    SCOPED_TRACE(change.name);
    window.setLocationText(wide);
    const std::vector<int> before = inkedColumns(label);
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before.front(), 0);
    EXPECT_EQ(before.back(), client.right - 1);

    // At once, with no message handled in between.
    window.setLocationText(change.next);
    const std::vector<int> after = inkedColumns(label);
    if (change.next.empty()) {
      EXPECT_TRUE(after.empty());
    } else {
      ASSERT_FALSE(after.empty());
      EXPECT_GT(after.front(), client.right / 2 - 10);
      EXPECT_LT(after.back(), client.right / 2 + 10);
    }
  }
}

TEST_F(MainWindowTest, theLocationReadsBackByteForByte) {
  ASSERT_FALSE(window.create(thisModule(), nullptr, nullptr, operations).has_value());
  const std::string texts[] = {
      "C:\\Program Files (x86)\\Battle.net\\Battle.net Launcher.exe",
      "trailing space ",
      "not a path",
      "line\r\nbreak",
      "C:\\游戏\\乗\\x.exe",  // 乗: a two-byte character whose second byte is a backslash
      "\x81",                 // a lead byte with nothing after it: no character at all
      "",
  };
  for (const std::string& text : texts) {
    window.setLocationText(text);
    EXPECT_EQ(window.locationText(), text);
  }
  window.setLocationText(std::string("before\0after", 12));
  EXPECT_EQ(window.locationText(), "before");
}

}  // namespace
}  // namespace pelmora::app
