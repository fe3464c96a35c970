#include "tests/e2e/driver/ansi_text.h"

#include <algorithm>

#include <windows.h>

namespace pelmora::e2e {

std::string ansiFromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string converted(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(), size, nullptr, nullptr);
  return converted;
}

std::wstring wideFromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), converted.data(), size);
  return converted;
}

std::string windowsPathOfBuildFile(std::string_view unixPath) {
  std::string path = "Z:" + std::string(unixPath);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace pelmora::e2e
