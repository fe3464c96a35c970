// The text helpers that count and cut bytes: the left part of a text and a text from a buffer.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/text.h"
#include "fuzz/require.h"

namespace {

using namespace pelmora;
using pelmora::fuzz::require;

void checkLeftPart(std::string_view text, std::ptrdiff_t n) {
  const std::string left = leftPart(text, n);
  const std::size_t expected = n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), text.size());
  require(left.size() == expected, "the left part holds min(max(n, 0), length) bytes");
  require(text.substr(0, left.size()) == left, "the left part is a prefix");
  require(joinTexts(left, text.substr(left.size())) == text, "the left part and the rest join to the text");
}

// bytes: a block of exactly the bytes that may be read, so that a read past it is seen.
void checkTextFromBytes(const std::vector<char>& bytes) {
  const std::string text = textFromBytes(bytes.data(), bytes.size());
  require(text.find('\0') == std::string::npos, "a text holds no zero byte");
  require(std::string_view(bytes.data(), bytes.size()).substr(0, text.size()) == text, "the text is a prefix");
  require(text.size() == bytes.size() || bytes[text.size()] == '\0', "the text ends at the first zero or the last byte");
  require(isEmptyText(text) == (bytes.empty() || bytes.front() == '\0'), "the text is empty when the buffer starts with zero");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto n = input.ConsumeIntegral<std::ptrdiff_t>();
  const std::vector<char> bytes = input.ConsumeRemainingBytes<char>();
  const std::string_view text(bytes.data(), bytes.size());
  checkLeftPart(text, n);
  checkTextFromBytes(bytes);
  // The first n bytes alone, as when Windows reports how much of a buffer it filled.
  const std::size_t filled = n <= 0 ? 0 : std::min(static_cast<std::size_t>(n), bytes.size());
  checkTextFromBytes(std::vector<char>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(filled)));
  return 0;
}
