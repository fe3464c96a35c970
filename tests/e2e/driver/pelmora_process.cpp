#include "tests/e2e/driver/pelmora_process.h"

#include <utility>

#include "tests/e2e/driver/ansi_text.h"
#include "tests/e2e/driver/combo_box.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/user_input.h"
#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {
namespace {

constexpr char kCaption[] = "Pelmora 作者：Dusketh";
// What the program's processes end with when a test ends them.
constexpr UINT kEndedByTheTest = 0xE2E;

HWND visibleMainWindow(DWORD threadId) {
  for (const HWND window : topLevelWindowsOfThread(threadId)) {
    if (windowText(window) == kCaption && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::optional<JOBOBJECT_BASIC_ACCOUNTING_INFORMATION> accountingOf(HANDLE job) {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
  if (!QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr)) {
    return std::nullopt;
  }
  return accounting;
}

// Every process started inside the job stays in it, and all end when the job's last handle closes.
win::UniqueHandle jobThatEndsItsProcesses() {
  win::UniqueHandle job(CreateJobObjectA(nullptr, nullptr));
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  if (!job || !SetInformationJobObject(job.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits)) return {};
  return job;
}

}  // namespace

std::string pelmoraExePath() {
  return windowsPathOfBuildFile(PELMORA_EXE);
}

std::string pelmoraFolder() {
  const std::string exe = pelmoraExePath();
  return exe.substr(0, exe.rfind('\\'));
}

PelmoraProcess::PelmoraProcess(win::UniqueHandle job, win::UniqueHandle process, DWORD threadId)
    : job_(std::move(job)), process_(std::move(process)), threadId_(threadId) {}

std::unique_ptr<PelmoraProcess> PelmoraProcess::start(const std::string& currentDirectory) {
  win::UniqueHandle job = jobThatEndsItsProcesses();
  if (!job) return nullptr;

  // As the shell starts a program for a double click: its own path, quoted, as the command line.
  const std::string exe = pelmoraExePath();
  std::string commandLine = "\"" + exe + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  // Suspended until it is in the job, so that nothing it starts escapes the count.
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      currentDirectory.c_str(), &startup, &created)) {
    return nullptr;
  }
  win::UniqueHandle process(created.hProcess);
  const win::UniqueHandle thread(created.hThread);
  if (!AssignProcessToJobObject(job.get(), process.get())) {
    TerminateProcess(process.get(), kEndedByTheTest);
    return nullptr;
  }
  std::unique_ptr<PelmoraProcess> program(
      new PelmoraProcess(std::move(job), std::move(process), created.dwThreadId));
  ResumeThread(thread.get());

  const bool ready = waitUntil([&] {
    program->mainWindow_ = visibleMainWindow(program->threadId_);
    return program->mainWindow_ && IsChild(program->mainWindow_, program->focus());
  });
  if (!ready) return nullptr;
  const auto controls = identifyControls(program->mainWindow_);
  if (!controls) return nullptr;
  program->controls_ = *controls;
  return program;
}

PelmoraProcess::~PelmoraProcess() {
  TerminateJobObject(job_.get(), kEndedByTheTest);
  // Their files can be removed only once they are gone.
  waitUntil([&] {
    const auto accounting = accountingOf(job_.get());
    return !accounting || accounting->ActiveProcesses == 0;
  });
}

HWND PelmoraProcess::focus() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(threadId_, &info) ? info.hwndFocus : nullptr;
}

std::vector<HWND> PelmoraProcess::openDialogs() const {
  std::vector<HWND> dialogs;
  for (const HWND window : topLevelWindowsOfThread(threadId_)) {
    if (className(window) == "#32770" && IsWindowVisible(window)) dialogs.push_back(window);
  }
  return dialogs;
}

HWND PelmoraProcess::waitForDialog() const {
  return waitFor([&]() -> HWND {
    const std::vector<HWND> dialogs = openDialogs();
    return dialogs.size() == 1 ? dialogs.front() : nullptr;
  });
}

bool PelmoraProcess::isForeground() const {
  return GetWindowThreadProcessId(GetForegroundWindow(), nullptr) == threadId_;
}

bool PelmoraProcess::pressKey(WORD virtualKey, std::initializer_list<WORD> heldKeys) {
  if (!waitUntil([&] { return isForeground(); })) return false;
  e2e::pressKey(virtualKey, heldKeys);
  return true;
}

bool PelmoraProcess::click(HWND control) {
  return clickCentreOf(control);
}

bool PelmoraProcess::bringToFront() {
  if (isForeground()) return true;
  const Rect outer = screenRect(mainWindow_);
  const POINT caption{outer.x + outer.width / 2,
                      outer.y + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  return clickAt(caption) && waitUntil([&] { return isForeground(); });
}

bool PelmoraProcess::pickRegion(int index) {
  const HWND list = controls_.组合框1;
  if (!click(list) || !waitUntil([&] { return comboIsDroppedDown(list); })) return false;
  const HWND dropped = comboDroppedList(list);
  // The items stand one below the other from the top of the dropped part's client area; with
  // four items nothing is scrolled.
  const int itemHeight = static_cast<int>(sendBounded(dropped, LB_GETITEMHEIGHT, 0).value_or(0));
  POINT item{0, 0};
  ClientToScreen(dropped, &item);
  RECT client{};
  GetClientRect(dropped, &client);
  return clickAt(POINT{item.x + client.right / 2, item.y + index * itemHeight + itemHeight / 2}) &&
         waitUntil([&] { return comboSelection(list) == index && !comboIsDroppedDown(list); });
}

bool PelmoraProcess::hasEnded() const {
  return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0;
}

std::optional<int> PelmoraProcess::waitForExit() const {
  if (WaitForSingleObject(process_.get(), kPatienceMilliseconds) != WAIT_OBJECT_0) return std::nullopt;
  DWORD exitCode = 0;
  if (!GetExitCodeProcess(process_.get(), &exitCode)) return std::nullopt;
  return static_cast<int>(exitCode);
}

unsigned PelmoraProcess::processesStarted() const {
  const auto accounting = accountingOf(job_.get());
  return accounting ? accounting->TotalProcesses - 1 : 0;
}

}  // namespace pelmora::e2e
