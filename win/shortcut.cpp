#include "win/shortcut.h"

#include <climits>

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "win/shortcut_file_name.h"

namespace pelmora::win {
namespace {

using Microsoft::WRL::ComPtr;

// IPersistFile::Save takes UTF-16. Each byte of the ANSI name makes at most one UTF-16 unit, so the
// room is sized from the name itself.
std::optional<std::wstring> wideFromAnsi(const std::string& text) {
  if (text.size() >= INT_MAX) return std::nullopt;
  std::wstring wide(text.size() + 1, L'\0');
  const int written =
      MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
  if (written <= 0) return std::nullopt;
  wide.resize(static_cast<std::size_t>(written) - 1);
  return wide;
}

}  // namespace

bool createShortcutFile(const std::string& fileName, const std::string& targetPath,
                        const std::optional<std::string>& description, const std::optional<std::string>& arguments,
                        const std::optional<std::string>& workingDirectory) {
  ComPtr<IShellLinkA> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)))) return false;
  ComPtr<IPersistFile> file;
  if (FAILED(link.As(&file))) return false;

  // A setter that fails leaves its property out; the link is saved all the same. A left-out input
  // sets nothing, a given empty one sets the empty text.
  link->SetPath(targetPath.c_str());
  link->SetShowCmd(SW_SHOW);
  if (description) link->SetDescription(description->c_str());
  if (arguments) link->SetArguments(arguments->c_str());
  if (workingDirectory) link->SetWorkingDirectory(workingDirectory->c_str());

  // Save replaces a file of that name without asking.
  const std::optional<std::wstring> name = wideFromAnsi(completeShortcutFileName(fileName));
  return name && SUCCEEDED(file->Save(name->c_str(), TRUE));
}

}  // namespace pelmora::win
