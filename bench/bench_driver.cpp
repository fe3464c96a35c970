// Measures the program against the floor under Wine, in interleaved runs, and prints a table:
// start (CreateProcess to the main window visible), peak working set, and the run button's
// click to the launcher having started against a bare ShellExecuteA of the same file. The styled
// floor's start and working set follow, for what the program's manifest and texts cost by
// themselves.
//
// bench_driver PROGRAM FLOOR STYLED_FLOOR LAUNCHER RUNS
#include <windows.h>
#include <ole2.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr char kStartedEvent[] = "PelmoraBenchLauncherStarted";
constexpr char kLauncherKey[] = "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities";
constexpr DWORD kTimeoutMs = 20000;

double nowMs() {
  static const LONGLONG frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency);
}

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "bench: %s (error %lu)\n", what.c_str(), GetLastError());
  std::exit(1);
}

HWND visibleTopLevelWindowOf(DWORD processId) {
  struct Search {
    DWORD processId;
    HWND found;
  } search{processId, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct Started {
  PROCESS_INFORMATION process;
  HWND window;
  double milliseconds;  // CreateProcess to the window visible
};

Started startAndWaitForWindow(const std::string& exe) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::string commandLine = "\"" + exe + "\"";
  const double t0 = nowMs();
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    fail("CreateProcess " + exe);
  }
  HWND window = nullptr;
  while (!(window = visibleTopLevelWindowOf(process.dwProcessId))) {
    if (nowMs() - t0 > kTimeoutMs) fail("no window from " + exe);
    Sleep(1);
  }
  return {process, window, nowMs() - t0};
}

void endAndClose(Started& started) {
  if (IsWindow(started.window)) PostMessageA(started.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(started.process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(started.process.hProcess, 1);
  }
  CloseHandle(started.process.hThread);
  CloseHandle(started.process.hProcess);
}

struct StartSample {
  double milliseconds;
  double peakWorkingSetKiB;
};

StartSample measureStart(const std::string& exe) {
  Started started = startAndWaitForWindow(exe);
  WaitForInputIdle(started.process.hProcess, kTimeoutMs);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(started.process.hProcess, &counters, sizeof counters)) fail("GetProcessMemoryInfo");
  endAndClose(started);
  return {started.milliseconds, static_cast<double>(counters.PeakWorkingSetSize) / 1024.0};
}

HWND childOfClass(HWND parent, const char* className, int nth) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, className) == 0 && nth-- == 0) return child;
  }
  return nullptr;
}

double waitForLauncher(HANDLE startedEvent, double t0) {
  if (WaitForSingleObject(startedEvent, kTimeoutMs) != WAIT_OBJECT_0) fail("the launcher did not start");
  return nowMs() - t0;
}

// The program, with a region picked, from the click on its run button to the launcher running.
double measureClickToLaunch(const std::string& program, HANDLE startedEvent) {
  Started started = startAndWaitForWindow(program);
  WaitForInputIdle(started.process.hProcess, kTimeoutMs);
  HWND regions = childOfClass(started.window, "ComboBox", 0);
  if (!regions) fail("no region list");
  SendMessageA(regions, CB_SETCURSEL, 0, 0);
  // The run button is the first button in the stacking order's creation sequence: find it by text.
  HWND runButton = FindWindowExA(started.window, nullptr, "Button", "以当前选择的服务器运行");
  if (!runButton) fail("no run button");
  ResetEvent(startedEvent);
  const double t0 = nowMs();
  PostMessageA(runButton, BM_CLICK, 0, 0);
  const double elapsed = waitForLauncher(startedEvent, t0);
  endAndClose(started);  // the program ends by itself after the launch
  return elapsed;
}

double measureBareShellExecute(const std::string& launcher, HANDLE startedEvent) {
  ResetEvent(startedEvent);
  const double t0 = nowMs();
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, nullptr, launcher.c_str(), "--setregion=CN", "", SW_SHOWNORMAL));
  if (result <= 32) fail("ShellExecuteA");
  return waitForLauncher(startedEvent, t0);
}

void setLauncherLocation(const std::string& launcher) {
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kLauncherKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    fail("RegCreateKeyEx");
  }
  const std::string value = "\"" + launcher + "\",0";
  RegSetValueExA(key, "ApplicationIcon", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

void removeLauncherLocation() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLauncherKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, "ApplicationIcon");
    RegCloseKey(key);
  }
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

// One row of the table; a target of 0 means the row only informs.
void printRow(const char* measure, const char* unit, const std::vector<double>& ours, const char* floorName,
              const std::vector<double>& floor, double target) {
  const double a = median(ours);
  const double b = median(floor);
  std::printf("| %s | %.1f %s | %s %.1f %s | %.2f |", measure, a, unit, floorName, b, unit, a / b);
  if (target > 0) {
    std::printf(" <= %.2f | %s |\n", target, a / b <= target ? "met" : "MISSED");
  } else {
    std::printf(" | |\n");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 6) {
    std::fprintf(stderr, "usage: bench_driver PROGRAM FLOOR STYLED_FLOOR LAUNCHER RUNS\n");
    return 2;
  }
  const std::string program = argv[1];
  const std::string floor = argv[2];
  const std::string styledFloor = argv[3];
  const std::string launcher = argv[4];
  const int runs = std::atoi(argv[5]);
  OleInitialize(nullptr);
  // Wine starts its desktop process with a session's first window and ends it soon after the
  // last one is gone; on Windows the desktop is always there. A hidden window of the driver keeps
  // it running, so that no run pays for starting it.
  HWND desktopKeeper = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!desktopKeeper) fail("CreateWindowEx");

  HANDLE startedEvent = CreateEventA(nullptr, TRUE, FALSE, kStartedEvent);
  if (!startedEvent) fail("CreateEvent");
  setLauncherLocation(launcher);

  std::vector<double> programStart, floorStart, styledStart, programPeak, floorPeak, styledPeak, click, bare;
  const int warmUp = 2;
  for (int run = -warmUp; run < runs; ++run) {
    // Interleaved, and the order turned each run, so that drift of the machine hits both sides.
    const std::function<void()> steps[] = {
        [&] {
          const StartSample s = measureStart(program);
          if (run >= 0) programStart.push_back(s.milliseconds), programPeak.push_back(s.peakWorkingSetKiB);
        },
        [&] {
          const StartSample s = measureStart(floor);
          if (run >= 0) floorStart.push_back(s.milliseconds), floorPeak.push_back(s.peakWorkingSetKiB);
        },
        [&] {
          const StartSample s = measureStart(styledFloor);
          if (run >= 0) styledStart.push_back(s.milliseconds), styledPeak.push_back(s.peakWorkingSetKiB);
        },
        [&] {
          const double t = measureClickToLaunch(program, startedEvent);
          if (run >= 0) click.push_back(t);
        },
        [&] {
          const double t = measureBareShellExecute(launcher, startedEvent);
          if (run >= 0) bare.push_back(t);
        },
    };
    const int count = static_cast<int>(std::size(steps));
    for (int i = 0; i < count; ++i) steps[(i + run + warmUp) % count]();
  }
  removeLauncherLocation();
  CloseHandle(startedEvent);
  DestroyWindow(desktopKeeper);

  std::printf("| measure (median of %d interleaved runs) | Pelmora | reference | ratio | target | |\n", runs);
  std::printf("|---|---|---|---|---|---|\n");
  printRow("start: CreateProcess to main window visible", "ms", programStart, "floor", floorStart, 1.10);
  printRow("peak working set", "KiB", programPeak, "floor", floorPeak, 1.25);
  printRow("run click to launcher started", "ms", click, "bare ShellExecuteA", bare, 1.50);
  printRow("start, against the floor with the program's manifest and a Chinese caption", "ms", programStart,
           "styled floor", styledStart, 0);
  printRow("peak working set, against the same", "KiB", programPeak, "styled floor", styledPeak, 0);
  OleUninitialize();
  return 0;
}
