#include "tests/e2e/e2e_fixture.h"

#include <gmock/gmock.h>

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/screen_pixels.h"
#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {

PelmoraTest::PelmoraTest() {
  // Never the prefix's real desktop: each test sees only what it made itself.
  useDesktopFolder("Desktop");
}

std::string PelmoraTest::installLauncher() {
  const std::string launcher = placeRecordingLauncher(folder_.makeFolder("Battle.net"));
  EXPECT_TRUE(registryValue_.store(REG_SZ, "\"" + launcher + "\",0")) << "can't write the launcher's registry value";
  return launcher;
}

std::string PelmoraTest::useDesktopFolder(std::string_view relative) {
  desktop_.reset();
  desktop_.emplace(folder_.makeFolder(relative));
  return desktop_->path();
}

PelmoraProcess* PelmoraTest::startProgram() {
  // Started from the test's folder: the program must make its own folder the current one.
  program_ = PelmoraProcess::start(folder_.path());
  return program_.get();
}

HWND PelmoraTest::waitForMessageBox() {
  const HWND dialog = program_->waitForDialog();
  return dialog && isMessageBox(dialog) ? dialog : nullptr;
}

bool PelmoraTest::labelShows(HWND label, const std::string& text) {
  const Rect place = screenRect(label);
  const Image expected = renderLabelText(text, place.width, place.height);
  return waitUntil([&] { return sameInk(captureScreen(place), expected); });
}

bool PelmoraTest::windowIsBackInUse() {
  const bool free = waitUntil([&] {
    return program_->openDialogs().empty() && IsWindowEnabled(program_->mainWindow()) && !program_->hasEnded();
  });
  // When a box without an owner closes, Windows makes the window active again; Wine, with no window
  // manager, leaves no window active, and the user clicks the window to go on.
  return free && program_->bringToFront();
}

std::optional<int> PelmoraTest::closeWithEsc() {
  if (!program_->pressKey(VK_ESCAPE)) return std::nullopt;
  return program_->waitForExit();
}

void expectErrorBox(const MessageBoxView& box, std::string_view text) {
  EXPECT_EQ(box.text, text);
  EXPECT_EQ(box.title, texts::kErrorTitle);
  EXPECT_EQ(box.icon, BoxIcon::exclamation);
  EXPECT_THAT(box.buttons, ::testing::ElementsAre(IDOK));
  EXPECT_EQ(box.owner, nullptr);
}

}  // namespace pelmora::e2e
