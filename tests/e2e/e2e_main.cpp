#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

namespace {

class DriverSession : public ::testing::Environment {
 public:
  void SetUp() override {
    // The shell's link object reads shortcuts back.
    OleInitialize(nullptr);
    // Wine starts its desktop process along with the first window of a session; it would join
    // the job of the first program that asked, be counted among its processes and die with it.
    GetDesktopWindow();
  }
  void TearDown() override { OleUninitialize(); }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(new DriverSession);  // GoogleTest owns it
  return RUN_ALL_TESTS();
}
