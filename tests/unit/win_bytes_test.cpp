// The byte-level parts of the Windows services, which need no Windows to be proven.
#include <gtest/gtest.h>

#include "tests/support/test_code_page_936.h"
#include "win/image_name.h"
#include "win/registry_path.h"
#include "win/shortcut_file_name.h"

namespace pelmora::win {
namespace {

TEST(SplitRegistryPath, AtTheLastBackslashThatIsACharacterOfItsOwn) {
  struct Case {
    std::string fullPath, key, value;
  };
  const Case cases[] = {
      {"SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities\\ApplicationIcon",
       "SOFTWARE\\WOW6432Node\\Blizzard Entertainment\\Battle.net\\Capabilities", "ApplicationIcon"},
      {"Value", "", "Value"},
      {"Key\\", "Key", ""},
      {"\\Value", "", "Value"},
      {"", "", ""},
      {"A\\B\\", "A\\B", ""},
      // "\x95\x5C" is a CP936 character whose second byte is the backslash: it never splits.
      {"Soft\\\x95\x5C", "Soft", "\x95\x5C"},
      {"Soft\\\x95\x5CKey\\名", "Soft\\\x95\x5CKey", "名"},
      {"\x95\x5C\x95\x5C", "", "\x95\x5C\x95\x5C"},
      // A lead byte at the very end takes nothing with it, and ends the scan.
      {"Key\\Value\x95", "Key", "Value\x95"},
  };
  for (const Case& c : cases) {
    const RegistryPath split = splitRegistryPath(c.fullPath);
    EXPECT_EQ(split.keyPath, c.key) << c.fullPath;
    EXPECT_EQ(split.valueName, c.value) << c.fullPath;
  }
}

TEST(CompleteShortcutFileName, AppendsLnkUnlessTheNameEndsInIt) {
  struct Case {
    std::string name, completed;
  };
  const Case cases[] = {
      {"C:\\Users\\li\\Desktop\\暴雪战网 国服", "C:\\Users\\li\\Desktop\\暴雪战网 国服.lnk"},
      // A full stop in the folder part no longer leaves the shortcut without its extension.
      {"C:\\Users\\li.wei\\Desktop\\暴雪战网 国服", "C:\\Users\\li.wei\\Desktop\\暴雪战网 国服.lnk"},
      {"C:\\Desktop\\a.lnk", "C:\\Desktop\\a.lnk"},
      {"C:\\Desktop\\a.LNK", "C:\\Desktop\\a.LNK"},
      {"C:\\Desktop\\a.LnK", "C:\\Desktop\\a.LnK"},
      {"C:\\Desktop\\a.txt", "C:\\Desktop\\a.txt.lnk"},
      {"C:\\Desktop\\a.lnk.", "C:\\Desktop\\a.lnk..lnk"},
      {"C:\\Desktop\\alnk", "C:\\Desktop\\alnk.lnk"},
      {".lnk", ".lnk"},
      {"lnk", "lnk.lnk"},
      {"", ".lnk"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(completeShortcutFileName(c.name), c.completed) << c.name;
  }
}


TEST(ImageNamesEqual, WholeNamesWithAsciiLettersFoldedOnly) {
  const testing::TestCodePage936 cp936;
  struct Case {
    std::string wanted, listed;
    bool insensitive, sensitive;
  };
  const Case cases[] = {
      {"Battle.net.exe", "Battle.net.exe", true, true},
      {"battle.net.exe", "Battle.net.exe", true, false},
      {"BATTLE.NET LAUNCHER.EXE", "Battle.net Launcher.exe", true, false},
      {"Battle.net", "Battle.net.exe", false, false},
      {"Battle.net.exe", "Battle.net", false, false},
      {"C:\\B\\Battle.net.exe", "Battle.net.exe", false, false},
      {" Battle.net.exe", "Battle.net.exe", false, false},
      {"", "", true, true},
      {"", "a", false, false},
      // Only A-Z and a-z fold; '@' (40) and '`' (60) stand 32 apart like letters but do not.
      {"@", "`", false, false},
      {"[", "{", false, false},
      // Two-byte characters compare as units, through the code page's upper-casing.
      {"启动.exe", "启动.exe", true, true},
      {"\xA3\xE1.exe", "\xA3\xC1.exe", true, false},
      {"\xA3\xE1.exe", "\xA3\xC2.exe", false, false},
      // A trail byte that looks like an ASCII letter does not fold on its own.
      {"\x81\x61", "\x81\x41", false, false},
      {"\x81\x61", "a\x61", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(imageNamesEqual(c.wanted, c.listed, false, cp936), c.insensitive) << c.wanted << " / " << c.listed;
    EXPECT_EQ(imageNamesEqual(c.wanted, c.listed, true, cp936), c.sensitive) << c.wanted << " / " << c.listed;
  }
}

}  // namespace
}  // namespace pelmora::win
