// The split of a full registry path into key and value name, for any bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/require.h"
#include "win/registry_path.h"

namespace {

using pelmora::fuzz::require;
using pelmora::win::RegistryPath;
using pelmora::win::splitRegistryPath;

struct Scan {
  std::vector<std::size_t> backslashes;  // offsets of the backslashes that are characters of their own
  bool reachedEnd = true;                // false: a lead byte without a byte after it stopped the scan
};

// Reads the path as Windows reads an ANSI path in a double-byte code page: a byte of 0x80 or more
// takes the next byte with it, unless that is the end or a zero, where the text ends.
Scan scanPath(std::string_view path) {
  Scan scan;
  bool secondByte = false;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto byte = static_cast<unsigned char>(path[i]);
    if (secondByte) {
      secondByte = false;
    } else if (byte >= 0x80) {
      if (i + 1 == path.size() || path[i + 1] == '\0') {
        scan.reachedEnd = false;
        break;
      }
      secondByte = true;
    } else if (byte == '\\') {
      scan.backslashes.push_back(i);
    }
  }
  return scan;
}

bool operator==(const RegistryPath& a, const RegistryPath& b) {
  return a.keyPath == b.keyPath && a.valueName == b.valueName;
}

void checkSplit(std::string_view path) {
  const RegistryPath split = splitRegistryPath(path);

  const bool rejoins = split.keyPath + "\\" + split.valueName == path;
  const bool whole = split.keyPath.empty() && split.valueName == path;
  require(rejoins != whole, "key and value rejoin to the path, or the value is the whole path");

  const Scan scan = scanPath(path);
  if (scan.backslashes.empty()) {
    require(whole, "a path without a one-byte backslash is all value name");
  } else {
    require(rejoins && split.keyPath.size() == scan.backslashes.back(),
            "the separator is the last backslash that is a character of its own");
  }

  require(scanPath(split.valueName).backslashes.empty(), "the value name holds no one-byte backslash");
  require(splitRegistryPath(split.valueName) == RegistryPath{std::string(), split.valueName},
          "a value name splits into itself");
}

// Any key and any value name without a one-byte backslash come back from their joined path, as
// long as the key ends between characters (a lead byte at its end would swallow the separator).
void checkJoinSplits(std::string_view path) {
  const std::string_view key = path.substr(0, path.size() / 2);
  if (!scanPath(key).reachedEnd) return;
  std::string value(path.substr(key.size()));
  for (const std::size_t at : scanPath(value).backslashes) value[at] = '/';
  require(splitRegistryPath(std::string(key) + "\\" + value) == RegistryPath{std::string(key), value},
          "a joined key and value name split back into the two");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view path(reinterpret_cast<const char*>(data), size);
  checkSplit(path);
  checkJoinSplits(path);
  return 0;
}
