#include "app/live_operations.h"

#include <windows.h>

#include "app/main_window.h"
#include "app/program.h"
#include "win/browse_dialog.h"
#include "win/delay.h"
#include "win/message_box.h"
#include "win/processes.h"
#include "win/registry.h"
#include "win/shell_execute.h"
#include "win/shell_folders.h"
#include "win/shortcut.h"

namespace pelmora::app {

std::string LiveOperations::getLocationText() {
  return window_.locationText();
}

void LiveOperations::setLocationText(const std::string& text) {
  window_.setLocationText(text);
}

std::int32_t LiveOperations::getSelectedRegionIndex() {
  return window_.selectedRegionIndex();
}

void LiveOperations::endProgram(std::int32_t exitCode) {
  program_.endProgram(exitCode);
}

std::string LiveOperations::readRegistryText(std::int32_t rootCode, const std::string& fullPath,
                                             const std::string& fallback) {
  return win::readRegistryText(rootCode, fullPath, fallback);
}

std::int32_t LiveOperations::showMessage(const std::string& message, std::uint32_t style, const std::string& title,
                                         WindowHandle owner) {
  return win::showMessage(message, style, title, reinterpret_cast<HWND>(owner.value));
}

WindowHandle LiveOperations::mainWindowHandle() {
  return WindowHandle{reinterpret_cast<std::uintptr_t>(window_.handle())};
}

void LiveOperations::delayMilliseconds(std::int32_t milliseconds) {
  win::delayMilliseconds(milliseconds);
}

bool LiveOperations::isProcessRunning(const std::string& imageName, bool caseSensitive) {
  return win::isProcessRunning(imageName, caseSensitive);
}

std::vector<ProcessId> LiveOperations::findProcessIds(const std::string& imageName, bool caseSensitive) {
  return win::findProcessIds(imageName, caseSensitive);
}

bool LiveOperations::terminateProcessById(ProcessId processId) {
  return win::terminateProcessById(processId);
}

bool LiveOperations::waitForProcessesToEnd(const std::vector<ProcessId>& processIds,
                                           std::int32_t timeoutMilliseconds) {
  return win::waitForProcessesToEnd(processIds, timeoutMilliseconds);
}

std::string LiveOperations::specialFolderPath(std::int32_t folderCode) {
  return win::specialFolderPath(folderCode);
}

bool LiveOperations::createShortcutFile(const std::string& fileName, const std::string& targetPath,
                                        const std::optional<std::string>& description,
                                        const std::optional<std::string>& arguments,
                                        const std::optional<std::string>& workingDirectory) {
  return win::createShortcutFile(fileName, targetPath, description, arguments, workingDirectory);
}

bool LiveOperations::shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                                  const std::optional<std::string>& parameters,
                                  const std::optional<std::string>& directory,
                                  std::optional<std::int32_t> showModeCode) {
  return win::shellExecute(verbCode, file, parameters, directory, showModeCode);
}

std::string LiveOperations::browseForFile(const std::string& title, std::optional<bool> includeFiles) {
  // The dialog disables the program's own top-level windows while it is open: ours is the one.
  const HWND programWindows[] = {window_.handle()};
  return win::browseForFile(title, includeFiles, programWindows);
}

}  // namespace pelmora::app
