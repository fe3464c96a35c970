#pragma once
// Finding running programs by image name, and ending them.

#include <cstdint>
#include <string>
#include <vector>

#include "core/operations.h"

namespace pelmora::win {

// Whether the process list holds an entry of that image name; false also when it can't be read.
bool isProcessRunning(const std::string& imageName, bool caseSensitive);
// Every process of that image name, in the order the process list gives them.
std::vector<ProcessId> findProcessIds(const std::string& imageName, bool caseSensitive);
// Asks Windows to end the running process with exit code 0; true when it accepted, false for ID 0
// and for a process that has already ended. Does not wait.
bool terminateProcessById(ProcessId processId);
// Waits until every listed process has ended, at most the given time in all; true when all have.
bool waitForProcessesToEnd(const std::vector<ProcessId>& processIds, std::int32_t timeoutMilliseconds);

}  // namespace pelmora::win
