// The launcher location derived from any registry text: the installer's icon reference, the
// fallback message, or whatever else a machine's registry may hold.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/launcher_location.h"
#include "fuzz/require.h"

namespace {

using pelmora::launcherLocationFromRegistryText;
using pelmora::fuzz::require;

constexpr auto npos = std::string_view::npos;

// Found another way than the function does: from the last comma forward, not from the end back.
std::size_t iconIndexComma(std::string_view text) {
  const std::size_t comma = text.rfind(',');
  if (comma == npos) return npos;
  std::string_view index = text.substr(comma + 1);
  if (!index.empty() && index.front() == '-') index.remove_prefix(1);
  if (index.empty() || index.find_first_not_of("0123456789") != npos) return npos;
  return comma;
}

bool hasIconIndex(std::string_view text) {
  return iconIndexComma(text) != npos;
}

bool isEnclosedInQuotes(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

// Where the location lies in the text: [start, end).
struct Span {
  std::size_t start, end;
};

Span expectedSpan(std::string_view text) {
  const std::size_t end = hasIconIndex(text) ? iconIndexComma(text) : text.size();
  if (isEnclosedInQuotes(text.substr(0, end))) return {1, end - 1};
  return {0, end};
}

// Code page 936: a lead byte 81-FE followed by a trail byte 40-7E or 80-FE is one character. A
// lead byte without a valid trail byte is no whole character, so no cut can split one there.
bool isLeadByte(unsigned char byte) {
  return byte >= 0x81 && byte <= 0xFE;
}

bool isTrailByte(unsigned char byte) {
  return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

// For each offset 0..size, whether it lies between two characters.
std::vector<bool> characterBoundaries(std::string_view text) {
  std::vector<bool> boundary(text.size() + 1, true);
  for (std::size_t i = 0; i + 1 < text.size(); ++i) {
    if (isLeadByte(static_cast<unsigned char>(text[i])) && isTrailByte(static_cast<unsigned char>(text[i + 1]))) {
      boundary[i + 1] = false;
      ++i;
    }
  }
  return boundary;
}

// Every lead byte has its trail byte.
bool isWholeCp936(std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!isLeadByte(static_cast<unsigned char>(text[i]))) continue;
    if (i + 1 == text.size() || !isTrailByte(static_cast<unsigned char>(text[i + 1]))) return false;
    ++i;
  }
  return true;
}

void checkDerivation(std::string_view text) {
  const std::string location = launcherLocationFromRegistryText(text);

  require(location.size() <= text.size(), "the location never grows");

  // A contiguous piece: a prefix, or a prefix that loses one leading and one trailing quote.
  const bool isPrefix = text.substr(0, location.size()) == location;
  const bool isUnquotedPrefix = text.size() >= location.size() + 2 && text.front() == '"' &&
                                text.substr(1, location.size()) == location && text[location.size() + 1] == '"';
  require(isPrefix || isUnquotedPrefix, "the location is a prefix, or a prefix without its enclosing quotes");

  const Span span = expectedSpan(text);
  require(location == text.substr(span.start, span.end - span.start),
          "the location is the text without its icon index and then without enclosing quotes");
  const std::vector<bool> boundary = characterBoundaries(text);
  require(boundary[span.start] && boundary[span.end], "no two-byte character is cut in half");
  require(!isWholeCp936(text) || isWholeCp936(location), "whole code page 936 text stays whole");

  if (!hasIconIndex(text) && !isEnclosedInQuotes(text)) {
    require(location == text, "a text without icon index and enclosing quotes stays whole");
  }

  // Not idempotent in general: C:\x.exe,1,0 gives C:\x.exe,1, which gives C:\x.exe; and ""a"",0
  // gives "a", which gives a. It is once the location looks like neither.
  if (!hasIconIndex(location) && !isEnclosedInQuotes(location)) {
    require(launcherLocationFromRegistryText(location) == location, "a plain location derives to itself");
  }
}

// What the installer writes: the path in quotes, then an icon index. The path comes back exactly,
// whatever it holds.
void checkIconReferenceRoundTrip(std::string_view path) {
  static constexpr std::string_view kIndexes[] = {",0", ",-101", ",7", ",18446744073709551616"};
  const std::string_view index = kIndexes[path.size() % std::size(kIndexes)];
  const std::string quoted = "\"" + std::string(path) + "\"" + std::string(index);
  require(launcherLocationFromRegistryText(quoted) == path, "a quoted path with an icon index gives the path");
  if (!hasIconIndex(path) && !isEnclosedInQuotes(path)) {
    const std::string bare = std::string(path) + std::string(index);
    require(launcherLocationFromRegistryText(bare) == path, "a plain path with an icon index gives the path");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkDerivation(text);
  checkIconReferenceRoundTrip(text);
  return 0;
}
