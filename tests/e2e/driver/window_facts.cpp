#include "tests/e2e/driver/window_facts.h"

#include "tests/e2e/driver/polling.h"

namespace pelmora::e2e {

void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "(" << rect.x << ", " << rect.y << ") " << rect.width << " x " << rect.height;
}

std::string className(HWND window) {
  std::string name(256, '\0');  // class names are at most 256 characters
  name.resize(static_cast<std::size_t>(GetClassNameA(window, name.data(), static_cast<int>(name.size()))));
  return name;
}

std::string windowText(HWND window) {
  std::string text(256, '\0');
  for (;;) {
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    if (static_cast<std::size_t>(length) + 1 < text.size()) {
      text.resize(static_cast<std::size_t>(length));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

DWORD windowStyle(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
}

DWORD windowExStyle(HWND window) {
  return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
}

DWORD classStyle(HWND window) {
  return static_cast<DWORD>(GetClassLongPtrA(window, GCL_STYLE));
}

HWND ownerOf(HWND window) {
  return GetWindow(window, GW_OWNER);
}

Rect screenRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Rect rectInClientOf(HWND window, HWND reference) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&r), 2);
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool contains(const Rect& outer, POINT point) {
  return point.x >= outer.x && point.x < outer.x + outer.width && point.y >= outer.y &&
         point.y < outer.y + outer.height;
}

std::vector<HWND> childrenTopToBottom(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

std::vector<HWND> topLevelWindowsOfThread(DWORD threadId) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      threadId,
      [](HWND window, LPARAM found) {
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::optional<LRESULT> sendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_BLOCK | SMTO_ABORTIFHUNG,
                           kPatienceMilliseconds, &result)) {
    return std::nullopt;
  }
  return static_cast<LRESULT>(result);
}

bool runningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

}  // namespace pelmora::e2e
