// An elevated program that users start from their Downloads folder must never load a DLL that
// someone dropped beside it under the name of one that it loads by name. Pelmora is put into such
// a folder and used (the browse dialog, the shortcut command, the close), started from another
// folder, so that its start-up moves the current directory into the planted folder too.
//
// The planted names stand for the two ways in which Pelmora loads a DLL by name under Wine once
// the loader has handed the process to the exe: uxtheme.dll, which the system loads as the first
// window is made, and bcrypt.dll, which the crypto provider imports when the C runtime seeds the
// stack protector's guard, before WinMain (crypt32.dll goes the same way). Not planted, because no
// code of an exe can reach them: version.dll and zlib1.dll, which Wine's own system DLLs import,
// and imm32.dll, which Wine's user32 loads as it initialises, all before the exe's first
// instruction (on Windows these are KnownDLLs or not loaded at all); nor msimg32.dll, which Wine 8's
// uxtheme delay-loads through a search path that ignores SetDefaultDllDirectories.
//
// Wine takes its own builtin DLLs before any file unless told otherwise, so the program is told to
// prefer files of the planted names; the same program without its restriction shows that they
// then do load, so that a pass means something.

#include <iterator>
#include <map>
#include <string>

#include <gmock/gmock.h>
#include <shlobj.h>

#include "tests/dll_planting/program_driver.h"
#include "tests/win/test_support.h"
#include "win/unique_resource.h"

namespace pelmora::planting {
namespace {

using ::testing::IsEmpty;
using win::testing::TempFolder;
using win::testing::builtProgram;
using win::testing::fileExists;
using win::testing::readFile;

const char* const kPlantedNames[] = {"uxtheme", "bcrypt"};

// Wine takes its builtin DLL over a file unless told otherwise, per DLL name and, here, per exe
// name: programs named Pelmora.exe look for files of the planted names first while this lives.
class PreferPlantedFilesInPelmora {
 public:
  PreferPlantedFilesInPelmora() {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const win::UniqueRegistryKey owned(key);
    for (const char* name : kPlantedNames) {
      EXPECT_EQ(RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(kFileFirst), sizeof kFileFirst),
                ERROR_SUCCESS);
    }
  }
  ~PreferPlantedFilesInPelmora() { RegDeleteTreeA(HKEY_CURRENT_USER, kKey); }
  PreferPlantedFilesInPelmora(const PreferPlantedFilesInPelmora&) = delete;
  PreferPlantedFilesInPelmora& operator=(const PreferPlantedFilesInPelmora&) = delete;

 private:
  static constexpr char kKey[] = "Software\\Wine\\AppDefaults\\Pelmora.exe\\DllOverrides";
  static constexpr char kFileFirst[] = "native,builtin";
};

// A folder like a Downloads folder: the program under the name it is downloaded as (the name that
// Wine's per-program setting above goes by), and beside it the planted DLL under each name.
class PlantedFolder {
 public:
  explicit PlantedFolder(const std::string& builtExe) : exe_(folder_ / "Pelmora.exe") {
    EXPECT_TRUE(CopyFileA(builtProgram(builtExe).c_str(), exe_.c_str(), TRUE)) << builtExe;
    for (const char* name : kPlantedNames) {
      EXPECT_TRUE(CopyFileA(builtProgram("planted_dll.dll").c_str(), dllPath(name).c_str(), TRUE)) << name;
    }
  }
  const std::string& exe() const { return exe_; }

  // What the planted DLLs wrote down when they were loaded: for each one loaded, by which exes.
  std::map<std::string, std::string> loadRecords() const {
    std::map<std::string, std::string> records;
    for (const char* name : kPlantedNames) {
      const std::string record = dllPath(name) + ".loaded";
      if (fileExists(record)) records[name] = readFile(record);
    }
    return records;
  }

 private:
  std::string dllPath(const char* name) const { return folder_ / (std::string(name) + ".dll"); }

  TempFolder folder_;
  std::string exe_;
};

class PlantedDllTest : public ::testing::Test {
 protected:
  // Starts the program from another folder and uses it as a user would: the browse dialog,
  // cancelled; the shortcut command for the first region; the close box.
  void useProgram(const PlantedFolder& planted) {
    const auto program = ProgramDriver::start(planted.exe(), elsewhere_.path());
    ASSERT_TRUE(program) << "the window did not show";
    EXPECT_TRUE(program->browseAndCancel());
    EXPECT_TRUE(program->makeShortcut());
    EXPECT_TRUE(program->close());
  }

  ~PlantedDllTest() override {
    // The shortcut that the command put on the desktop, named after the first region.
    char desktop[MAX_PATH] = {};
    if (SHGetSpecialFolderPathA(nullptr, desktop, CSIDL_DESKTOPDIRECTORY, FALSE)) {
      DeleteFileA((std::string(desktop) + "\\暴雪战网 国服.lnk").c_str());
    }
  }

  PreferPlantedFilesInPelmora preferPlanted_;
  TempFolder elsewhere_;
};

TEST_F(PlantedDllTest, WithoutItsRestrictionTheProgramLoadsEveryPlantedDllAsItStarts) {
  const PlantedFolder planted("unprotected_pelmora.exe");
  // A planted DLL refuses to stay, which leaves this program's windows without their theme and its
  // dialogs broken: only its start is looked at.
  const auto program = ProgramDriver::start(planted.exe(), elsewhere_.path());
  ASSERT_TRUE(program) << "the window did not show";
  EXPECT_EQ(planted.loadRecords().size(), std::size(kPlantedNames))
      << "a name that the program does not take from its folder proves nothing below";
}

TEST_F(PlantedDllTest, PelmoraLoadsNoneFromStartToClose) {
  const PlantedFolder planted("Pelmora.exe");
  ASSERT_NO_FATAL_FAILURE(useProgram(planted));
  EXPECT_THAT(planted.loadRecords(), IsEmpty());
}

}  // namespace
}  // namespace pelmora::planting
