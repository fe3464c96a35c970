#pragma once

#include <string>

#include <windows.h>

namespace pelmora::testing {

// While it lives, no window of the given class can be created on this thread: how a window that
// Windows refuses to create looks to the program.
class RefusedWindowClass {
 public:
  explicit RefusedWindowClass(std::string className) {
    refused_ = std::move(className);
    hook_ = SetWindowsHookExA(WH_CBT, &refuse, nullptr, GetCurrentThreadId());
  }
  ~RefusedWindowClass() { UnhookWindowsHookEx(hook_); }
  RefusedWindowClass(const RefusedWindowClass&) = delete;
  RefusedWindowClass& operator=(const RefusedWindowClass&) = delete;

 private:
  static LRESULT CALLBACK refuse(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
      const char* windowClass = reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
      if (!IS_INTRESOURCE(windowClass) && lstrcmpiA(windowClass, refused_.c_str()) == 0) return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  // A hook procedure gets no context of its own.
  static inline std::string refused_;
  HHOOK hook_;
};

}  // namespace pelmora::testing
