#include "app/trans_label.h"

namespace pelmora::app {

bool TransLabel::registerClass(HINSTANCE instance) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, className, &existing)) return true;

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  windowClass.lpfnWndProc = &TransLabel::windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = className;
  return RegisterClassExA(&windowClass) != 0;
}

bool TransLabel::create(HINSTANCE instance, HWND parent, int id, const RECT& place, const std::string& text) {
  if (!registerClass(instance)) return false;
  text_ = text;
  return CreateWindowExA(WS_EX_TRANSPARENT, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS, place.left,
                         place.top, place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this) != nullptr;
}

void TransLabel::setText(const std::string& text) {
  SetWindowTextA(hwnd_, text.c_str());
}

LRESULT CALLBACK TransLabel::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<TransLabel*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* label = reinterpret_cast<TransLabel*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!label) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    label->hwnd_ = nullptr;
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return label->handleMessage(message, wParam, lParam);
}

LRESULT TransLabel::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT:
      // Whoever sets the text, the label keeps its bytes.
      text_ = lParam ? reinterpret_cast<const char*>(lParam) : "";
      break;
    case WM_PAINT:
      paint();
      return 0;
  }
  return DefWindowProcA(hwnd_, message, wParam, lParam);
}

void TransLabel::paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  if (!text_.empty()) {
    RECT client;
    GetClientRect(hwnd_, &client);
    const HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    // No clipping of our own and no ellipsis: what overflows is cut by the label's bounds.
    DrawTextA(dc, text_.data(), static_cast<int>(text_.size()), &client,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, oldFont);
  }
  EndPaint(hwnd_, &ps);
}

}  // namespace pelmora::app
