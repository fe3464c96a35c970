#pragma once
// Stand-ins for the launcher, under its two image names.

#include <optional>
#include <string>
#include <vector>

#include "win/unique_resource.h"

namespace pelmora::e2e {

inline constexpr char kLauncherImageName[] = "Battle.net Launcher.exe";
inline constexpr char kClientImageName[] = "Battle.net.exe";

// Copies the recording stand-in into the folder under that image name; yields its path. Started,
// it writes down how it was started and ends.
std::string placeRecordingLauncher(const std::string& folder, const std::string& imageName = kLauncherImageName);

struct LaunchRecord {
  std::string currentDirectory;
  std::vector<std::string> arguments;  // after the program's own name
};
// What the recording stand-in at that path wrote down; nothing when it has not been started.
std::optional<LaunchRecord> readLaunchRecord(const std::string& launcherPath);
// The same, waiting for it to be written.
std::optional<LaunchRecord> waitForLaunchRecord(const std::string& launcherPath);

// Launcher processes that run before the program starts: the staying stand-in, copied under an
// image name and started by the test. Whatever still runs when the test ends is ended with it.
class RunningLaunchers {
 public:
  RunningLaunchers();
  ~RunningLaunchers();
  RunningLaunchers(const RunningLaunchers&) = delete;
  RunningLaunchers& operator=(const RunningLaunchers&) = delete;

  // One more process of that image name, from that folder.
  bool start(const std::string& folder, const std::string& imageName);
  bool allRunning() const;
  bool waitUntilAllEnded() const;
  // Of those that have ended; one for each.
  std::vector<unsigned long> exitCodes() const;

 private:
  win::UniqueHandle job_;
  std::vector<win::UniqueHandle> processes_;
};

}  // namespace pelmora::e2e
