#pragma once
// A stand-in for the window and Windows: it answers from a script and writes down every call,
// one line each, so a test can assert the texts and the order that matter.

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "core/operations.h"

namespace pelmora::testing {

struct FakeProcess {
  std::string imageName;
  ProcessId id;
};

struct ShownMessage {
  std::string text;
  std::uint32_t style;
  std::string title;
  WindowHandle owner;
};

class RecordingOperations final : public Operations {
 public:
  // The script.
  std::string registryText;                   // what readRegistryText yields
  std::string location = "透明标签";          // the label's text before the first handler
  std::int32_t selection = -1;                // the region list's selection
  std::vector<FakeProcess> processes;         // the process list, in snapshot order
  std::vector<ProcessId> unkillable;          // terminations of these IDs fail
  std::deque<std::int32_t> answers;           // showMessage answers, in turn; 0 (OK) when none left
  std::string desktopPath = "C:\\users\\li\\Desktop\\";
  bool shortcutSaves = true;
  bool launchSucceeds = true;
  std::string browseResult;
  WindowHandle mainWindow{0x1234};

  // What happened.
  std::vector<std::string> calls;             // "operation(arguments)", in order
  std::vector<ShownMessage> messages;
  bool ended = false;

  std::string getLocationText() override;
  void setLocationText(const std::string& text) override;
  std::int32_t getSelectedRegionIndex() override;
  void endProgram(std::int32_t exitCode) override;
  std::string readRegistryText(std::int32_t rootCode, const std::string& fullPath,
                               const std::string& fallback) override;
  std::int32_t showMessage(const std::string& message, std::uint32_t style, const std::string& title,
                           WindowHandle owner) override;
  WindowHandle mainWindowHandle() override;
  void delayMilliseconds(std::int32_t milliseconds) override;
  bool isProcessRunning(const std::string& imageName, bool caseSensitive) override;
  std::vector<ProcessId> findProcessIds(const std::string& imageName, bool caseSensitive) override;
  bool terminateProcessById(ProcessId processId) override;
  bool waitForProcessesToEnd(const std::vector<ProcessId>& processIds, std::int32_t timeoutMilliseconds) override;
  std::string specialFolderPath(std::int32_t folderCode) override;
  bool createShortcutFile(const std::string& fileName, const std::string& targetPath,
                          const std::optional<std::string>& description, const std::optional<std::string>& arguments,
                          const std::optional<std::string>& workingDirectory) override;
  bool shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                    const std::optional<std::string>& parameters, const std::optional<std::string>& directory,
                    std::optional<std::int32_t> showModeCode) override;
  std::string browseForFile(const std::string& title, std::optional<bool> includeFiles) override;

  // The calls whose line starts with this operation name.
  std::vector<std::string> callsOf(const std::string& operation) const;

 private:
  void record(std::string line);
  bool matches(const FakeProcess& process, const std::string& imageName, bool caseSensitive) const;
};

}  // namespace pelmora::testing
