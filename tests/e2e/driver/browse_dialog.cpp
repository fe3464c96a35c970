#include "tests/e2e/driver/browse_dialog.h"

#include <shlobj.h>

#include "tests/e2e/driver/owners.h"
#include "tests/e2e/driver/user_input.h"
#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {
namespace {

// The control IDs of the shell's browse dialog.
constexpr int kTreeId = 0x3741;
constexpr int kPromptId = 0x3742;

}  // namespace

bool isBrowseDialog(HWND dialog) {
  const HWND tree = GetDlgItem(dialog, kTreeId);
  return className(dialog) == "#32770" && tree && className(tree) == "SysTreeView32";
}

std::string browsePrompt(HWND dialog) {
  return windowText(GetDlgItem(dialog, kPromptId));
}

bool selectInBrowseDialog(HANDLE program, HWND dialog, const std::string& path) {
  const UniqueRemoteMemory remote({program, VirtualAllocEx(program, nullptr, path.size() + 1,
                                                           MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)});
  if (!remote.get().second) return false;
  SIZE_T written = 0;
  if (!WriteProcessMemory(program, remote.get().second, path.c_str(), path.size() + 1, &written) ||
      written != path.size() + 1) {
    return false;
  }
  // The dialog answers once the tree has expanded to the item and selected it.
  return sendBounded(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote.get().second)).has_value();
}

bool pressBrowseButton(HWND dialog, int buttonId) {
  return clickCentreOf(GetDlgItem(dialog, buttonId));
}

}  // namespace pelmora::e2e
