#include "core/launcher_location.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/handlers.h"
#include "tests/unit/recording_operations.h"

namespace pelmora {
namespace {

using ::testing::ElementsAre;

const std::string kValuePath =
    "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities\\ApplicationIcon";
const std::string kFallback = "查找战网主程序文件Battle.net Launcher.exe失败，请确认战网客户端是否完整安装";

TEST(LauncherLocationFromRegistryText, RemovesTheIconIndexAndOnePairOfQuotes) {
  struct Case {
    std::string value;
    std::string location;
  };
  const Case cases[] = {
      {",0", ""},
      {"\"C:\\B\\Battle.net Launcher.exe\",0", "C:\\B\\Battle.net Launcher.exe"},
      {"C:\\B\\Battle.net Launcher.exe,0", "C:\\B\\Battle.net Launcher.exe"},
      {"C:\\B\\x.exe,-101", "C:\\B\\x.exe"},
      {"C:\\B\\x.exe,12", "C:\\B\\x.exe"},
      {"\"C:\\B\\x.exe\"", "C:\\B\\x.exe"},
      // No icon index: nothing is cut.
      {"C:\\B\\x.exe", "C:\\B\\x.exe"},
      {"C:\\B\\x.exe,", "C:\\B\\x.exe,"},
      {"C:\\B\\x.exe,-", "C:\\B\\x.exe,-"},
      {"C:\\B\\x.exe,0a", "C:\\B\\x.exe,0a"},
      {"C:\\B\\x.exe-0", "C:\\B\\x.exe-0"},
      {"C:\\B\\x.exe,--1", "C:\\B\\x.exe,--1"},
      {"12", "12"},
      {"", ""},
      {"x", "x"},
      {"xy", "xy"},
      // Quotes only as an enclosing pair, and only one pair.
      {"\"", "\""},
      {"\"\"", ""},
      {"\"\"\"\"", "\"\""},
      {"\"C:\\a b\\x.exe", "\"C:\\a b\\x.exe"},
      {"\"C:\\x.exe\",0,0", "\"C:\\x.exe\",0"},
      // A path ending in a two-byte character loses nothing.
      {"D:\\战网\\国服", "D:\\战网\\国服"},
      {"\"D:\\战网\\启动器.exe\",0", "D:\\战网\\启动器.exe"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(launcherLocationFromRegistryText(c.value), c.location) << c.value;
  }
}

TEST(LauncherLocationFromRegistryText, KeepsTheFallbackTextWhole) {
  ASSERT_EQ(kFallback.size(), 75u);
  EXPECT_EQ(launcherLocationFromRegistryText(kFallback), kFallback);
}

TEST(LauncherLocationFromRegistryText, A45ByteValueEndingInCommaZeroKeeps43Bytes) {
  const std::string path = "C:\\Program Files (x86)\\Battle.net\\Agent.exe";
  ASSERT_EQ(path.size(), 43u);
  EXPECT_EQ(launcherLocationFromRegistryText(path + ",0"), path);
}

TEST(OnMainWindowCreated, ReadsTheInstallersValueAndShowsTheLocation) {
  testing::RecordingOperations ops;
  ops.registryText = "\"C:\\Program Files (x86)\\Battle.net\\Battle.net Launcher.exe\",0";
  onMainWindowCreated(ops);
  EXPECT_THAT(ops.calls, ElementsAre("readRegistryText(4, \"" + kValuePath + "\", \"" + kFallback + "\")",
                                     "setLocationText(\"C:\\Program Files (x86)\\Battle.net\\Battle.net Launcher.exe\")"));
  EXPECT_TRUE(ops.messages.empty());
}

TEST(OnMainWindowCreated, AMissingValueShowsTheWholeFallbackText) {
  testing::RecordingOperations ops;
  ops.registryText = kFallback;  // what the registry read yields for every failure
  onMainWindowCreated(ops);
  EXPECT_EQ(ops.location, kFallback);
}

TEST(OnMainWindowCreated, AnEmptyValueGivesTheEmptyLocation) {
  testing::RecordingOperations ops;
  ops.registryText = "";
  onMainWindowCreated(ops);
  EXPECT_EQ(ops.location, "");
  EXPECT_EQ(ops.callsOf("setLocationText").size(), 1u);
}

TEST(OnLocateLauncher, TheChosenFileBecomesTheLocation) {
  testing::RecordingOperations ops;
  ops.location = "C:\\old\\Battle.net Launcher.exe";
  ops.browseResult = "D:\\游戏\\Battle.net Launcher.exe";
  onLocateLauncher(ops);
  EXPECT_THAT(ops.calls, ElementsAre("browseForFile(\"选择你的战网战网主程序文件Battle.net Launcher.exe\", true)",
                                     "setLocationText(\"D:\\游戏\\Battle.net Launcher.exe\")"));
  EXPECT_EQ(ops.location, "D:\\游戏\\Battle.net Launcher.exe");
}

TEST(OnLocateLauncher, CancellingKeepsTheLocation) {
  testing::RecordingOperations ops;
  ops.location = "C:\\old\\Battle.net Launcher.exe";
  ops.browseResult = "";
  onLocateLauncher(ops);
  EXPECT_TRUE(ops.callsOf("setLocationText").empty());
  EXPECT_EQ(ops.location, "C:\\old\\Battle.net Launcher.exe");
  EXPECT_TRUE(ops.messages.empty());
}

}  // namespace
}  // namespace pelmora
