// Pointing at the launcher by hand (按钮3): the shell's browse dialog, and what the choice does.

#include <gmock/gmock.h>

#include "tests/e2e/driver/browse_dialog.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/window_facts.h"
#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

using BrowseTest = PelmoraTest;

TEST_F(BrowseTest, TheChosenFileBecomesTheLocationCancelKeepsItAndTheRunUsesIt) {
  // Not installed: the location starts as the fallback message.
  const std::string launcher = placeRecordingLauncher(folder_.makeFolder("Games\\Battle.net"));
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";
  const HWND window = program->mainWindow();
  const HWND label = program->controls().战网位置;
  ASSERT_EQ(windowText(label), texts::kRegistryFallback);

  ASSERT_TRUE(program->click(program->controls().按钮3));
  HWND dialog = program->waitForDialog();
  ASSERT_TRUE(dialog && isBrowseDialog(dialog)) << "no browse dialog";
  EXPECT_EQ(browsePrompt(dialog), texts::kBrowsePrompt);
  EXPECT_FALSE(IsWindowEnabled(window)) << "the window takes input under the dialog";
  ASSERT_TRUE(selectInBrowseDialog(program->process(), dialog, launcher));
  ASSERT_TRUE(pressBrowseButton(dialog, IDOK));
  // The program makes its window the active one again itself, under Wine too.
  EXPECT_TRUE(waitUntil([&] { return program->isForeground(); })) << "the window is not active after the dialog";
  ASSERT_TRUE(windowIsBackInUse());
  EXPECT_TRUE(waitUntil([&] { return windowText(label) == launcher; })) << windowText(label);
  // Repainted at once, with nothing of the longer fallback text left around the path.
  EXPECT_TRUE(labelShows(label, launcher));

  // Cancelled: the location stays.
  ASSERT_TRUE(program->click(program->controls().按钮3));
  dialog = program->waitForDialog();
  ASSERT_TRUE(dialog && isBrowseDialog(dialog)) << "no browse dialog";
  EXPECT_FALSE(IsWindowEnabled(window)) << "the window takes input under the dialog";
  ASSERT_TRUE(pressBrowseButton(dialog, IDCANCEL));
  EXPECT_TRUE(waitUntil([&] { return program->isForeground(); })) << "the window is not active after the dialog";
  ASSERT_TRUE(windowIsBackInUse());
  // The pick is taken only once the dialog's handler has returned: the location is final by then.
  ASSERT_TRUE(program->pickRegion(3));
  EXPECT_EQ(windowText(label), launcher);
  EXPECT_TRUE(labelShows(label, launcher));

  ASSERT_TRUE(program->click(program->controls().按钮1));
  EXPECT_EQ(program->waitForExit(), 0);
  const auto record = waitForLaunchRecord(launcher);
  ASSERT_TRUE(record) << "the chosen launcher was not started";
  EXPECT_THAT(record->arguments, ::testing::ElementsAre("--setregion=EU"));
}

}  // namespace
}  // namespace pelmora::e2e
