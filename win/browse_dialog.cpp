#include "win/browse_dialog.h"

#include <vector>

#include <shlobj.h>

#include "core/text.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

HWND liveWindowOrNone(HWND window) {
  return IsWindow(window) ? window : nullptr;
}

// What the dialog changes about the program's windows, and puts back when it closes: the program's
// own top-level windows are disabled so that no click reaches them behind the dialog, and the
// window that was active owns the dialog.
class DialogModality {
 public:
  explicit DialogModality(std::span<const HWND> programWindows)
      : active_(liveWindowOrNone(GetActiveWindow())), foreground_(GetForegroundWindow()) {
    for (const HWND window : programWindows) {
      if (!IsWindow(window) || GetParent(window)) continue;
      disabled_.push_back({window, IsWindowEnabled(window) != FALSE});
      EnableWindow(window, FALSE);
    }
  }

  ~DialogModality() {
    for (const Disabled& d : disabled_) EnableWindow(d.window, d.wasEnabled);
    if (IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (IsWindow(active_)) SetActiveWindow(active_);
  }

  DialogModality(const DialogModality&) = delete;
  DialogModality& operator=(const DialogModality&) = delete;

  HWND owner() const { return active_; }

 private:
  struct Disabled {
    HWND window;
    bool wasEnabled;
  };
  const HWND active_;
  const HWND foreground_;
  std::vector<Disabled> disabled_;
};

}  // namespace

std::string browseForFile(const std::string& title, std::optional<bool> includeFiles,
                          std::span<const HWND> programWindows) {
  char displayName[MAX_PATH] = {};  // the size the dialog writes into
  BROWSEINFOA info{};
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  // Rooted at the desktop, old style, any item (not only file-system folders).
  info.ulFlags = BIF_EDITBOX | (includeFiles.value_or(false) ? BIF_BROWSEINCLUDEFILES : 0);

  UniqueItemList chosen;
  {
    const DialogModality modality(programWindows);
    info.hwndOwner = modality.owner();
    chosen.reset(SHBrowseForFolderA(&info));
  }
  if (!chosen) return {};  // cancelled

  char path[MAX_PATH] = {};  // the size SHGetPathFromIDListA is defined for
  // An item without a file-system path (a virtual folder) yields nothing.
  if (!SHGetPathFromIDListA(chosen.get(), path)) return {};
  return textFromBytes(path, sizeof path);
}

}  // namespace pelmora::win
