// Process lookup, termination and the wait for the end, against real processes: copies of a
// helper program that idles, started under the launcher's image names.
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include "tests/win/test_support.h"
#include "win/ansi_code_page.h"
#include "win/processes.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;
using testing::TempFolder;
using testing::waitUntil;

// Every process ID of that exact image name, in snapshot order, read through the wide entry points
// (which our code doesn't use), so that the tests have a second opinion.
std::vector<ProcessId> listedIds(const std::wstring& imageName) {
  std::vector<ProcessId> ids;
  const UniqueFileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
    if (imageName == entry.szExeFile) ids.push_back(entry.th32ProcessID);
  }
  return ids;
}

std::wstring wide(const std::string& ansi) {
  std::wstring text(ansi.size() + 1, L'\0');
  text.resize(static_cast<std::size_t>(
                  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, text.data(), static_cast<int>(text.size()))) -
              1);
  return text;
}

// A copy of the idle helper running under an image name of the test's choice. The test holds its
// process handle; whatever still runs at the end is ended.
class RunningHelper {
 public:
  RunningHelper(const std::string& folder, const std::string& imageName) {
    const std::string path = folder + "\\" + imageName;
    EXPECT_TRUE(CopyFileA(testing::builtProgram("idle_helper.exe").c_str(), path.c_str(), FALSE)) << path;
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + path + "\"";
    EXPECT_TRUE(CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &started))
        << path;
    process_.reset(started.hProcess);
    UniqueHandle thread(started.hThread);
    id_ = started.dwProcessId;
    // A new process is listed under its image name once it has loaded.
    EXPECT_TRUE(waitUntil([&] { return std::ranges::count(listedIds(wide(imageName)), id_) == 1; })) << imageName;
  }

  ~RunningHelper() {
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.get(), 9);
      WaitForSingleObject(process_.get(), 5000);
    }
  }

  ProcessId id() const { return id_; }
  bool hasEnded(DWORD timeoutMilliseconds = 5000) const {
    return WaitForSingleObject(process_.get(), timeoutMilliseconds) == WAIT_OBJECT_0;
  }
  DWORD exitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
  }

 private:
  UniqueHandle process_;
  ProcessId id_ = 0;
};

class Processes : public ::testing::Test {
 protected:
  TempFolder folder_;
};

TEST_F(Processes, LookupsCompareTheWholeImageNameFoldingOnlyLetterCase) {
  struct Case {
    std::string running, wanted;
    bool caseSensitive, found;
  };
  const std::string fullWidth = "\xA3\xC1";       // "Ａ", FULLWIDTH LATIN CAPITAL LETTER A
  const std::string fullWidthSmall = "\xA3\xE1";  // "ａ"
  const Case cases[] = {
      {"Battle.net.exe", "Battle.net.exe", false, true},
      {"Battle.net.exe", "battle.net.exe", false, true},
      {"Battle.net.exe", "Battle.net.exe", true, true},
      {"Battle.net.exe", "battle.net.exe", true, false},
      {"Battle.net.exe", "Battle.net", false, false},
      {"Battle.net.exe", "Battle.net.ex", false, false},
      {"Battle.net.exe", " Battle.net.exe", false, false},
      {"Battle.net.exe", folder_ / "Battle.net.exe", false, false},
      {"Battle.net.exe", "", false, false},
      {"Battle.net Launcher.exe", "Battle.net Launcher.exe", false, true},
      {"Battle.net Launcher.exe", "Battle.net Launcher.exe", true, true},
      {"bATTLE.NET lAUNCHER.EXE", "Battle.net Launcher.exe", false, true},
      {"bATTLE.NET lAUNCHER.EXE", "Battle.net Launcher.exe", true, false},
      {"战网.exe", "战网.exe", false, true},
      {"战网.exe", "战网.EXE", false, true},
      // Two-byte characters compare after Windows has upper-cased both sides.
      {fullWidth + "战网.exe", fullWidthSmall + "战网.exe", false, true},
      {fullWidth + "战网.exe", fullWidthSmall + "战网.exe", true, false},
  };
  int index = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.running + " / " + c.wanted + (c.caseSensitive ? " (case-sensitive)" : ""));
    // A folder per case: Wine's file names ignore case, so a copy under another case of an existing
    // name would keep the old name.
    const std::string caseFolder = folder_ / std::to_string(index++);
    ASSERT_TRUE(CreateDirectoryA(caseFolder.c_str(), nullptr));
    const RunningHelper helper(caseFolder, c.running);
    EXPECT_EQ(isProcessRunning(c.wanted, c.caseSensitive), c.found);
    const std::vector<ProcessId> ids = findProcessIds(c.wanted, c.caseSensitive);
    if (c.found) {
      EXPECT_THAT(ids, ElementsAre(helper.id()));
    } else {
      EXPECT_THAT(ids, ::testing::Not(::testing::Contains(helper.id())));
    }
  }
}

TEST_F(Processes, NamesNotRunningAreNotFound) {
  EXPECT_FALSE(isProcessRunning("Battle.net.exe", false));
  EXPECT_THAT(findProcessIds("Battle.net.exe", false), IsEmpty());
  EXPECT_FALSE(isProcessRunning("", false));
  EXPECT_THAT(findProcessIds("", true), IsEmpty());
}

TEST_F(Processes, EveryProcessOfOneNameIsFoundInSnapshotOrder) {
  ASSERT_TRUE(CreateDirectoryA((folder_ / "first").c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((folder_ / "second").c_str(), nullptr));
  const RunningHelper first(folder_ / "first", "Battle.net.exe");
  const RunningHelper second(folder_ / "second", "Battle.net.exe");
  const std::vector<ProcessId> ids = findProcessIds("battle.net.exe", false);
  EXPECT_THAT(ids, UnorderedElementsAre(first.id(), second.id()));
  EXPECT_EQ(ids, listedIds(L"Battle.net.exe"));
  EXPECT_TRUE(isProcessRunning("Battle.net.exe", false));
}

TEST_F(Processes, TerminationEndsEachProcessWithExitCodeZero) {
  ASSERT_TRUE(CreateDirectoryA((folder_ / "second").c_str(), nullptr));
  const RunningHelper launcher(folder_.path(), "Battle.net Launcher.exe");
  const RunningHelper client(folder_.path(), "Battle.net.exe");
  const RunningHelper secondClient(folder_ / "second", "Battle.net.exe");
  const RunningHelper bystander(folder_.path(), "Battle.net Helper.exe");

  std::vector<ProcessId> ended;
  for (const char* name : {"Battle.net Launcher.exe", "Battle.net.exe"}) {
    for (const ProcessId id : findProcessIds(name, false)) {
      EXPECT_TRUE(terminateProcessById(id)) << name;
      ended.push_back(id);
    }
  }
  EXPECT_THAT(ended, UnorderedElementsAre(launcher.id(), client.id(), secondClient.id()));
  EXPECT_TRUE(waitForProcessesToEnd(ended, 5000));
  for (const RunningHelper* helper : {&launcher, &client, &secondClient}) {
    EXPECT_TRUE(helper->hasEnded(0));
    EXPECT_EQ(helper->exitCode(), 0u);
  }
  EXPECT_FALSE(bystander.hasEnded(0));
  EXPECT_FALSE(isProcessRunning("Battle.net.exe", false));
}

TEST_F(Processes, TerminationOfNoRunningProcessFails) {
  EXPECT_FALSE(terminateProcessById(0));
  // A process that has ended can't be ended again, whether or not a handle keeps it listed.
  ProcessId endedId = 0;
  {
    const RunningHelper helper(folder_.path(), "Battle.net.exe");
    endedId = helper.id();
    ASSERT_TRUE(terminateProcessById(endedId));
    ASSERT_TRUE(helper.hasEnded());
    EXPECT_FALSE(terminateProcessById(endedId));
  }
  EXPECT_FALSE(terminateProcessById(endedId));
}

TEST_F(Processes, TheWaitForTheEndIsBoundedByOneDeadlineForAll) {
  // How long a wait took, in milliseconds, and what it gave.
  const auto timed = [](auto&& wait) {
    const ULONGLONG start = GetTickCount64();
    const bool result = wait();
    return std::pair{result, GetTickCount64() - start};
  };
  const RunningHelper a(folder_.path(), "a.exe");
  const RunningHelper b(folder_.path(), "b.exe");
  const RunningHelper c(folder_.path(), "c.exe");

  // Nothing to wait for, and IDs that can't be opened, count as ended.
  EXPECT_TRUE(waitForProcessesToEnd({}, 5000));
  EXPECT_TRUE(waitForProcessesToEnd({0}, 5000));

  // Three processes that don't end: the time is shared, not given to each.
  const auto [allEnded, took] = timed([&] { return waitForProcessesToEnd({a.id(), b.id(), c.id()}, 500); });
  EXPECT_FALSE(allEnded);
  EXPECT_GE(took, 450u);
  EXPECT_LT(took, 1200u);

  // A negative time is no time at all, not an endless wait.
  const auto [endedAtOnce, tookNone] = timed([&] { return waitForProcessesToEnd({a.id()}, -1); });
  EXPECT_FALSE(endedAtOnce);
  EXPECT_LT(tookNone, 400u);

  // Termination only starts the end; the wait sees it through.
  ASSERT_TRUE(terminateProcessById(a.id()));
  ASSERT_TRUE(terminateProcessById(b.id()));
  EXPECT_TRUE(waitForProcessesToEnd({a.id(), b.id()}, 5000));
  EXPECT_TRUE(a.hasEnded(0));
  EXPECT_TRUE(b.hasEnded(0));
  EXPECT_FALSE(waitForProcessesToEnd({a.id(), c.id()}, 100));
}

TEST(AnsiCodePage, UpperCasesTwoByteCharactersAsWindowsDoes) {
  const AnsiCodePage codePage;
  ASSERT_EQ(GetACP(), 936u) << "the tests run in code page 936";
  EXPECT_TRUE(codePage.isLeadByte(0xA3));
  EXPECT_FALSE(codePage.isLeadByte('A'));
  EXPECT_FALSE(codePage.isLeadByte(0x80));
  struct Case {
    std::string first, second;
    bool equal;
  };
  const Case cases[] = {
      {"\xA3\xE1", "\xA3\xC1", true},   // "ａ" "Ａ"
      {"\xA6\xC1", "\xA6\xA1", true},   // Greek "α" "Α"
      {"\xA7\xD1", "\xA7\xA1", true},   // Cyrillic "а" "А"
      {"\xA3\xE1", "\xA3\xC2", false},  // "ａ" "Ｂ"
      {"战", "战", true},
      {"战", "网", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(codePage.equalIgnoringCase(c.first, c.second), c.equal) << c.first << " / " << c.second;
  }
}

}  // namespace
}  // namespace pelmora::win
