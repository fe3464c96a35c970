// createShortcutFile writes real shell links: each is read back through the shell's own link
// object, and its header is read byte for byte where the link object does not say.
#include <cstdint>
#include <optional>
#include <string>
#include <thread>

#include <gtest/gtest.h>
#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include "core/text.h"
#include "tests/win/test_support.h"
#include "win/shortcut.h"

namespace pelmora::win {
namespace {

using Microsoft::WRL::ComPtr;
using testing::fileExists;
using testing::folderExists;
using testing::TempFolder;

// Link flags of the file header (at offset 0x14) that tell which strings the file holds.
constexpr std::uint32_t kHasName = 0x04;
constexpr std::uint32_t kHasWorkingDir = 0x10;
constexpr std::uint32_t kHasArguments = 0x20;
constexpr std::uint32_t kHasIconLocation = 0x40;

struct ReadBack {
  std::string path, arguments, description, workingDirectory;
  std::uint32_t linkFlags;
  std::uint32_t showCommand;  // the header's own field, at offset 0x3C
};

std::uint32_t littleEndian32(const std::string& bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{static_cast<unsigned char>(bytes[offset + i])} << (8 * i);
  return value;
}

std::wstring wide(const std::string& ansi) {
  std::wstring text(ansi.size() + 1, L'\0');
  const int written = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(written > 0 ? written - 1 : 0));
  return text;
}

// Reads a link file the way the shell does.
std::optional<ReadBack> readShortcut(const std::string& file) {
  ComPtr<IShellLinkA> link;
  ComPtr<IPersistFile> persist;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
      FAILED(link.As(&persist)) || FAILED(persist->Load(wide(file).c_str(), STGM_READ))) {
    return std::nullopt;
  }
  char text[INFOTIPSIZE] = {};
  ReadBack read{};
  link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
  read.path = textFromBytes(text, sizeof text);
  text[0] = '\0';
  link->GetArguments(text, INFOTIPSIZE);
  read.arguments = textFromBytes(text, sizeof text);
  text[0] = '\0';
  link->GetDescription(text, INFOTIPSIZE);
  read.description = textFromBytes(text, sizeof text);
  text[0] = '\0';
  link->GetWorkingDirectory(text, MAX_PATH);
  read.workingDirectory = textFromBytes(text, sizeof text);
  const std::string bytes = testing::readFile(file);
  if (bytes.size() < 0x4C) return std::nullopt;
  read.linkFlags = littleEndian32(bytes, 0x14);
  read.showCommand = littleEndian32(bytes, 0x3C);
  return read;
}

class ShortcutFile : public ::testing::Test {
 protected:
  void SetUp() override {
    // The program initialises OLE for its thread at start; the operation relies on it.
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    target_ = folder_ / "战网\\Battle.net Launcher.exe";
    ASSERT_TRUE(CreateDirectoryA((folder_ / "战网").c_str(), nullptr));
    ASSERT_TRUE(CloseHandle(CreateFileA(target_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  }
  void TearDown() override { OleUninitialize(); }

  TempFolder folder_;
  std::string target_;
};

TEST_F(ShortcutFile, TheShellReadsBackWhatWasGivenAndNothingThatWasLeftOut) {
  using Text = std::optional<std::string>;
  struct Case {
    std::string name;
    Text description, arguments, workingDirectory;
  };
  const Case cases[] = {
      // What the program writes: no working directory.
      {"暴雪战网 国服", "暴雪战网 国服", "--setregion=CN", std::nullopt},
      {"all given", "描述", "--setregion=EU --x \"a b\"", "C:\\游戏"},
      {"given empty", "", "", ""},
      {"left out", std::nullopt, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string name = folder_ / c.name;
    ASSERT_TRUE(createShortcutFile(name, target_, c.description, c.arguments, c.workingDirectory));
    EXPECT_FALSE(fileExists(name));
    const std::optional<ReadBack> read = readShortcut(name + ".lnk");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->path, target_);
    EXPECT_EQ(read->description, c.description.value_or(""));
    EXPECT_EQ(read->arguments, c.arguments.value_or(""));
    EXPECT_EQ(read->workingDirectory, c.workingDirectory.value_or(""));
    // A given empty text is stored as such; a left-out one not at all.
    EXPECT_EQ((read->linkFlags & kHasName) != 0, c.description.has_value());
    EXPECT_EQ((read->linkFlags & kHasArguments) != 0, c.arguments.has_value());
    EXPECT_EQ((read->linkFlags & kHasWorkingDir) != 0, c.workingDirectory.has_value());
    EXPECT_EQ(read->linkFlags & kHasIconLocation, 0u);
    // Wine's link object does not restore the show command on Load (IShellLinkA::GetShowCmd gives
    // SW_SHOWNORMAL whatever the file holds), so the header field itself is read.
    EXPECT_EQ(read->showCommand, static_cast<std::uint32_t>(SW_SHOW));
  }
}

TEST_F(ShortcutFile, TheNameGetsLnkUnlessItEndsInIt) {
  // A full stop in the folder part, as in a profile folder named "li.wei".
  const std::string desktop = folder_ / "li.wei\\Desktop";
  ASSERT_TRUE(testing::createFolders(desktop));
  struct Case {
    std::string name, savedAs;
  };
  const Case cases[] = {
      {desktop + "\\暴雪战网 国服", desktop + "\\暴雪战网 国服.lnk"},
      {desktop + "\\Battle.net", desktop + "\\Battle.net.lnk"},
      {desktop + "\\已有.LNK", desktop + "\\已有.LNK"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(createShortcutFile(c.name, target_, "描述", "--setregion=KR", std::nullopt)) << c.name;
    EXPECT_TRUE(fileExists(c.savedAs)) << c.savedAs;
    const std::optional<ReadBack> read = readShortcut(c.savedAs);
    ASSERT_TRUE(read) << c.savedAs;
    EXPECT_EQ(read->arguments, "--setregion=KR");
  }
  EXPECT_FALSE(fileExists(desktop + "\\暴雪战网 国服"));
  EXPECT_FALSE(fileExists(desktop + "\\已有.LNK.lnk"));
}

TEST_F(ShortcutFile, SavingAgainReplacesTheFile) {
  const std::string name = folder_ / "暴雪战网 国服";
  ASSERT_TRUE(createShortcutFile(name, target_, "国服", "--setregion=CN", std::nullopt));
  ASSERT_TRUE(createShortcutFile(name, target_, "欧服", "--setregion=EU", std::nullopt));
  const std::optional<ReadBack> read = readShortcut(name + ".lnk");
  ASSERT_TRUE(read);
  EXPECT_EQ(read->description, "欧服");
  EXPECT_EQ(read->arguments, "--setregion=EU");
}

TEST_F(ShortcutFile, ATargetThatIsEmptyOrMissingIsSavedAllTheSame) {
  for (const std::string& target : {std::string(), folder_ / "missing\\Battle.net Launcher.exe"}) {
    const std::string name = folder_ / ("target " + std::to_string(target.size()));
    EXPECT_TRUE(createShortcutFile(name, target, "描述", "--setregion=US", std::nullopt)) << target;
    const std::optional<ReadBack> read = readShortcut(name + ".lnk");
    ASSERT_TRUE(read) << target;
    EXPECT_EQ(read->arguments, "--setregion=US");
  }
}

TEST_F(ShortcutFile, ASaveThatCantBeMadeGivesFalse) {
  // A missing folder, and a folder that holds the file's name (processes run as root under Wine,
  // so a read-only folder would not stop the write).
  ASSERT_TRUE(CreateDirectoryA((folder_ / "taken.lnk").c_str(), nullptr));
  for (const std::string& name : {folder_ / "missing\\暴雪战网 国服", folder_ / "taken"}) {
    EXPECT_FALSE(createShortcutFile(name, target_, "描述", "--setregion=CN", std::nullopt)) << name;
  }
  EXPECT_FALSE(folderExists(folder_ / "missing"));
  EXPECT_TRUE(folderExists(folder_ / "taken.lnk"));
}

TEST_F(ShortcutFile, WithoutOleOnTheThreadNothingIsWritten) {
  const std::string name = folder_ / "暴雪战网 国服";
  bool saved = true;
  std::thread([&] { saved = createShortcutFile(name, target_, "描述", "--setregion=CN", std::nullopt); }).join();
  EXPECT_FALSE(saved);
  EXPECT_FALSE(fileExists(name + ".lnk"));
}

}  // namespace
}  // namespace pelmora::win
