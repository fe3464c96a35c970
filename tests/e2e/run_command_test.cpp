// The run command (按钮1): the launcher started in the chosen region, a running one ended first
// when the user agrees, and the refusals and failures that leave the window open.

#include <gmock/gmock.h>

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

using ::testing::ElementsAre;
using ::testing::Each;

class RunEachRegionTest : public PelmoraTest, public ::testing::WithParamInterface<Region> {};

TEST_P(RunEachRegionTest, StartsTheLauncherWithTheRegionSwitchAloneAndEnds) {
  const Region& region = GetParam();
  const std::string launcher = installLauncher();
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(region.index));

  ASSERT_TRUE(program->click(program->controls().按钮1));
  EXPECT_EQ(program->waitForExit(), 0);
  const auto record = waitForLaunchRecord(launcher);
  ASSERT_TRUE(record) << "the launcher was not started";
  EXPECT_THAT(record->arguments, ElementsAre(region.launchSwitch));
  // Started with an empty directory, the launcher runs in the program's own folder.
  EXPECT_EQ(record->currentDirectory, pelmoraFolder());
  EXPECT_EQ(program->processesStarted(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Regions, RunEachRegionTest, ::testing::ValuesIn(kRegions),
                         [](const ::testing::TestParamInfo<Region>& info) {
                           return std::string(info.param.launchSwitch + 12);  // the region code
                         });

using RunWithARunningLauncherTest = PelmoraTest;

TEST_F(RunWithARunningLauncherTest, AsksFirstAndNoLeavesEverythingAsItWas) {
  ASSERT_TRUE(runningLaunchers_.start(folder_.makeFolder("running"), kLauncherImageName));
  const std::string launcher = installLauncher();
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(2));

  ASSERT_TRUE(program->click(program->controls().按钮1));
  const HWND box = waitForMessageBox();
  ASSERT_NE(box, nullptr) << "no question";
  const MessageBoxView question = readMessageBox(box);
  EXPECT_EQ(question.text, texts::kRestartQuestion);
  EXPECT_EQ(question.title, texts::kNoticeTitle);
  EXPECT_EQ(question.icon, BoxIcon::question);
  EXPECT_THAT(question.buttons, ElementsAre(IDYES, IDNO));
  EXPECT_EQ(question.owner, program->mainWindow());
  EXPECT_FALSE(IsWindowEnabled(program->mainWindow())) << "the window takes input under its question";

  ASSERT_TRUE(pressMessageBoxButton(box, IDNO));
  // Its owner becomes the active window again when the question closes.
  EXPECT_TRUE(waitUntil([&] { return program->isForeground(); })) << "the window is not active after the question";
  ASSERT_TRUE(windowIsBackInUse());
  EXPECT_EQ(closeWithEsc(), 0);
  EXPECT_TRUE(runningLaunchers_.allRunning());
  EXPECT_EQ(program->processesStarted(), 0u);
  EXPECT_FALSE(readLaunchRecord(launcher));
}

struct RunningSet {
  const char* name;
  std::vector<const char*> imageNames;
  friend void PrintTo(const RunningSet& row, std::ostream* out) { *out << row.name; }
};

class RunAfterYesTest : public PelmoraTest, public ::testing::WithParamInterface<RunningSet> {};

TEST_P(RunAfterYesTest, EndsEveryLauncherProcessThenStartsTheNewOne) {
  const std::string running = folder_.makeFolder("running");
  for (const char* imageName : GetParam().imageNames) {
    ASSERT_TRUE(runningLaunchers_.start(running, imageName));
  }
  const std::string launcher = installLauncher();
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(3));

  ASSERT_TRUE(program->click(program->controls().按钮1));
  const HWND box = waitForMessageBox();
  ASSERT_NE(box, nullptr) << "no question";
  EXPECT_EQ(readMessageBox(box).text, texts::kRestartQuestion);
  ASSERT_TRUE(pressMessageBoxButton(box, IDYES));

  EXPECT_EQ(program->waitForExit(), 0);
  ASSERT_TRUE(runningLaunchers_.waitUntilAllEnded()) << "a launcher process was left running";
  // Ended by the program, which ends them with exit code 0.
  EXPECT_THAT(runningLaunchers_.exitCodes(), Each(0u));
  const auto record = waitForLaunchRecord(launcher);
  ASSERT_TRUE(record) << "the new launcher was not started";
  EXPECT_THAT(record->arguments, ElementsAre("--setregion=EU"));
  EXPECT_EQ(program->processesStarted(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    RunningSets, RunAfterYesTest,
    ::testing::Values(
        // A launcher that runs several processes of one name, found under the second name alone.
        RunningSet{"TwoProcessesOfOneName", {kClientImageName, kClientImageName}},
        // Both names, one of them written in other letter case.
        RunningSet{"BothNamesInAnyCase", {kLauncherImageName, "battle.NET.exe"}}),
    [](const ::testing::TestParamInfo<RunningSet>& info) { return std::string(info.param.name); });

using RunFailureTest = PelmoraTest;

TEST_F(RunFailureTest, ALocationThatNamesNoFileShowsTheLaunchErrorAndTheWindowStays) {
  ASSERT_TRUE(registryValue_.store(REG_SZ, "\"" + folder_.pathOf("gone\\Battle.net Launcher.exe") + "\",0"));
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  ASSERT_TRUE(program->pickRegion(0));

  ASSERT_TRUE(program->click(program->controls().按钮1));
  const HWND box = waitForMessageBox();
  ASSERT_NE(box, nullptr) << "no message";
  expectErrorBox(readMessageBox(box), texts::kLaunchFailed);

  ASSERT_TRUE(pressMessageBoxButton(box, IDOK));
  ASSERT_TRUE(windowIsBackInUse());
  // Active again, the window hands the focus back to the control that had it.
  EXPECT_TRUE(waitUntil([&] { return program->focus() == program->controls().按钮1; }));
  EXPECT_EQ(closeWithEsc(), 0);
  EXPECT_EQ(program->processesStarted(), 0u);
}

}  // namespace
}  // namespace pelmora::e2e
