#include "win/processes.h"

#include <algorithm>

#include <windows.h>
#include <tlhelp32.h>

#include "core/text.h"
#include "win/ansi_code_page.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

// The ANSI record that Process32First and Process32Next fill: 296 bytes in the 32-bit exe; the
// 64-bit twin has a pointer-wide heap ID, hence its own size. dwSize must be this build's.
static_assert(sizeof(PROCESSENTRY32) == (sizeof(void*) == 4 ? 296 : 304));

// A snapshot of everything (heaps, processes, threads, modules) answers whether a name runs; the
// IDs come from a snapshot of the processes alone.
constexpr DWORD kSnapshotForRunning = TH32CS_SNAPALL;
constexpr DWORD kSnapshotForIds = TH32CS_SNAPPROCESS;

// Walks a fresh snapshot in its own order and hands the ID of each entry of that image name to
// visit, until visit returns false. Nothing is visited when no snapshot can be taken.
template <typename Visit>
void forEachProcessNamed(DWORD snapshotFlags, const std::string& imageName, bool caseSensitive, Visit visit) {
  const UniqueFileHandle snapshot(CreateToolhelp32Snapshot(snapshotFlags, 0));
  if (!snapshot) return;
  const AnsiCodePage codePage;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    const std::string listed = textFromBytes(entry.szExeFile, sizeof(entry.szExeFile));
    if (imageNamesEqual(imageName, listed, caseSensitive, codePage) && !visit(entry.th32ProcessID)) return;
  }
}

}  // namespace

bool isProcessRunning(const std::string& imageName, bool caseSensitive) {
  bool running = false;
  forEachProcessNamed(kSnapshotForRunning, imageName, caseSensitive, [&](ProcessId) {
    running = true;
    return false;
  });
  return running;
}

std::vector<ProcessId> findProcessIds(const std::string& imageName, bool caseSensitive) {
  std::vector<ProcessId> ids;
  forEachProcessNamed(kSnapshotForIds, imageName, caseSensitive, [&](ProcessId id) {
    ids.push_back(id);
    return true;
  });
  return ids;
}

bool terminateProcessById(ProcessId processId) {
  // The rights to end the process and to wait for its end, as the caller goes on to do both.
  const UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId));
  // A process that has ended already is not ended again: Wine would accept that request too, and
  // report success for a process that was gone.
  if (!process || WaitForSingleObject(process.get(), 0) != WAIT_TIMEOUT) return false;
  return TerminateProcess(process.get(), 0) != FALSE;
}

bool waitForProcessesToEnd(const std::vector<ProcessId>& processIds, std::int32_t timeoutMilliseconds) {
  const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(std::max(timeoutMilliseconds, 0));
  bool allEnded = true;
  for (const ProcessId id : processIds) {
    // A process that can't be opened any more has gone.
    const UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, id));
    if (!process) continue;
    const ULONGLONG now = GetTickCount64();
    const DWORD remaining = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    if (WaitForSingleObject(process.get(), remaining) != WAIT_OBJECT_0) allEnded = false;
  }
  return allEnded;
}

}  // namespace pelmora::win
