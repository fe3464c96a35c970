#include "core/text.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LeftPart, CountsBytesAndClampsBothEnds) {
  struct Case {
    std::string text;
    std::ptrdiff_t n;
    std::string expected;
  };
  const Case cases[] = {
      {"abc", -1, ""},
      {"abc", 0, ""},
      {"abc", 2, "ab"},
      {"abc", 3, "abc"},
      {"abc", 99, "abc"},
      {"", 5, ""},
      // A two-byte character counts 2 and can be cut in half: the helper knows no characters.
      {"国服", 3, std::string("国服").substr(0, 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(leftPart(c.text, c.n), c.expected) << "n=" << c.n;
  }
  EXPECT_EQ(std::string("国服").size(), 4u);
}

TEST(IsEmptyText, EmptyOrLeadingZeroByte) {
  EXPECT_TRUE(isEmptyText(""));
  EXPECT_TRUE(isEmptyText(std::string("\0abc", 4)));
  EXPECT_FALSE(isEmptyText(" "));
  EXPECT_FALSE(isEmptyText("国"));
}

TEST(JoinTexts, NothingInsertedBetween) {
  EXPECT_EQ(joinTexts("C:\\Desktop\\", "暴雪战网 国服"), "C:\\Desktop\\暴雪战网 国服");
  EXPECT_EQ(joinTexts("", "x"), "x");
  EXPECT_EQ(joinTexts("x", ""), "x");
}

TEST(TextFromBytes, EndsAtTheFirstZeroOrTheLastByte) {
  const char withZero[] = {'a', 'b', '\0', 'c'};
  EXPECT_EQ(textFromBytes(withZero, 4), "ab");
  const char withoutZero[] = {'a', 'b', 'c'};
  EXPECT_EQ(textFromBytes(withoutZero, 3), "abc");
  const char leadingZero[] = {'\0', 'x'};
  EXPECT_EQ(textFromBytes(leadingZero, 2), "");
  EXPECT_EQ(textFromBytes(withZero, 0), "");
}

}  // namespace
}  // namespace pelmora
