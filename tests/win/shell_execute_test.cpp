// shellExecute starts a real program through the shell: a helper that writes down the show
// command, the current directory and the arguments it was started with.
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include "tests/win/test_support.h"
#include "win/shell_execute.h"

namespace pelmora::win {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::TempFolder;
using testing::waitUntil;

struct Record {
  int showCommand = -1;
  std::string directory;
  std::vector<std::string> arguments;
};

class ShellExecute : public ::testing::Test {
 protected:
  void SetUp() override {
    // A folder with a space and two-byte characters, so that the shell has to quote the file.
    ASSERT_TRUE(CreateDirectoryA((folder_ / "战网 客户端").c_str(), nullptr));
    launcher_ = folder_ / "战网 客户端\\Battle.net Launcher.exe";
    ASSERT_TRUE(CopyFileA(testing::builtProgram("record_helper.exe").c_str(), launcher_.c_str(), FALSE));
  }

  // What the started helper wrote down; nothing when it did not write within the time.
  std::optional<Record> startedWith() {
    const std::string file = launcher_ + ".record";
    // The record appears whole, by a rename; but Wine renames through an open handle, so for a
    // moment the file is there and can't be read yet.
    std::string content;
    if (!waitUntil([&] { return !(content = testing::readFile(file)).empty(); })) return std::nullopt;
    // Gone before the next start, or the next case would read this record.
    EXPECT_TRUE(waitUntil([&] { return DeleteFileA(file.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND; }));
    std::istringstream lines(content);
    Record record;
    std::string line;
    std::getline(lines, line);
    record.showCommand = std::stoi(line);
    std::getline(lines, record.directory);
    while (std::getline(lines, line)) record.arguments.push_back(line);
    return record;
  }

  std::string currentDirectory() {
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    return directory;
  }

  TempFolder folder_;
  std::string launcher_;
};

TEST_F(ShellExecute, StartsTheLauncherWithExactlyTheSwitch) {
  // The program's own call: default verb, the switch, directory and show mode left out.
  ASSERT_TRUE(shellExecute(std::nullopt, launcher_, "--setregion=CN", std::nullopt, std::nullopt));
  const std::optional<Record> record = startedWith();
  ASSERT_TRUE(record);
  EXPECT_THAT(record->arguments, ElementsAre("--setregion=CN"));
  // A left-out directory is the empty text: the launcher starts in this process's directory.
  EXPECT_EQ(record->directory, currentDirectory());
  EXPECT_EQ(record->showCommand, SW_SHOWNORMAL);
}

TEST_F(ShellExecute, ParametersAndDirectoryAreHandedOnAsGiven) {
  ASSERT_TRUE(shellExecute(std::nullopt, launcher_, std::nullopt, folder_.path(), std::nullopt));
  std::optional<Record> record = startedWith();
  ASSERT_TRUE(record);
  EXPECT_THAT(record->arguments, IsEmpty());
  EXPECT_EQ(record->directory, folder_.path());

  ASSERT_TRUE(shellExecute(std::nullopt, launcher_, "--a \"b c\" 国服", std::nullopt, std::nullopt));
  record = startedWith();
  ASSERT_TRUE(record);
  EXPECT_THAT(record->arguments, ElementsAre("--a", "b c", "国服"));
}

TEST_F(ShellExecute, ShowModeCodesBecomeShowCommands) {
  struct Case {
    std::optional<std::int32_t> code;
    int showCommand;
  };
  const Case cases[] = {
      {std::nullopt, SW_SHOWNORMAL}, {1, SW_HIDE},    {2, SW_SHOWNORMAL}, {3, SW_SHOWMINIMIZED},
      {4, SW_SHOWMAXIMIZED},         {5, SW_SHOWNA},  {6, SW_MINIMIZE},   {0, SW_SHOWNORMAL},
      {7, SW_SHOWNORMAL},            {-1, SW_SHOWNORMAL},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code ? std::to_string(*c.code) : "left out");
    ASSERT_TRUE(shellExecute(std::nullopt, launcher_, "--setregion=US", std::nullopt, c.code));
    const std::optional<Record> record = startedWith();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->showCommand, c.showCommand);
  }
}

// A file type of the test's own whose every action starts the helper with the action's name, so
// that the helper's record tells which verb the shell was given. (A program can't show it: Wine
// starts a program whatever the verb.)
class DocumentType {
 public:
  explicit DocumentType(const std::string& helper) : extension_("." + std::to_string(GetCurrentProcessId()) + "-pelmora") {
    const std::string type = "PelmoraTest" + extension_;
    set(extension_, type);
    for (const char* verb : {"edit", "explore", "find", "open", "print"}) {
      set(type + "\\shell\\" + verb + "\\command", "\"" + helper + "\" " + verb + " \"%1\"");
    }
    keys_ = {extension_, type};
  }
  ~DocumentType() {
    for (const std::string& key : keys_) RegDeleteTreeA(HKEY_CLASSES_ROOT, key.c_str());
  }
  const std::string& extension() const { return extension_; }

 private:
  static void set(const std::string& key, const std::string& value) {
    EXPECT_EQ(RegSetValueA(HKEY_CLASSES_ROOT, key.c_str(), REG_SZ, value.c_str(), static_cast<DWORD>(value.size())),
              ERROR_SUCCESS)
        << key;
  }
  std::string extension_;
  std::vector<std::string> keys_;
};

TEST_F(ShellExecute, VerbCodesPickTheAction) {
  const DocumentType documentType(launcher_);
  const std::string document = folder_ / ("文档" + documentType.extension());
  ASSERT_TRUE(CloseHandle(CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr)));
  struct Case {
    std::optional<std::int32_t> code;
    std::string verb;
  };
  const Case cases[] = {
      {std::nullopt, "open"}, {1, "edit"}, {2, "explore"}, {3, "find"}, {4, "open"},
      {5, "print"},           {0, "open"}, {6, "open"},    {-1, "open"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code ? std::to_string(*c.code) : "left out");
    EXPECT_TRUE(shellExecute(c.code, document, std::nullopt, std::nullopt, std::nullopt));
    const std::optional<Record> record = startedWith();
    ASSERT_TRUE(record);
    EXPECT_THAT(record->arguments, ElementsAre(c.verb, document));
  }
}

TEST_F(ShellExecute, AFileThatIsNotThereIsReportedAsNotStarted) {
  EXPECT_FALSE(shellExecute(std::nullopt, folder_ / "missing\\Battle.net Launcher.exe", "--setregion=CN",
                            std::nullopt, std::nullopt));
  EXPECT_FALSE(shellExecute(std::nullopt, folder_ / "战网 客户端\\Battle.net.exe", "--setregion=CN", std::nullopt,
                            std::nullopt));
}

}  // namespace
}  // namespace pelmora::win
