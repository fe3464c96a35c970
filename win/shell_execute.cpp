#include "win/shell_execute.h"

#include <windows.h>
#include <shellapi.h>

namespace pelmora::win {
namespace {

// Verb codes 1 to 5; no verb is the file's default action.
const char* verbOf(std::optional<std::int32_t> verbCode) {
  static constexpr const char* kVerbs[] = {"edit", "explore", "find", "open", "print"};
  if (verbCode && *verbCode >= 1 && *verbCode <= 5) return kVerbs[*verbCode - 1];
  return nullptr;
}

// Show-mode codes 1 to 6.
INT showCommandOf(std::optional<std::int32_t> showModeCode) {
  static constexpr INT kShowCommands[] = {SW_HIDE,          SW_SHOWNORMAL, SW_SHOWMINIMIZED,
                                          SW_SHOWMAXIMIZED, SW_SHOWNA,     SW_MINIMIZE};
  if (showModeCode && *showModeCode >= 1 && *showModeCode <= 6) return kShowCommands[*showModeCode - 1];
  return SW_SHOWNORMAL;
}

}  // namespace

bool shellExecute(std::optional<std::int32_t> verbCode, const std::string& file,
                  const std::optional<std::string>& parameters, const std::optional<std::string>& directory,
                  std::optional<std::int32_t> showModeCode) {
  const HINSTANCE result =
      ShellExecuteA(nullptr, verbOf(verbCode), file.c_str(), parameters ? parameters->c_str() : nullptr,
                    directory ? directory->c_str() : "", showCommandOf(showModeCode));
  // The result is no real instance handle: values up to 32 are error codes.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace pelmora::win
