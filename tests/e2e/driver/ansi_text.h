#pragma once
// Texts as the program speaks them: bytes in the ANSI code page (936 under the tests' locale).

#include <string>
#include <string_view>

namespace pelmora::e2e {

std::string ansiFromWide(std::wstring_view text);
std::wstring wideFromAnsi(std::string_view text);

// The Windows path of a file of the build: Wine's drive Z: is the Unix root.
std::string windowsPathOfBuildFile(std::string_view unixPath);

}  // namespace pelmora::e2e
