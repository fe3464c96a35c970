// The comparison of a wanted image name with a listed one, for any two byte strings, in a code
// page 936 stand-in.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/require.h"
#include "tests/support/test_code_page_936.h"
#include "win/image_name.h"

namespace {

using pelmora::fuzz::require;
using pelmora::win::imageNamesEqual;

const pelmora::testing::TestCodePage936 kCodePage;

bool isAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char lowerAsciiLetter(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// The name cut into characters: a lead byte takes the next byte with it, unless that is the end
// or a zero.
std::vector<std::string_view> characters(std::string_view name) {
  std::vector<std::string_view> result;
  std::size_t i = 0;
  while (i < name.size()) {
    const bool pair = kCodePage.isLeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size() &&
                      name[i + 1] != '\0';
    const std::size_t length = pair ? 2 : 1;
    result.push_back(name.substr(i, length));
    i += length;
  }
  return result;
}

// A reference written from the rule, not from the function: the same characters in the same
// order; one-byte characters equal after lower-casing the ASCII letters only, two-byte ones equal
// through the code page.
bool referenceEqualIgnoringCase(std::string_view a, std::string_view b) {
  const auto left = characters(a);
  const auto right = characters(b);
  if (left.size() != right.size()) return false;
  for (std::size_t k = 0; k < left.size(); ++k) {
    if (left[k].size() != right[k].size()) return false;
    if (left[k].size() == 2 ? !kCodePage.equalIgnoringCase(left[k], right[k])
                            : lowerAsciiLetter(left[k][0]) != lowerAsciiLetter(right[k][0])) {
      return false;
    }
  }
  return true;
}

bool equal(std::string_view a, std::string_view b, bool caseSensitive) {
  return imageNamesEqual(a, b, caseSensitive, kCodePage);
}

void checkPair(std::string_view a, std::string_view b) {
  require(equal(a, a, true) && equal(a, a, false), "a name equals itself");
  for (const bool caseSensitive : {true, false}) {
    require(equal(a, b, caseSensitive) == equal(b, a, caseSensitive), "the comparison is symmetric");
  }
  const bool same = equal(a, b, false);
  require(!equal(a, b, true) || same, "equal bytes are equal in any case");
  require(equal(a, b, true) == (a == b), "case-sensitive equality is byte equality");
  require(same == referenceEqualIgnoringCase(a, b), "the comparison agrees with the reference");
  if (!same) return;
  require(a.size() == b.size(), "equal names have equal lengths");
  // Where two equal names differ in a one-byte character, both are ASCII letters.
  std::size_t offset = 0;
  for (const std::string_view character : characters(a)) {
    if (character.size() == 1 && a[offset] != b[offset]) {
      require(isAsciiLetter(a[offset]) && isAsciiLetter(b[offset]), "only ASCII letters fold");
    }
    offset += character.size();
  }
}

// Changes made to one name: flipping the case of every one-byte ASCII letter keeps it equal;
// flipping the same 0x20 bit in one other one-byte character ("@" and "`", "[" and "{") does not.
// A zero stays: it would join a lead byte before it to the next character.
void checkFlips(std::string_view name) {
  std::string letterFlipped(name);
  std::string otherFlipped(name);
  bool otherChanged = false;
  std::size_t offset = 0;
  for (const std::string_view character : characters(name)) {
    const char c = character[0];
    if (character.size() == 1 && isAsciiLetter(c)) {
      letterFlipped[offset] = static_cast<char>(c ^ 0x20);
    } else if (character.size() == 1 && !otherChanged && c != '\0' &&
               !kCodePage.isLeadByte(static_cast<unsigned char>(c ^ 0x20))) {
      otherFlipped[offset] = static_cast<char>(c ^ 0x20);
      otherChanged = true;
    }
    offset += character.size();
  }
  require(equal(name, letterFlipped, false), "names that differ in the case of ASCII letters are equal");
  require(equal(name, letterFlipped, true) == (letterFlipped == name), "letter case counts when asked to");
  if (otherChanged) require(!equal(name, otherFlipped, false), "no other one-byte character folds");
}

// The name's bytes in a block of their own, so that a read past its end is seen.
std::vector<char> ownBytes(std::string_view name) {
  return std::vector<char>(name.begin(), name.end());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string first = input.ConsumeRandomLengthString();
  const std::vector<char> wanted = ownBytes(first);
  const std::vector<char> listed = input.ConsumeRemainingBytes<char>();
  const std::string_view a(wanted.data(), wanted.size());
  const std::string_view b(listed.data(), listed.size());
  checkPair(a, b);
  checkFlips(a);
  checkFlips(b);
  return 0;
}
