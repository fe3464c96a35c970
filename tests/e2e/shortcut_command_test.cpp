// The shortcut command (按钮2): a shortcut on the desktop for the chosen region, and what the user
// is told when it can't be written.

#include <gmock/gmock.h>

#include "tests/e2e/driver/shortcut_file.h"
#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

class ShortcutCommandTest : public PelmoraTest {
 protected:
  // Clicks 按钮2 and answers the completion notice that must follow.
  void makeShortcutAndExpectTheNotice() {
    ASSERT_TRUE(program_->click(program_->controls().按钮2));
    const HWND box = waitForMessageBox();
    ASSERT_NE(box, nullptr) << "no notice";
    const MessageBoxView notice = readMessageBox(box);
    EXPECT_EQ(notice.text, texts::kShortcutDone);
    EXPECT_EQ(notice.title, texts::kNoticeTitle);
    EXPECT_EQ(notice.icon, BoxIcon::information);
    EXPECT_THAT(notice.buttons, ElementsAre(IDOK));
    EXPECT_EQ(notice.owner, nullptr);
    EXPECT_FALSE(IsWindowEnabled(program_->mainWindow())) << "the window takes input under the notice";
    ASSERT_TRUE(pressMessageBoxButton(box, IDOK));
    ASSERT_TRUE(windowIsBackInUse());
  }
};

TEST_F(ShortcutCommandTest, PutsAShortcutForEachChosenRegionOnTheDesktop) {
  const std::string launcher = installLauncher();
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";

  // One region after the other: the shortcuts made earlier stay.
  for (const Region& region : kRegions) {
    SCOPED_TRACE(region.listText);
    ASSERT_TRUE(program->pickRegion(region.index));
    ASSERT_NO_FATAL_FAILURE(makeShortcutAndExpectTheNotice());
  }
  EXPECT_THAT(namesIn(desktopPath()), UnorderedElementsAre("暴雪战网 国服.lnk", "暴雪战网 亚服.lnk",
                                                           "暴雪战网 美服.lnk", "暴雪战网 欧服.lnk"));
  for (const Region& region : kRegions) {
    SCOPED_TRACE(region.listText);
    const auto shortcut = readShortcutFile(desktopPath() + "\\" + region.shortcutName + ".lnk");
    ASSERT_TRUE(shortcut) << "not a shortcut the shell can load";
    EXPECT_EQ(shortcut->target, launcher);
    EXPECT_EQ(shortcut->arguments, region.launchSwitch);
    EXPECT_EQ(shortcut->description, region.shortcutDescription);
    EXPECT_EQ(shortcut->storedShowCommand, static_cast<unsigned long>(SW_SHOW));
  }
  // The launcher is not started. (Processes are: Wine's shell link starts its menu builder for
  // every saved link.)
  EXPECT_FALSE(readLaunchRecord(launcher));
  EXPECT_EQ(closeWithEsc(), 0);
}

TEST_F(ShortcutCommandTest, ADesktopPathWithAFullStopStillGetsTheLnkExtension) {
  const std::string launcher = installLauncher();
  const std::string desktop = useDesktopFolder("li.wei\\Desktop");
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(0));

  ASSERT_NO_FATAL_FAILURE(makeShortcutAndExpectTheNotice());
  EXPECT_THAT(namesIn(desktop), ElementsAre("暴雪战网 国服.lnk"));
  const auto shortcut = readShortcutFile(desktop + "\\暴雪战网 国服.lnk");
  ASSERT_TRUE(shortcut) << "not a shortcut the shell can load";
  EXPECT_EQ(shortcut->target, launcher);
  EXPECT_EQ(closeWithEsc(), 0);
}

TEST_F(ShortcutCommandTest, ADesktopThatCannotTakeTheFileShowsTheErrorInsteadOfTheNotice) {
  installLauncher();
  // Processes run as root under Wine, so no permission stops a write: a folder of the shortcut's
  // name does.
  const std::string inTheWay = folder_.makeFolder("Desktop\\暴雪战网 欧服.lnk");
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(3));

  ASSERT_TRUE(program->click(program->controls().按钮2));
  const HWND box = waitForMessageBox();
  ASSERT_NE(box, nullptr) << "no message";
  expectErrorBox(readMessageBox(box), texts::kShortcutFailed);
  ASSERT_TRUE(pressMessageBoxButton(box, IDOK));
  ASSERT_TRUE(windowIsBackInUse());
  // Esc reaches the window only if no notice came up after the error.
  EXPECT_EQ(closeWithEsc(), 0);
  EXPECT_TRUE(isFolder(inTheWay));
  EXPECT_THAT(namesIn(desktopPath()), ElementsAre("暴雪战网 欧服.lnk"));
}

}  // namespace
}  // namespace pelmora::e2e
