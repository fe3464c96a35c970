#include <algorithm>
#include <cctype>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/handlers.h"
#include "tests/unit/recording_operations.h"

namespace pelmora {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::RecordingOperations;

const std::string kLocation = "C:\\B\\Battle.net Launcher.exe";
const std::string kQuestion = "检测到战网客户端正在运行，更换服务器需要重启软件，是否继续？";
constexpr std::int32_t kNo = 6;

// The position of the first call that starts with this text; fails the test when there is none.
std::size_t positionOf(const RecordingOperations& ops, const std::string& start) {
  const auto it = std::ranges::find_if(ops.calls, [&](const std::string& c) { return c.starts_with(start); });
  EXPECT_NE(it, ops.calls.end()) << "no call " << start;
  return static_cast<std::size_t>(it - ops.calls.begin());
}

RecordingOperations readyToRun(std::int32_t selection) {
  RecordingOperations ops;
  ops.location = kLocation;
  ops.selection = selection;
  return ops;
}

TEST(OnRunWithSelectedServer, StartsTheLauncherWithTheRegionsSwitchAndEnds) {
  const std::string switches[] = {"--setregion=CN", "--setregion=KR", "--setregion=US", "--setregion=EU"};
  for (std::int32_t region = 0; region < 4; ++region) {
    SCOPED_TRACE(region);
    RecordingOperations ops = readyToRun(region);
    onRunWithSelectedServer(ops);
    EXPECT_THAT(ops.calls,
                ElementsAre("getLocationText()", "getSelectedRegionIndex()",
                            "isProcessRunning(\"Battle.net Launcher.exe\", false)",
                            "isProcessRunning(\"Battle.net.exe\", false)",
                            "shellExecute(-, \"" + kLocation + "\", \"" + switches[region] + "\", -, -)",
                            "delayMilliseconds(100)", "endProgram(0)"));
    EXPECT_THAT(ops.messages, IsEmpty());
  }
}

TEST(OnRunWithSelectedServer, RefusesAnEmptyLocationBeforeLookingForTheLauncher) {
  RecordingOperations ops = readyToRun(2);
  ops.location = "";
  ops.processes = {{"Battle.net.exe", 40}};
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.calls, ElementsAre("getLocationText()", "showMessage(\"战网客户端主程序无效，请重新选择文件位置\")"));
  ASSERT_EQ(ops.messages.size(), 1u);
  EXPECT_EQ(ops.messages[0].style, 0x30u);
  EXPECT_EQ(ops.messages[0].title, "错误");
  EXPECT_EQ(ops.messages[0].owner, WindowHandle{});
  EXPECT_EQ(ops.processes.size(), 1u);
  EXPECT_FALSE(ops.ended);
}

TEST(OnRunWithSelectedServer, RefusesNoSelectionBeforeLookingForTheLauncher) {
  RecordingOperations ops = readyToRun(-1);
  ops.processes = {{"Battle.net Launcher.exe", 40}};
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.calls, ElementsAre("getLocationText()", "getSelectedRegionIndex()",
                                     "showMessage(\"选择值无效，请重新选择\")"));
  ASSERT_EQ(ops.messages.size(), 1u);
  EXPECT_EQ(ops.messages[0].style, 0x30u);
  EXPECT_EQ(ops.messages[0].title, "错误");
  EXPECT_EQ(ops.messages[0].owner, WindowHandle{});
  EXPECT_FALSE(ops.ended);
}

struct RunningLauncher {
  std::string imageName;
  bool foundByFirstLookup;  // "Battle.net Launcher.exe" is asked about first
  friend void PrintTo(const RunningLauncher& r, std::ostream* os) { *os << r.imageName; }
};

class WithRunningLauncher : public ::testing::TestWithParam<RunningLauncher> {};

TEST_P(WithRunningLauncher, YesEndsItAndStartsTheNewOne) {
  RecordingOperations ops = readyToRun(2);
  ops.processes = {{"explorer.exe", 7}, {GetParam().imageName, 40}};
  ops.answers = {answerYes};
  onRunWithSelectedServer(ops);

  ASSERT_EQ(ops.messages.size(), 1u);
  EXPECT_EQ(ops.messages[0].text, kQuestion);
  EXPECT_EQ(ops.messages[0].style, 0x24u);
  EXPECT_EQ(ops.messages[0].title, "提示");
  EXPECT_EQ(ops.messages[0].owner, ops.mainWindow);
  EXPECT_EQ(ops.callsOf("isProcessRunning").size(), GetParam().foundByFirstLookup ? 1u : 2u);
  EXPECT_THAT(ops.callsOf("terminateProcessById"), ElementsAre("terminateProcessById(40)"));
  EXPECT_THAT(ops.processes, ::testing::SizeIs(1));  // explorer.exe is left alone

  // detect, ask, terminate, wait, pause, launch, pause, end
  const std::size_t ask = positionOf(ops, "showMessage(");
  const std::size_t terminate = positionOf(ops, "terminateProcessById(");
  const std::size_t wait = positionOf(ops, "waitForProcessesToEnd(");
  const std::size_t launch = positionOf(ops, "shellExecute(");
  EXPECT_LT(positionOf(ops, "isProcessRunning("), ask);
  EXPECT_LT(ask, terminate);
  EXPECT_LT(terminate, wait);
  EXPECT_EQ(ops.calls[wait], "waitForProcessesToEnd([40], 5000)");
  EXPECT_EQ(ops.calls[wait + 1], "delayMilliseconds(100)");
  EXPECT_LT(wait, launch);
  EXPECT_THAT(std::vector<std::string>(ops.calls.begin() + static_cast<std::ptrdiff_t>(launch), ops.calls.end()),
              ElementsAre("shellExecute(-, \"" + kLocation + "\", \"--setregion=US\", -, -)",
                          "delayMilliseconds(100)", "endProgram(0)"));
}

TEST_P(WithRunningLauncher, NoTouchesNothing) {
  for (const std::int32_t answer : {kNo, 0}) {  // 0: the box could not be shown
    RecordingOperations ops = readyToRun(2);
    ops.processes = {{GetParam().imageName, 40}};
    ops.answers = {answer};
    onRunWithSelectedServer(ops);
    EXPECT_EQ(ops.calls.back(), "showMessage(\"" + kQuestion + "\")");
    EXPECT_THAT(ops.callsOf("findProcessIds"), IsEmpty());
    EXPECT_THAT(ops.callsOf("terminateProcessById"), IsEmpty());
    EXPECT_THAT(ops.callsOf("shellExecute"), IsEmpty());
    EXPECT_FALSE(ops.ended);
  }
}

INSTANTIATE_TEST_SUITE_P(EachNameAndLetterCase, WithRunningLauncher,
                         ::testing::Values(RunningLauncher{"Battle.net Launcher.exe", true},
                                           RunningLauncher{"battle.net launcher.exe", true},
                                           RunningLauncher{"BATTLE.NET LAUNCHER.EXE", true},
                                           RunningLauncher{"Battle.net.exe", false},
                                           RunningLauncher{"battle.NET.exe", false}),
                         [](const ::testing::TestParamInfo<RunningLauncher>& info) {
                           std::string name;
                           for (const char c : info.param.imageName) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                           return name;
                         });

TEST(OnRunWithSelectedServer, YesEndsEveryProcessOfBothNames) {
  RecordingOperations ops = readyToRun(0);
  ops.processes = {{"Battle.net.exe", 11}, {"Battle.net Launcher.exe", 22}, {"battle.net.exe", 33},
                   {"Battle.net Launcher.exe", 44}};
  ops.answers = {answerYes};
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.callsOf("findProcessIds"), ElementsAre("findProcessIds(\"Battle.net Launcher.exe\", false)",
                                                         "findProcessIds(\"Battle.net.exe\", false)"));
  EXPECT_THAT(ops.callsOf("terminateProcessById"),
              ElementsAre("terminateProcessById(22)", "terminateProcessById(44)", "terminateProcessById(11)",
                          "terminateProcessById(33)"));
  EXPECT_THAT(ops.callsOf("waitForProcessesToEnd"), ElementsAre("waitForProcessesToEnd([22 44 11 33], 5000)"));
  EXPECT_THAT(ops.processes, IsEmpty());
  EXPECT_EQ(ops.calls.back(), "endProgram(0)");
}

TEST(OnRunWithSelectedServer, WaitsOnlyForTheProcessesItCouldEnd) {
  RecordingOperations ops = readyToRun(1);
  ops.processes = {{"Battle.net Launcher.exe", 22}, {"Battle.net.exe", 33}};
  ops.unkillable = {22};
  ops.answers = {answerYes};
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.callsOf("waitForProcessesToEnd"), ElementsAre("waitForProcessesToEnd([33], 5000)"));
  EXPECT_THAT(ops.callsOf("shellExecute"), ElementsAre("shellExecute(-, \"" + kLocation + "\", \"--setregion=KR\", -, -)"));
  EXPECT_EQ(ops.calls.back(), "endProgram(0)");
}

TEST(OnRunWithSelectedServer, ProcessesGoneBeforeTheTerminationAreNotWaitedFor) {
  RecordingOperations ops = readyToRun(1);
  ops.processes = {{"Battle.net.exe", 33}};
  ops.unkillable = {33};
  ops.answers = {answerYes};
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.callsOf("waitForProcessesToEnd"), IsEmpty());
  EXPECT_EQ(ops.calls.back(), "endProgram(0)");
}

TEST(OnRunWithSelectedServer, AFailedLaunchIsReportedAndTheProgramStays) {
  RecordingOperations ops = readyToRun(3);
  ops.location = "查找战网主程序文件Battle.net Launcher.exe失败，请确认战网客户端是否完整安装";
  ops.launchSucceeds = false;
  onRunWithSelectedServer(ops);
  EXPECT_EQ(ops.calls.back(), "showMessage(\"启动战网客户端失败，请重新选择文件位置\")");
  ASSERT_EQ(ops.messages.size(), 1u);
  EXPECT_EQ(ops.messages[0].style, 0x30u);
  EXPECT_EQ(ops.messages[0].title, "错误");
  EXPECT_EQ(ops.messages[0].owner, WindowHandle{});
  EXPECT_THAT(ops.callsOf("delayMilliseconds"), IsEmpty());
  EXPECT_FALSE(ops.ended);
}

TEST(OnRunWithSelectedServer, ALocationThatIsNotAPathIsStillHandedToTheShell) {
  RecordingOperations ops = readyToRun(0);
  ops.location = " ";
  onRunWithSelectedServer(ops);
  EXPECT_THAT(ops.callsOf("shellExecute"), ElementsAre("shellExecute(-, \" \", \"--setregion=CN\", -, -)"));
  EXPECT_TRUE(ops.ended);
}

}  // namespace
}  // namespace pelmora
