#pragma once
// Texts are byte strings in the ANSI code page (936 for every literal of ours). Lengths count
// bytes, so a two-byte character counts 2. The empty text and an absent text are the same.

#include <cstddef>
#include <string>
#include <string_view>

namespace pelmora {

// A text is empty when it holds nothing or its first byte is zero.
bool isEmptyText(std::string_view text);

// The first n bytes (all of them when n exceeds the length; none when n <= 0). Counts bytes, so
// it can cut a two-byte character in half: callers cut only where they know a boundary lies.
std::string leftPart(std::string_view text, std::ptrdiff_t n);

std::string joinTexts(std::string_view first, std::string_view second);

// The bytes before the first zero byte; all of them when none is zero. This is how a buffer that
// Windows filled, or a registry value stored without its terminating zero, becomes a text.
std::string textFromBytes(const char* bytes, std::size_t count);

}  // namespace pelmora
