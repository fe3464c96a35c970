#include "app/program_folder.h"

#include <optional>
#include <string>

#include <windows.h>

#include <gtest/gtest.h>

namespace pelmora::app {
namespace {

TEST(ProgramFolderTest, theFolderEndsAtTheLastBackslashThatIsACharacterOfItsOwn) {
  ASSERT_EQ(GetACP(), 936u) << "the test needs the code page the program's users have";
  struct Case {
    std::string path;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {"C:\\Games\\Pelmora.exe", "C:\\Games"},
      {"C:\\Pelmora.exe", "C:"},
      {"C:\\下载\\Pelmora.exe", "C:\\下载"},
      // 乗 is 0x81 0x5C in code page 936: its second byte is no backslash.
      {"C:\\d\\乗.exe", "C:\\d"},
      {"C:\\乗\\Pelmora.exe", "C:\\乗"},
      {"Pelmora.exe", std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(folderOfPath(c.path), c.folder) << c.path;
  }
}

}  // namespace
}  // namespace pelmora::app
