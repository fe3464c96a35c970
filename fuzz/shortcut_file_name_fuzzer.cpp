// The completion of a shortcut's file name with ".lnk", for any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "win/shortcut_file_name.h"

namespace {

using pelmora::fuzz::require;
using pelmora::win::completeShortcutFileName;

// Setting the 0x20 bit maps exactly "L" and "l" to "l" (likewise for n and k), so this checks the
// extension's letters in any case without a folding table.
bool endsWithLnk(std::string_view name) {
  if (name.size() < 4) return false;
  const std::string_view tail = name.substr(name.size() - 4);
  return tail[0] == '.' && (tail[1] | 0x20) == 'l' && (tail[2] | 0x20) == 'n' && (tail[3] | 0x20) == 'k';
}

void checkCompletion(std::string_view name) {
  const std::string completed = completeShortcutFileName(name);
  require(endsWithLnk(completed), "the completed name ends in .lnk");
  require(completed == name || completed == std::string(name) + ".lnk", "the name is kept, or gets exactly .lnk");
  require((completed == name) == endsWithLnk(name), "the name is kept exactly when it ends in .lnk already");
  require(completeShortcutFileName(completed) == completed, "a completed name stays as it is");
}

// The extension already there, in a letter case chosen by the input's length.
void checkKeepsAnyCaseOfLnk(std::string_view name) {
  std::string withExtension(name);
  withExtension += '.';
  const char* const letters[] = {"lL", "nN", "kK"};
  for (std::size_t i = 0; i < 3; ++i) withExtension += letters[i][(name.size() >> i) & 1];
  require(completeShortcutFileName(withExtension) == withExtension, ".lnk in any letter case is kept");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view name(reinterpret_cast<const char*>(data), size);
  checkCompletion(name);
  checkKeepsAnyCaseOfLnk(name);
  return 0;
}
