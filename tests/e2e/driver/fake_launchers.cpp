#include "tests/e2e/driver/fake_launchers.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include "tests/e2e/driver/ansi_text.h"
#include "tests/e2e/driver/polling.h"

namespace pelmora::e2e {
namespace {

constexpr UINT kEndedByTheTest = 0xE2E;

std::optional<std::string> fileContent(const std::string& path) {
  const win::UniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;
  std::string content;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), chunk, sizeof chunk, &read, nullptr) && read > 0) content.append(chunk, read);
  return content;
}

std::string placeCopy(const char* buildFile, const std::string& folder, const std::string& imageName) {
  const std::string path = folder + "\\" + imageName;
  CopyFileA(windowsPathOfBuildFile(buildFile).c_str(), path.c_str(), TRUE);
  return path;
}

// Whether the process list shows that process under that image name yet; a process that has just
// been created may still be listed without it.
bool listedAs(DWORD processId, const std::string& imageName) {
  const win::UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = snapshot && Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == processId) return imageName == entry.szExeFile;
  }
  return false;
}

}  // namespace

std::string placeRecordingLauncher(const std::string& folder, const std::string& imageName) {
  return placeCopy(RECORDING_LAUNCHER_EXE, folder, imageName);
}

std::optional<LaunchRecord> readLaunchRecord(const std::string& launcherPath) {
  const auto content = fileContent(launcherPath + ".record");
  if (!content) return std::nullopt;
  LaunchRecord record;
  std::size_t start = 0;
  for (std::size_t end; (end = content->find('\n', start)) != std::string::npos; start = end + 1) {
    std::string line = content->substr(start, end - start);
    if (start == 0) {
      record.currentDirectory = std::move(line);
    } else {
      record.arguments.push_back(std::move(line));
    }
  }
  return record;
}

std::optional<LaunchRecord> waitForLaunchRecord(const std::string& launcherPath) {
  return waitFor([&] { return readLaunchRecord(launcherPath); });
}

RunningLaunchers::RunningLaunchers() : job_(CreateJobObjectA(nullptr, nullptr)) {
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_.get(), JobObjectExtendedLimitInformation, &limits, sizeof limits);
}

RunningLaunchers::~RunningLaunchers() {
  TerminateJobObject(job_.get(), kEndedByTheTest);
  // Their files can be removed only once they are gone.
  waitUntilAllEnded();
}

bool RunningLaunchers::start(const std::string& folder, const std::string& imageName) {
  const std::string path = placeCopy(RUNNING_LAUNCHER_EXE, folder, imageName);
  std::string commandLine = "\"" + path + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION created{};
  if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      folder.c_str(), &startup, &created)) {
    ADD_FAILURE() << "can't start " << path << ": error " << GetLastError();
    return false;
  }
  win::UniqueHandle process(created.hProcess);
  const win::UniqueHandle thread(created.hThread);
  if (!AssignProcessToJobObject(job_.get(), process.get())) {
    ADD_FAILURE() << "can't hold " << path << " in a job: error " << GetLastError();
    TerminateProcess(process.get(), kEndedByTheTest);
    return false;
  }
  ResumeThread(thread.get());
  processes_.push_back(std::move(process));
  // The program must find it from its first look at the process list.
  return waitUntil([&] { return listedAs(created.dwProcessId, imageName); });
}

bool RunningLaunchers::allRunning() const {
  for (const auto& process : processes_) {
    if (WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) return false;
  }
  return true;
}

bool RunningLaunchers::waitUntilAllEnded() const {
  return waitUntil([&] {
    for (const auto& process : processes_) {
      if (WaitForSingleObject(process.get(), 0) != WAIT_OBJECT_0) return false;
    }
    return true;
  });
}

std::vector<unsigned long> RunningLaunchers::exitCodes() const {
  std::vector<unsigned long> codes;
  for (const auto& process : processes_) {
    DWORD code = 0;
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process.get(), &code)) {
      codes.push_back(code);
    }
  }
  return codes;
}

}  // namespace pelmora::e2e
