#include "tests/e2e/driver/shortcut_file.h"

#include <cstring>

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "tests/e2e/driver/ansi_text.h"
#include "win/unique_resource.h"

namespace pelmora::e2e {
namespace {

using Microsoft::WRL::ComPtr;

constexpr DWORD kHeaderSize = 0x4C;
constexpr DWORD kShowCommandOffset = 0x3C;

std::optional<unsigned long> storedShowCommand(const std::string& path) {
  const win::UniqueFileHandle file(
      CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  unsigned char header[kHeaderSize];
  DWORD read = 0;
  if (!file || !ReadFile(file.get(), header, kHeaderSize, &read, nullptr) || read != kHeaderSize) return std::nullopt;
  const unsigned char* field = header + kShowCommandOffset;
  return static_cast<unsigned long>(field[0]) | static_cast<unsigned long>(field[1]) << 8 |
         static_cast<unsigned long>(field[2]) << 16 | static_cast<unsigned long>(field[3]) << 24;
}

// The shell's getters write into a buffer of a given size and cut what does not fit: INFOTIPSIZE
// is the longest description and argument text a link holds, MAX_PATH the longest target.
template <typename Getter>
std::string textFrom(Getter get, int size) {
  std::string text(static_cast<std::size_t>(size), '\0');
  if (FAILED(get(text.data(), size))) return {};
  text.resize(strnlen(text.data(), text.size()));
  return text;
}

}  // namespace

std::optional<ShortcutFile> readShortcutFile(const std::string& path) {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> file;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
      FAILED(link.As(&file)) || FAILED(file->Load(wideFromAnsi(path).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  const auto showCommand = storedShowCommand(path);
  if (!showCommand) return std::nullopt;

  ShortcutFile shortcut;
  shortcut.target = textFrom([&](char* buffer, int size) { return link->GetPath(buffer, size, nullptr, SLGP_RAWPATH); },
                             MAX_PATH);
  shortcut.arguments = textFrom([&](char* buffer, int size) { return link->GetArguments(buffer, size); }, INFOTIPSIZE);
  shortcut.description =
      textFrom([&](char* buffer, int size) { return link->GetDescription(buffer, size); }, INFOTIPSIZE);
  shortcut.storedShowCommand = *showCommand;
  return shortcut;
}

}  // namespace pelmora::e2e
