// The floor the program is measured against: the least a Win32 program with one window and one
// button can be. Built with the same compiler settings as the program.
//
// Built with FLOOR_STYLED, it also carries what the program must carry whatever its code does:
// the program's manifest (visually styled controls from Common Controls 6) and a Chinese caption
// (the font that can draw it). The benchmark reports that one separately, to show how much of the
// program's cost is its own.
#include <windows.h>

namespace {

#ifdef FLOOR_STYLED
constexpr char kButtonText[] = "以当前选择的服务器运行";
#else
constexpr char kButtonText[] = "OK";
#endif

LRESULT CALLBACK floorWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = floorWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "FloorWindow";
  if (!RegisterClassA(&windowClass)) return 1;

  HWND window = CreateWindowExA(0, "FloorWindow", "Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 507, 340, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  CreateWindowExA(0, "BUTTON", kButtonText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 174, 96, 152, 32, window, nullptr,
                  instance, nullptr);
  ShowWindow(window, SW_SHOW);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
