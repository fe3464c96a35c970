// The ways a user closes the window: each ends the program at once, with no question and exit
// code 0.

#include <functional>

#include "tests/e2e/driver/combo_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/user_input.h"
#include "tests/e2e/driver/window_facts.h"
#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

struct ClosingWay {
  const char* name;
  // Closes the window as a user would; false when the user could not get that far.
  std::function<bool(PelmoraProcess&)> close;
  friend void PrintTo(const ClosingWay& row, std::ostream* out) { *out << row.name; }
};

// A menu of the program on the screen: Windows shows menus in windows of class "#32768".
bool menuIsOpen(const PelmoraProcess& program) {
  for (const HWND window : topLevelWindowsOfThread(program.threadId())) {
    if (className(window) == "#32768" && IsWindowVisible(window)) return true;
  }
  return false;
}

bool moveFocusToTheFirstButton(PelmoraProcess& program) {
  return program.pressKey(VK_TAB) &&
         waitUntil([&] { return program.focus() == program.controls().按钮1; });
}

// Where the frame's close box is: along the middle of the caption bar from its right end, the
// stretch that the window itself calls HTCLOSE.
std::optional<POINT> closeBoxCentre(HWND window) {
  const Rect outer = screenRect(window);
  const int captionHeight = GetSystemMetrics(SM_CYCAPTION);
  const int y = outer.y + GetSystemMetrics(SM_CYFIXEDFRAME) + captionHeight / 2;
  std::optional<int> right;
  for (int x = outer.x + outer.width - 1; x > outer.x + outer.width - 4 * captionHeight; --x) {
    const bool onCloseBox = sendBounded(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE;
    if (onCloseBox && !right) right = x;
    if (!onCloseBox && right) return POINT{(x + 1 + *right) / 2, y};
  }
  return std::nullopt;
}

class ClosingTest : public PelmoraTest, public ::testing::WithParamInterface<ClosingWay> {};

TEST_P(ClosingTest, EndsTheProgramWithExitCode0) {
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(GetParam().close(*program));
  EXPECT_EQ(program->waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ClosingTest,
    ::testing::Values(
        ClosingWay{"Esc", [](PelmoraProcess& program) { return program.pressKey(VK_ESCAPE); }},
        ClosingWay{"EscWithTheListDroppedDown",
                   [](PelmoraProcess& program) {
                     const HWND list = program.controls().组合框1;
                     return program.pressKey(VK_F4) && waitUntil([&] { return comboIsDroppedDown(list); }) &&
                            program.pressKey(VK_ESCAPE);
                   }},
        // Wine's list control swallows the system keys (Alt+F4 closes from the list on Windows,
        // not under Wine), so the focus moves to a button first, as it could for any user.
        ClosingWay{"AltF4",
                   [](PelmoraProcess& program) {
                     return moveFocusToTheFirstButton(program) && program.pressKey(VK_F4, {VK_MENU});
                   }},
        ClosingWay{"CloseBox",
                   [](PelmoraProcess& program) {
                     const auto closeBox = closeBoxCentre(program.mainWindow());
                     return closeBox && clickAt(*closeBox);
                   }},
        // The system menu opened from the keyboard (Alt+Space, from a button for the same reason)
        // and its Close item chosen by its mnemonic.
        ClosingWay{"SystemMenuClose",
                   [](PelmoraProcess& program) {
                     return moveFocusToTheFirstButton(program) && program.pressKey(VK_SPACE, {VK_MENU}) &&
                            waitUntil([&] { return menuIsOpen(program); }) && program.pressKey('C');
                   }}),
    [](const ::testing::TestParamInfo<ClosingWay>& info) { return std::string(info.param.name); });

using ShiftEscTest = PelmoraTest;

TEST_F(ShiftEscTest, ShiftEscDoesNotClose) {
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pressKey(VK_ESCAPE, {VK_SHIFT}));
  // Once the Tab that follows has moved the focus, Shift+Esc has been dealt with.
  ASSERT_TRUE(moveFocusToTheFirstButton(*program));
  EXPECT_FALSE(program->hasEnded());
  EXPECT_TRUE(IsWindowVisible(program->mainWindow()));
  EXPECT_EQ(closeWithEsc(), 0);
}

}  // namespace
}  // namespace pelmora::e2e
