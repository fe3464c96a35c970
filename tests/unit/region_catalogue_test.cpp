#include "core/region_catalogue.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(RegionCatalogue, FourRowsInListOrder) {
  struct Row {
    std::string listText, shortcutName, description, launchSwitch;
  };
  const Row expected[] = {
      {"国服", "暴雪战网 国服", "国服版暴雪战网", "--setregion=CN"},
      {"亚服", "暴雪战网 亚服", "亚服版暴雪战网", "--setregion=KR"},
      {"美服", "暴雪战网 美服", "美服版暴雪战网", "--setregion=US"},
      {"欧服", "暴雪战网 欧服", "欧服版暴雪战网", "--setregion=EU"},
  };
  const auto rows = RegionCatalogue::rows();
  ASSERT_EQ(rows.size(), 4u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(rows[i].index, static_cast<std::int32_t>(i));
    EXPECT_EQ(rows[i].listText, expected[i].listText);
    EXPECT_EQ(rows[i].shortcutName, expected[i].shortcutName);
    EXPECT_EQ(rows[i].shortcutDescription, expected[i].description);
    EXPECT_EQ(rows[i].launchSwitch, expected[i].launchSwitch);
    // CP936: four two-byte characters, one ASCII space, two two-byte characters.
    EXPECT_EQ(std::strlen(rows[i].shortcutName), 13u);
    EXPECT_EQ(rows[i].shortcutName[8], ' ');
    EXPECT_EQ(std::strlen(rows[i].launchSwitch), 14u);
  }
}

TEST(RegionCatalogue, TheTextsAreCodePage936Bytes) {
  // "国" is B9 FA in CP936 (E5 9B BD in UTF-8): the build must have converted every literal.
  const std::string china = RegionCatalogue::rows()[0].listText;
  EXPECT_EQ(china, "\xB9\xFA\xB7\xFE");
}

TEST(RegionCatalogue, FindByIndex) {
  EXPECT_STREQ(RegionCatalogue::find(1)->launchSwitch, "--setregion=KR");
  EXPECT_STREQ(RegionCatalogue::find(1)->shortcutName, "暴雪战网 亚服");
  EXPECT_EQ(RegionCatalogue::find(3), &RegionCatalogue::rows()[3]);
  for (const std::int32_t none : {-1, 4, -2147483647 - 1, 2147483647}) {
    EXPECT_EQ(RegionCatalogue::find(none), nullptr) << none;
  }
}

}  // namespace
}  // namespace pelmora
