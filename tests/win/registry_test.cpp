// readRegistryText against the real registry: each test writes its own keys and values and
// removes them again.
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win/test_support.h"
#include "win/registry.h"
#include "win/unique_resource.h"

namespace pelmora::win {
namespace {

using testing::uniqueName;

constexpr std::int32_t kCurrentUser = 3;
constexpr std::int32_t kLocalMachine = 4;
const std::string kFallback = "未找到";

// A key of the test's own, removed with everything below it at the end.
class ScratchKey {
 public:
  ScratchKey(HKEY hive, std::string path) : hive_(hive), path_(std::move(path)) {
    EXPECT_EQ(RegCreateKeyExA(hive_, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.put(), nullptr),
              ERROR_SUCCESS)
        << path_;
  }
  ~ScratchKey() {
    key_.reset();
    RegDeleteTreeA(hive_, path_.c_str());
  }

  // Stores the bytes exactly as given: no terminating zero is added.
  void set(const std::string& name, DWORD type, std::string_view bytes) {
    EXPECT_EQ(RegSetValueExA(key_.get(), name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS)
        << name;
  }

  const std::string& path() const { return path_; }

 private:
  HKEY hive_;
  std::string path_;
  UniqueRegistryKey key_;
};

std::string withZero(std::string_view text) {
  return std::string(text) + '\0';
}

TEST(ReadRegistryText, ValueKindsAndShapes) {
  ScratchKey key(HKEY_CURRENT_USER, "Software\\" + uniqueName());
  ASSERT_TRUE(SetEnvironmentVariableA("PELMORA_TEST_FOLDER", "D:\\游戏"));
  const std::string megabyte(1 << 20, 'x');
  const DWORD number = 7;
  const std::uint64_t wide = 7;

  struct Case {
    std::string name;
    DWORD type;
    std::string bytes;
    std::string expected;
  };
  const Case cases[] = {
      {"launcher", REG_SZ, withZero("\"C:\\B\\Battle.net Launcher.exe\",0"), "\"C:\\B\\Battle.net Launcher.exe\",0"},
      {"chinese", REG_SZ, withZero("C:\\暴雪战网\\Battle.net.exe"), "C:\\暴雪战网\\Battle.net.exe"},
      {"spaces kept", REG_SZ, withZero("  a b  "), "  a b  "},
      {"only the zero", REG_SZ, withZero(""), ""},
      {"no data", REG_SZ, "", kFallback},
      {"no terminating zero", REG_SZ, "C:\\B\\x.exe", "C:\\B\\x.exe"},
      {"zero inside", REG_SZ, withZero(std::string("ab\0cd", 5)), "ab"},
      {"a mebibyte", REG_SZ, withZero(megabyte), megabyte},
      {"a mebibyte without zero", REG_SZ, megabyte, megabyte},
      {"expandable", REG_EXPAND_SZ, withZero("%PELMORA_TEST_FOLDER%\\x.exe"), "D:\\游戏\\x.exe"},
      {"expandable without zero", REG_EXPAND_SZ, "%PELMORA_TEST_FOLDER%\\x.exe", "D:\\游戏\\x.exe"},
      {"expandable, unknown name", REG_EXPAND_SZ, withZero("%PELMORA_NO_SUCH%"), "%PELMORA_NO_SUCH%"},
      {"expandable, only the zero", REG_EXPAND_SZ, withZero(""), ""},
      {"reference not expanded", REG_SZ, withZero("%PELMORA_TEST_FOLDER%\\x.exe"), "%PELMORA_TEST_FOLDER%\\x.exe"},
      {"dword", REG_DWORD, std::string(reinterpret_cast<const char*>(&number), sizeof number), kFallback},
      {"qword", REG_QWORD, std::string(reinterpret_cast<const char*>(&wide), sizeof wide), kFallback},
      {"binary text", REG_BINARY, withZero("C:\\B\\x.exe"), kFallback},
      {"multi", REG_MULTI_SZ, std::string("C:\\B\\x.exe\0\0", 12), kFallback},
      {"none", REG_NONE, withZero("C:\\B\\x.exe"), kFallback},
  };
  for (const Case& c : cases) key.set(c.name, c.type, c.bytes);

  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = readRegistryText(kCurrentUser, key.path() + "\\" + c.name, kFallback);
    EXPECT_EQ(text.size(), c.expected.size());
    EXPECT_TRUE(text == c.expected);  // no 1 MiB dump on failure
  }
  EXPECT_EQ(readRegistryText(kCurrentUser, key.path() + "\\missing value", kFallback), kFallback);
  EXPECT_EQ(readRegistryText(kCurrentUser, key.path() + "\\missing key\\launcher", kFallback), kFallback);
  SetEnvironmentVariableA("PELMORA_TEST_FOLDER", nullptr);
}

TEST(ReadRegistryText, RootCodesPickTheHive) {
  // The same path under HKCU and HKLM with different texts, and one path of its own under each of
  // the other hives, so that a wrong hive shows as the wrong text or the fallback.
  const std::string name = uniqueName();
  ScratchKey currentUser(HKEY_CURRENT_USER, "Software\\" + name);
  ScratchKey localMachine(HKEY_LOCAL_MACHINE, "Software\\" + name);
  ScratchKey classesRoot(HKEY_CLASSES_ROOT, name);
  ScratchKey currentConfig(HKEY_CURRENT_CONFIG, "Software\\" + name);
  ScratchKey users(HKEY_USERS, ".DEFAULT\\Software\\" + name);
  currentUser.set("hive", REG_SZ, withZero("HKCU"));
  localMachine.set("hive", REG_SZ, withZero("HKLM"));
  classesRoot.set("hive", REG_SZ, withZero("HKCR"));
  currentConfig.set("hive", REG_SZ, withZero("HKCC"));
  users.set("hive", REG_SZ, withZero("HKU"));

  struct Case {
    std::int32_t rootCode;
    std::string path;
    std::string expected;
  };
  const Case cases[] = {
      {1, classesRoot.path(), "HKCR"},        {2, currentConfig.path(), "HKCC"},
      {3, currentUser.path(), "HKCU"},        {4, localMachine.path(), "HKLM"},
      {5, users.path(), "HKU"},               {0, currentUser.path(), "HKCU"},
      {6, currentUser.path(), "HKCU"},        {-1, currentUser.path(), "HKCU"},
      {INT_MIN, currentUser.path(), "HKCU"},  {INT_MAX, currentUser.path(), "HKCU"},
      {1, currentUser.path(), kFallback},     {5, currentUser.path(), kFallback},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readRegistryText(c.rootCode, c.path + "\\hive", kFallback), c.expected) << c.rootCode;
  }
}

TEST(ReadRegistryText, SplitsTheFullPathAtItsLastRealBackslash) {
  // "\x95\x5C" is one code page 936 character whose second byte is the backslash.
  const std::string lead = "\x95\x5C";
  ScratchKey key(HKEY_CURRENT_USER, "Software\\" + uniqueName());
  ScratchKey doubleByteKey(HKEY_CURRENT_USER, key.path() + "\\键" + lead);
  key.set("", REG_SZ, withZero("默认值"));
  key.set("名" + lead, REG_SZ, withZero("value ending in the character"));
  doubleByteKey.set("值", REG_SZ, withZero("under the character"));
  // A value right under the hive, named without any backslash.
  const std::string topValue = uniqueName();
  ASSERT_EQ(RegSetValueExA(HKEY_CURRENT_USER, topValue.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>("top"), 4),
            ERROR_SUCCESS);

  struct Case {
    std::string fullPath, expected;
  };
  const Case cases[] = {
      {key.path() + "\\", "默认值"},
      {key.path() + "\\名" + lead, "value ending in the character"},
      {doubleByteKey.path() + "\\值", "under the character"},
      {topValue, "top"},
      {"\\" + topValue, "top"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(readRegistryText(kCurrentUser, c.fullPath, kFallback), c.expected) << c.fullPath;
  }
  RegDeleteValueA(HKEY_CURRENT_USER, topValue.c_str());
}

}  // namespace
}  // namespace pelmora::win
