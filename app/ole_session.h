#pragma once

#include <windows.h>
#include <ole2.h>

namespace pelmora::app {

// OLE for the program's one thread, from start-up to shut-down; the shell-link object needs it.
// A failure is not reported: what needs OLE then fails on its own.
class OleSession {
 public:
  OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleSession() {
    if (initialized_) OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;

 private:
  bool initialized_;
};

}  // namespace pelmora::app
