#pragma once
// Everything the switching logic asks of the window and of Windows. The program implements it on
// the real window and the Windows API; the unit tests on a recording fake. No operation raises an
// error: every failure is folded into its result.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pelmora {

// A top-level window as the logic carries it: opaque, handed back to the operations unchanged.
struct WindowHandle {
  std::uintptr_t value = 0;  // 0: no window
  friend bool operator==(WindowHandle, WindowHandle) = default;
};

using ProcessId = std::uint32_t;  // 0: no process

// The values the logic passes; the Windows services know the full tables.
inline constexpr std::int32_t localMachineRootCode = 4;  // readRegistryText: HKEY_LOCAL_MACHINE
inline constexpr std::int32_t desktopFolderCode = 3;     // specialFolderPath: the user's desktop
inline constexpr std::uint32_t errorStyle = 0x30;        // OK button, exclamation icon
inline constexpr std::uint32_t noticeStyle = 0x40;       // OK button, information icon
inline constexpr std::uint32_t questionStyle = 0x24;     // Yes and No buttons, question icon
inline constexpr std::int32_t answerYes = 5;             // showMessage: the user chose Yes

class Operations {
 public:
  virtual ~Operations() = default;

  // The window: the label that holds the launcher location, and the region list.
  virtual std::string getLocationText() = 0;
  virtual void setLocationText(const std::string& text) = 0;
  virtual std::int32_t getSelectedRegionIndex() = 0;  // 0 to 3, or -1 while nothing is selected
  // Shuts the program down and ends the process. The real one never returns.
  virtual void endProgram(std::int32_t exitCode) = 0;

  // The value's text, or a copy of the fallback when it can't be read as a text.
  virtual std::string readRegistryText(std::int32_t rootCode, const std::string& fullPath,
                                       const std::string& fallback) = 0;
  // Modal; returns the answer code (0 OK ... 5 Yes, 6 No). A null owner means none.
  virtual std::int32_t showMessage(const std::string& message, std::uint32_t style,
                                   const std::string& title, WindowHandle owner) = 0;
  virtual WindowHandle mainWindowHandle() = 0;
  virtual void delayMilliseconds(std::int32_t milliseconds) = 0;

  // False also when the process list can't be read.
  virtual bool isProcessRunning(const std::string& imageName, bool caseSensitive) = 0;
  // Every process of that image name, in the order the process list gives them.
  virtual std::vector<ProcessId> findProcessIds(const std::string& imageName, bool caseSensitive) = 0;
  // True when Windows accepted the request; it does not wait for the process to be gone.
  virtual bool terminateProcessById(ProcessId processId) = 0;
  // Waits until every listed process has ended, or the time is up; true when all have ended.
  virtual bool waitForProcessesToEnd(const std::vector<ProcessId>& processIds,
                                     std::int32_t timeoutMilliseconds) = 0;

  // The folder's path ending in a backslash, or empty.
  virtual std::string specialFolderPath(std::int32_t folderCode) = 0;
  // Completes the name with ".lnk" when it lacks it, replaces an existing file; true when saved.
  virtual bool createShortcutFile(const std::string& fileName, const std::string& targetPath,
                                  const std::optional<std::string>& description,
                                  const std::optional<std::string>& arguments,
                                  const std::optional<std::string>& workingDirectory) = 0;
  // True when the shell started the file; it does not wait for the started program.
  virtual bool shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                            const std::optional<std::string>& parameters,
                            const std::optional<std::string>& directory,
                            std::optional<std::int32_t> showModeCode) = 0;
  // The chosen item's path; empty when cancelled or when the item has no file-system path.
  virtual std::string browseForFile(const std::string& title, std::optional<bool> includeFiles) = 0;
};

}  // namespace pelmora
