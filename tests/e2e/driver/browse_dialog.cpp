#include "tests/e2e/driver/browse_dialog.h"

#include <shlobj.h>
#include <commctrl.h>

#include "tests/e2e/driver/ansi_text.h"
#include "tests/e2e/driver/owners.h"
#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/user_input.h"
#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {
namespace {

// The control IDs of the shell's browse dialog.
constexpr int kTreeId = 0x3741;
constexpr int kPromptId = 0x3742;

UniqueRemoteMemory copyIntoProcess(HANDLE program, const void* data, std::size_t size) {
  UniqueRemoteMemory remote({program, VirtualAllocEx(program, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)});
  SIZE_T written = 0;
  if (!remote.get().second || !WriteProcessMemory(program, remote.get().second, data, size, &written) ||
      written != size) {
    return UniqueRemoteMemory();
  }
  return remote;
}

// The text of the tree's selected item. The tree answers only into the program's own memory: the
// request and the text travel there and back.
std::string selectedItemText(HANDLE program, HWND dialog) {
  const HWND tree = GetDlgItem(dialog, kTreeId);
  const auto item = sendBounded(tree, TVM_GETNEXTITEM, TVGN_CARET);
  if (!item || !*item) return {};
  struct Request {
    TVITEMW item;
    wchar_t text[MAX_PATH];  // the longest name a tree item of the shell shows
  };
  Request request{};
  UniqueRemoteMemory remote = copyIntoProcess(program, &request, sizeof request);
  if (!remote.get().second) return {};
  auto* const remoteRequest = static_cast<Request*>(remote.get().second);
  request.item.mask = TVIF_TEXT;
  request.item.hItem = reinterpret_cast<HTREEITEM>(*item);
  request.item.pszText = remoteRequest->text;
  request.item.cchTextMax = MAX_PATH;
  SIZE_T moved = 0;
  if (!WriteProcessMemory(program, remoteRequest, &request, sizeof request, &moved) ||
      !sendBounded(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remoteRequest)).value_or(FALSE) ||
      !ReadProcessMemory(program, remoteRequest, &request, sizeof request, &moved)) {
    return {};
  }
  request.text[MAX_PATH - 1] = L'\0';
  return ansiFromWide(request.text);
}

}  // namespace

bool isBrowseDialog(HWND dialog) {
  const HWND tree = GetDlgItem(dialog, kTreeId);
  return className(dialog) == "#32770" && tree && className(tree) == "SysTreeView32";
}

std::string browsePrompt(HWND dialog) {
  return windowText(GetDlgItem(dialog, kPromptId));
}

bool selectInBrowseDialog(HANDLE program, HWND dialog, const std::string& path) {
  const UniqueRemoteMemory remote = copyIntoProcess(program, path.c_str(), path.size() + 1);
  if (!remote.get().second) return false;
  // Right after the dialog appears Wine now and then selects nothing, so the selection is asked
  // for again until the tree shows the item selected.
  const std::string name = path.substr(path.rfind('\\') + 1);
  return waitUntil([&] {
    sendBounded(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(remote.get().second));
    return selectedItemText(program, dialog) == name;
  });
}

bool pressBrowseButton(HWND dialog, int buttonId) {
  return clickCentreOf(GetDlgItem(dialog, buttonId));
}

}  // namespace pelmora::e2e
