#include "tests/unit/recording_operations.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace pelmora::testing {
namespace {

std::string optionalText(const std::optional<std::string>& text) {
  return text ? "\"" + *text + "\"" : "-";
}

std::string optionalNumber(std::optional<std::int32_t> number) {
  return number ? std::to_string(*number) : "-";
}

std::string yesNo(bool value) {
  return value ? "true" : "false";
}

char foldAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

void RecordingOperations::record(std::string line) {
  // Nothing of the handler may run once the program has ended.
  if (ended) ADD_FAILURE() << "called after endProgram: " << line;
  calls.push_back(std::move(line));
}

std::vector<std::string> RecordingOperations::callsOf(const std::string& operation) const {
  std::vector<std::string> found;
  for (const std::string& call : calls) {
    if (call.compare(0, operation.size() + 1, operation + "(") == 0) found.push_back(call);
  }
  return found;
}

std::string RecordingOperations::getLocationText() {
  record("getLocationText()");
  return location;
}

void RecordingOperations::setLocationText(const std::string& text) {
  record("setLocationText(\"" + text + "\")");
  location = text;
}

std::int32_t RecordingOperations::getSelectedRegionIndex() {
  record("getSelectedRegionIndex()");
  return selection;
}

void RecordingOperations::endProgram(std::int32_t exitCode) {
  record("endProgram(" + std::to_string(exitCode) + ")");
  ended = true;
}

std::string RecordingOperations::readRegistryText(std::int32_t rootCode, const std::string& fullPath,
                                                  const std::string& fallback) {
  record("readRegistryText(" + std::to_string(rootCode) + ", \"" + fullPath + "\", \"" + fallback + "\")");
  return registryText;
}

std::int32_t RecordingOperations::showMessage(const std::string& message, std::uint32_t style,
                                              const std::string& title, WindowHandle owner) {
  record("showMessage(\"" + message + "\")");
  messages.push_back({message, style, title, owner});
  if (answers.empty()) return 0;
  const std::int32_t answer = answers.front();
  answers.pop_front();
  return answer;
}

WindowHandle RecordingOperations::mainWindowHandle() {
  record("mainWindowHandle()");
  return mainWindow;
}

void RecordingOperations::delayMilliseconds(std::int32_t milliseconds) {
  record("delayMilliseconds(" + std::to_string(milliseconds) + ")");
}

bool RecordingOperations::matches(const FakeProcess& process, const std::string& imageName,
                                  bool caseSensitive) const {
  if (caseSensitive) return process.imageName == imageName;
  return std::ranges::equal(process.imageName, imageName, {}, foldAscii, foldAscii);
}

bool RecordingOperations::isProcessRunning(const std::string& imageName, bool caseSensitive) {
  record("isProcessRunning(\"" + imageName + "\", " + yesNo(caseSensitive) + ")");
  return std::ranges::any_of(processes, [&](const FakeProcess& p) { return matches(p, imageName, caseSensitive); });
}

std::vector<ProcessId> RecordingOperations::findProcessIds(const std::string& imageName, bool caseSensitive) {
  record("findProcessIds(\"" + imageName + "\", " + yesNo(caseSensitive) + ")");
  std::vector<ProcessId> ids;
  for (const FakeProcess& p : processes) {
    if (matches(p, imageName, caseSensitive)) ids.push_back(p.id);
  }
  return ids;
}

bool RecordingOperations::terminateProcessById(ProcessId processId) {
  record("terminateProcessById(" + std::to_string(processId) + ")");
  if (std::ranges::find(unkillable, processId) != unkillable.end()) return false;
  return std::erase_if(processes, [&](const FakeProcess& p) { return p.id == processId; }) > 0;
}

bool RecordingOperations::waitForProcessesToEnd(const std::vector<ProcessId>& processIds,
                                                std::int32_t timeoutMilliseconds) {
  std::string ids;
  for (const ProcessId id : processIds) ids += (ids.empty() ? "" : " ") + std::to_string(id);
  record("waitForProcessesToEnd([" + ids + "], " + std::to_string(timeoutMilliseconds) + ")");
  return std::ranges::none_of(processes, [&](const FakeProcess& p) {
    return std::ranges::find(processIds, p.id) != processIds.end();
  });
}

std::string RecordingOperations::specialFolderPath(std::int32_t folderCode) {
  record("specialFolderPath(" + std::to_string(folderCode) + ")");
  return folderCode == desktopFolderCode ? desktopPath : std::string();
}

bool RecordingOperations::createShortcutFile(const std::string& fileName, const std::string& targetPath,
                                             const std::optional<std::string>& description,
                                             const std::optional<std::string>& arguments,
                                             const std::optional<std::string>& workingDirectory) {
  record("createShortcutFile(\"" + fileName + "\", \"" + targetPath + "\", " + optionalText(description) + ", " +
         optionalText(arguments) + ", " + optionalText(workingDirectory) + ")");
  return shortcutSaves;
}

bool RecordingOperations::shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                                       const std::optional<std::string>& parameters,
                                       const std::optional<std::string>& directory,
                                       std::optional<std::int32_t> showModeCode) {
  record("shellExecute(" + optionalNumber(verbCode) + ", \"" + file + "\", " + optionalText(parameters) + ", " +
         optionalText(directory) + ", " + optionalNumber(showModeCode) + ")");
  return launchSucceeds;
}

std::string RecordingOperations::browseForFile(const std::string& title, std::optional<bool> includeFiles) {
  record("browseForFile(\"" + title + "\", " + (includeFiles ? yesNo(*includeFiles) : "-") + ")");
  return browseResult;
}

}  // namespace pelmora::testing
