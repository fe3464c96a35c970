// Both commands refuse when the location or the region is missing. The user is told why, and
// nothing is touched: the checks come before any look at a running launcher.

#include <gmock/gmock.h>

#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

struct RefusalCase {
  const char* name;
  bool runCommand;  // otherwise the shortcut command
  bool emptyLocation;
  bool pickRegion;
  const char* message;
  friend void PrintTo(const RefusalCase& row, std::ostream* out) { *out << row.name; }
};

class RefusalTest : public PelmoraTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ShowsWhyAndTouchesNothing) {
  const RefusalCase& row = GetParam();
  ASSERT_TRUE(runningLaunchers_.start(folder_.makeFolder("running"), kLauncherImageName));
  const std::string launcher = installLauncher();
  // An icon index alone leaves an empty location.
  if (row.emptyLocation) {
    ASSERT_TRUE(registryValue_.store(REG_SZ, ",0"));
  }
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  if (row.pickRegion) {
    ASSERT_TRUE(program->pickRegion(0));
  }

  ASSERT_TRUE(program->click(row.runCommand ? program->controls().按钮1 : program->controls().按钮2));
  const HWND box = waitForMessageBox();
  ASSERT_NE(box, nullptr) << "no message";
  expectErrorBox(readMessageBox(box), row.message);
  EXPECT_FALSE(IsWindowEnabled(program->mainWindow())) << "the window takes input under a message";

  ASSERT_TRUE(pressMessageBoxButton(box, IDOK));
  ASSERT_TRUE(windowIsBackInUse());
  // Esc reaches the window only if no further box came up.
  EXPECT_EQ(closeWithEsc(), 0);
  EXPECT_TRUE(runningLaunchers_.allRunning());
  EXPECT_EQ(program->processesStarted(), 0u);
  EXPECT_FALSE(readLaunchRecord(launcher));
  EXPECT_THAT(namesIn(desktopPath()), ::testing::IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, RefusalTest,
    ::testing::Values(RefusalCase{"RunWithoutLocation", true, true, true, texts::kInvalidLocation},
                      RefusalCase{"RunWithoutRegion", true, false, false, texts::kInvalidSelection},
                      RefusalCase{"ShortcutWithoutLocation", false, true, true, texts::kInvalidLocation},
                      RefusalCase{"ShortcutWithoutRegion", false, false, false, texts::kInvalidSelection}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelmora::e2e
