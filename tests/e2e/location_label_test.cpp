// The launcher's location as the program finds it at start, from the value the launcher's
// installer leaves in the registry.

#include <optional>
#include <string>

#include "tests/e2e/driver/ansi_text.h"
#include "tests/e2e/driver/window_facts.h"
#include "tests/e2e/e2e_fixture.h"

namespace pelmora::e2e {
namespace {

struct LocationCase {
  const char* name;
  std::optional<DWORD> storedType;  // nothing: the value is missing
  std::string stored;
  std::string shown;  // environment references in it are expanded as Windows expands them
  friend void PrintTo(const LocationCase& row, std::ostream* out) { *out << row.name; }
};

// Through the wide form: Wine's ANSI form reports a size too small for two-byte characters.
std::string expanded(const std::string& text) {
  const std::wstring wide = wideFromAnsi(text);
  std::wstring result(ExpandEnvironmentStringsW(wide.c_str(), nullptr, 0), L'\0');
  result.resize(ExpandEnvironmentStringsW(wide.c_str(), result.data(), static_cast<DWORD>(result.size())) - 1);
  return ansiFromWide(result);
}

class LocationLabelTest : public PelmoraTest, public ::testing::WithParamInterface<LocationCase> {};

TEST_P(LocationLabelTest, ShowsTheLauncherPathOfTheRegistryValue) {
  const LocationCase& row = GetParam();
  if (row.storedType) {
    ASSERT_TRUE(registryValue_.store(*row.storedType, row.stored));
  }
  PelmoraProcess* program = startProgram();
  ASSERT_NE(program, nullptr) << "the window did not show";

  const HWND label = program->controls().战网位置;
  const std::string shown = expanded(row.shown);
  EXPECT_EQ(windowText(label), shown);
  EXPECT_TRUE(labelShows(label, shown));
  EXPECT_EQ(closeWithEsc(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, LocationLabelTest,
    ::testing::Values(
        // The shape an installer writes: the quoted path with an icon index.
        LocationCase{"QuotedWithIconIndex", REG_SZ,
                     R"("C:\Program Files (x86)\Battle.net\Battle.net Launcher.exe",0)",
                     R"(C:\Program Files (x86)\Battle.net\Battle.net Launcher.exe)"},
        // No launcher installed: the whole message, its last character included.
        LocationCase{"MissingValueShowsTheWholeFallback", std::nullopt, "", texts::kRegistryFallback},
        // Expanded whole, two-byte characters and all (Wine's ANSI expansion counts its room in
        // UTF-16 units).
        LocationCase{"ExpandableValueIsExpanded", REG_EXPAND_SZ,
                     R"("%ProgramFiles%\游戏\Battle.net\Battle.net Launcher.exe",0)",
                     R"(%ProgramFiles%\游戏\Battle.net\Battle.net Launcher.exe)"},
        // Two-byte characters stay whole; a negative icon index goes too.
        LocationCase{"ChinesePathWithNegativeIconIndex", REG_SZ, R"(D:\游戏\战网\Battle.net Launcher.exe,-101)",
                     R"(D:\游戏\战网\Battle.net Launcher.exe)"},
        // Without an icon index nothing is cut.
        LocationCase{"PlainPathStaysWhole", REG_SZ, R"(C:\B\x.exe)", R"(C:\B\x.exe)"}),
    [](const ::testing::TestParamInfo<LocationCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pelmora::e2e
