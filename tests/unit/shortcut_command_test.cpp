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

RecordingOperations readyForShortcut(std::int32_t selection) {
  RecordingOperations ops;
  ops.location = kLocation;
  ops.selection = selection;
  return ops;
}

TEST(OnCreateDesktopShortcut, WritesTheRegionsShortcutThenConfirms) {
  struct Row {
    std::string name, description, launchSwitch;
  };
  const Row rows[] = {
      {"暴雪战网 国服", "国服版暴雪战网", "--setregion=CN"},
      {"暴雪战网 亚服", "亚服版暴雪战网", "--setregion=KR"},
      {"暴雪战网 美服", "美服版暴雪战网", "--setregion=US"},
      {"暴雪战网 欧服", "欧服版暴雪战网", "--setregion=EU"},
  };
  for (std::int32_t region = 0; region < 4; ++region) {
    SCOPED_TRACE(region);
    RecordingOperations ops = readyForShortcut(region);
    onCreateDesktopShortcut(ops);
    const Row& row = rows[region];
    EXPECT_THAT(ops.calls,
                ElementsAre("getLocationText()", "getSelectedRegionIndex()", "specialFolderPath(3)",
                            "createShortcutFile(\"C:\\users\\li\\Desktop\\" + row.name + "\", \"" + kLocation +
                                "\", \"" + row.description + "\", \"" + row.launchSwitch + "\", -)",
                            "delayMilliseconds(100)", "showMessage(\"创建快捷方式完成\")"));
    ASSERT_EQ(ops.messages.size(), 1u);
    EXPECT_EQ(ops.messages[0].style, 0x40u);
    EXPECT_EQ(ops.messages[0].title, "提示");
    EXPECT_EQ(ops.messages[0].owner, WindowHandle{});
    EXPECT_FALSE(ops.ended);
  }
}

TEST(OnCreateDesktopShortcut, JoinsTheShortcutNameOntoTheDesktopPathAsItIs) {
  struct Case {
    std::string desktop;
    std::string fileName;
  };
  const Case cases[] = {
      {"C:\\Users\\li.wei\\Desktop\\", "C:\\Users\\li.wei\\Desktop\\暴雪战网 欧服"},
      // The folder operation promises the backslash; the command inserts none of its own.
      {"C:\\Users\\li\\Desktop", "C:\\Users\\li\\Desktop暴雪战网 欧服"},
      {"", "暴雪战网 欧服"},
  };
  for (const Case& c : cases) {
    RecordingOperations ops = readyForShortcut(3);
    ops.desktopPath = c.desktop;
    onCreateDesktopShortcut(ops);
    EXPECT_THAT(ops.callsOf("createShortcutFile"),
                ElementsAre("createShortcutFile(\"" + c.fileName + "\", \"" + kLocation +
                            "\", \"欧服版暴雪战网\", \"--setregion=EU\", -)"));
  }
}

TEST(OnCreateDesktopShortcut, AFailedSaveIsReportedInsteadOfTheConfirmation) {
  RecordingOperations ops = readyForShortcut(0);
  ops.shortcutSaves = false;
  onCreateDesktopShortcut(ops);
  EXPECT_THAT(std::vector<std::string>(ops.calls.end() - 2, ops.calls.end()),
              ElementsAre("delayMilliseconds(100)", "showMessage(\"创建快捷方式失败，请检查桌面文件夹是否可以写入\")"));
  ASSERT_EQ(ops.messages.size(), 1u);
  EXPECT_EQ(ops.messages[0].style, 0x30u);
  EXPECT_EQ(ops.messages[0].title, "错误");
  EXPECT_EQ(ops.messages[0].owner, WindowHandle{});
}

TEST(OnCreateDesktopShortcut, RefusesAnEmptyLocationOrNoSelection) {
  struct Case {
    std::string location;
    std::int32_t selection;
    std::string message;
  };
  const Case cases[] = {
      {"", 1, "战网客户端主程序无效，请重新选择文件位置"},
      {"", -1, "战网客户端主程序无效，请重新选择文件位置"},
      {kLocation, -1, "选择值无效，请重新选择"},
  };
  for (const Case& c : cases) {
    RecordingOperations ops;
    ops.location = c.location;
    ops.selection = c.selection;
    onCreateDesktopShortcut(ops);
    EXPECT_EQ(ops.calls.back(), "showMessage(\"" + c.message + "\")");
    ASSERT_EQ(ops.messages.size(), 1u);
    EXPECT_EQ(ops.messages[0].style, 0x30u);
    EXPECT_EQ(ops.messages[0].title, "错误");
    EXPECT_THAT(ops.callsOf("specialFolderPath"), IsEmpty());
    EXPECT_THAT(ops.callsOf("createShortcutFile"), IsEmpty());
    EXPECT_THAT(ops.callsOf("delayMilliseconds"), IsEmpty());
  }
}

TEST(OnCreateDesktopShortcut, NeverLooksAtRunningProcesses) {
  RecordingOperations ops = readyForShortcut(2);
  ops.processes = {{"Battle.net.exe", 40}};
  onCreateDesktopShortcut(ops);
  EXPECT_THAT(ops.callsOf("isProcessRunning"), IsEmpty());
  EXPECT_THAT(ops.callsOf("findProcessIds"), IsEmpty());
  EXPECT_THAT(ops.callsOf("terminateProcessById"), IsEmpty());
  EXPECT_EQ(ops.processes.size(), 1u);
}

}  // namespace
}  // namespace pelmora
