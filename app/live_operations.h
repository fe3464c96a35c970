#pragma once

#include "core/operations.h"

namespace pelmora::app {

class MainWindow;
class Program;

// The switching logic's operations on the real window and Windows: the window operations from the
// main window, the end of the program from the program, every other one from the Windows services.
class LiveOperations final : public Operations {
 public:
  LiveOperations(MainWindow& window, Program& program) : window_(window), program_(program) {}

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

 private:
  MainWindow& window_;
  Program& program_;
};

}  // namespace pelmora::app
