// specialFolderPath against what Windows itself reports for each folder.
#include <climits>
#include <optional>
#include <string>

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>

#include "core/text.h"
#include "tests/win/test_support.h"
#include "win/shell_folders.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

using testing::folderExists;

// The folder as another entry point of Windows names it, with one backslash after it.
std::string reported(int folderCode) {
  constexpr int kCsidl[] = {CSIDL_PERSONAL, CSIDL_FAVORITES, CSIDL_DESKTOPDIRECTORY, CSIDL_FONTS,
                            CSIDL_STARTMENU, CSIDL_PROGRAMS,  CSIDL_STARTUP,          CSIDL_APPDATA};
  char path[MAX_PATH + 1] = {};
  bool found = false;
  if (folderCode <= 8) {
    found = SUCCEEDED(SHGetFolderPathA(nullptr, kCsidl[folderCode - 1], nullptr, SHGFP_TYPE_CURRENT, path));
  } else if (folderCode == 9) {
    found = GetWindowsDirectoryA(path, MAX_PATH) != 0;
  } else if (folderCode == 10) {
    found = GetSystemDirectoryA(path, MAX_PATH) != 0;
  } else {
    found = GetTempPathA(MAX_PATH, path) != 0;
  }
  std::string text = found ? textFromBytes(path, sizeof path) : std::string();
  if (!text.empty() && text.back() != '\\') text.push_back('\\');
  return text;
}

TEST(SpecialFolderPath, EveryCodeGivesItsFolderWithOneTrailingBackslash) {
  for (int code = 1; code <= 11; ++code) {
    SCOPED_TRACE(code);
    const std::string path = specialFolderPath(code);
    EXPECT_EQ(path, reported(code));
    ASSERT_GE(path.size(), 4u);
    EXPECT_EQ(path.back(), '\\');
    EXPECT_NE(path[path.size() - 2], '\\');
    EXPECT_TRUE(folderExists(path));
  }
}

TEST(SpecialFolderPath, CodesWithoutAFolderGiveNothing) {
  for (const int code : {0, 12, -1, -3, INT_MIN, INT_MAX}) {
    EXPECT_EQ(specialFolderPath(code), "") << code;
  }
}

// A folder whose name ends in a character with 0x5C as its second byte ("\x95\x5C") still gets its
// separator. The favourites folder is moved there for the test, and back afterwards.
class RedirectedFavorites : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kUserShellFolders, 0, KEY_READ | KEY_WRITE, key_.put()),
              ERROR_SUCCESS);
    DWORD type = REG_NONE;
    DWORD size = 0;
    if (RegQueryValueExA(key_.get(), "Favorites", nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return;
    std::string value(size, '\0');
    ASSERT_EQ(RegQueryValueExA(key_.get(), "Favorites", nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &size),
              ERROR_SUCCESS);
    value.resize(size);
    original_ = Original{type, value};
  }
  void TearDown() override {
    if (original_) {
      RegSetValueExA(key_.get(), "Favorites", 0, original_->type,
                     reinterpret_cast<const BYTE*>(original_->value.data()),
                     static_cast<DWORD>(original_->value.size()));
    } else {
      RegDeleteValueA(key_.get(), "Favorites");
    }
  }

  void redirect(const std::string& folder) {
    ASSERT_EQ(RegSetValueExA(key_.get(), "Favorites", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                             static_cast<DWORD>(folder.size() + 1)),
              ERROR_SUCCESS);
  }

  static constexpr const char* kUserShellFolders =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
  struct Original {
    DWORD type;
    std::string value;
  };
  UniqueRegistryKey key_;
  std::optional<Original> original_;
  testing::TempFolder folder_;
};

TEST_F(RedirectedFavorites, AFolderEndingInATwoByteCharacterGetsItsSeparator) {
  const std::string folder = folder_ / "收藏\x95\x5C";
  ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
  redirect(folder);
  char reportedPath[MAX_PATH + 1] = {};
  ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_FAVORITES, nullptr, SHGFP_TYPE_CURRENT, reportedPath)));
  ASSERT_EQ(std::string(reportedPath), folder) << "Windows does not follow the moved folder";
  EXPECT_EQ(specialFolderPath(2), folder + "\\");
}

}  // namespace
}  // namespace pelmora::win
