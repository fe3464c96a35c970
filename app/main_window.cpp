#include "app/main_window.h"

#include <vector>

#include "core/handlers.h"
#include "core/region_catalogue.h"

namespace pelmora::app {
namespace {

constexpr char kCaption[] = "Pelmora 作者：Dusketh";
constexpr int kOuterWidth = 507;
constexpr int kOuterHeight = 340;
// A fixed frame with a caption: it can be minimised and moved, but not maximised or resized.
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

constexpr DWORD kButtonStyle =
    WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE;
constexpr DWORD kListStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL;

// Child-window identifiers, in the order of creation.
enum ControlId : int {
  kId透明标签1 = 1001,
  kId组合框1,
  kId按钮1,
  kId按钮2,
  kId战网位置,
  kId按钮3,
  kId透明标签2,
};

// The height of a drop-down list includes its dropped part, which needs room.
constexpr int dropDownHeight(int laidOutHeight) {
  return laidOutHeight < 160 ? 160 : laidOutHeight;
}

RECT place(int x, int y, int width, int height) {
  return RECT{x, y, x + width, y + height};
}

// Centred on the primary screen; each division truncates toward zero.
POINT centredPosition() {
  return POINT{(GetSystemMetrics(SM_CXSCREEN) - kOuterWidth) / 2, (GetSystemMetrics(SM_CYSCREEN) - kOuterHeight) / 2};
}

HFONT guiFont() {
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HWND createChild(HINSTANCE instance, HWND parent, const char* windowClass, const char* text, DWORD style,
                 const RECT& rect, int id) {
  const HWND child = CreateWindowExA(0, windowClass, text, style, rect.left, rect.top, rect.right - rect.left,
                                     rect.bottom - rect.top, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), TRUE);
  return child;
}

CreationFailure failureOf(const char* windowName, const char* windowClass) {
  return CreationFailure{windowName, windowClass, GetLastError()};
}

bool registerMainWindowClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXA existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExA(instance, MainWindow::className, &existing)) return true;

  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // The window paints its own background.
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  windowClass.lpszClassName = MainWindow::className;
  return RegisterClassExA(&windowClass) != 0;
}

// Every visible window below parent, depth first, each child before its parent.
void collectVisibleDescendants(HWND parent, std::vector<HWND>& found) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    collectVisibleDescendants(child, found);
    found.push_back(child);
  }
}

bool isPressed(int virtualKey) {
  return GetKeyState(virtualKey) < 0;
}

}  // namespace

std::optional<CreationFailure> MainWindow::create(HINSTANCE instance, HICON bigIcon, HICON smallIcon,
                                                  Operations& operations) {
  if (!registerMainWindowClass(instance, &MainWindow::windowProc)) return failureOf("MainWindow", className);
  const POINT position = centredPosition();
  CreateWindowExA(0, className, kCaption, kWindowStyle, position.x, position.y, kOuterWidth, kOuterHeight, nullptr,
                  nullptr, instance, this);
  if (!exists()) return failureOf("MainWindow", className);

  RECT outer;
  GetWindowRect(handle(), &outer);
  if (outer.right - outer.left != kOuterWidth || outer.bottom - outer.top != kOuterHeight) {
    MoveWindow(handle(), position.x, position.y, kOuterWidth, kOuterHeight, TRUE);
  }
  SendMessageA(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon));
  SendMessageA(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
  SendMessageA(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(guiFont()), TRUE);

  if (auto failure = createControls(instance)) return failure;
  stackControls();
  for (const HWND control : {透明标签1.handle(), 组合框1, 按钮1, 按钮2, 战网位置.handle(), 按钮3, 透明标签2.handle()}) {
    ShowWindow(control, SW_SHOWNA);
  }

  // Still hidden: the label's design-time text never reaches the screen.
  operations_ = &operations;
  onMainWindowCreated(operations);
  ShowWindow(handle(), SW_SHOW);
  return std::nullopt;
}

std::optional<CreationFailure> MainWindow::createControls(HINSTANCE instance) {
  const HWND parent = handle();
  if (!透明标签1.create(instance, parent, kId透明标签1, place(138, 16, 224, 24),
                        "选择你想要切换的服务器，然后继续下一步")) {
    return failureOf("透明标签1", TransLabel::className);
  }

  组合框1 = createChild(instance, parent, "COMBOBOX", "", kListStyle,
                        place(194, 56, 112, dropDownHeight(20)), kId组合框1);
  if (!组合框1) return failureOf("组合框1", "COMBOBOX");
  const LRESULT itemHeight = SendMessageA(组合框1, CB_GETITEMHEIGHT, 0, 0);
  SendMessageA(组合框1, CB_SETITEMHEIGHT, 0, itemHeight + 1);
  SendMessageA(组合框1, CB_LIMITTEXT, 0, 0);
  for (const ServerRegion& region : RegionCatalogue::rows()) {
    SendMessageA(组合框1, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(region.listText));
  }
  SendMessageA(组合框1, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);

  按钮1 = createChild(instance, parent, "BUTTON", "以当前选择的服务器运行", kButtonStyle, place(174, 96, 152, 32), kId按钮1);
  if (!按钮1) return failureOf("按钮1", "BUTTON");
  按钮2 = createChild(instance, parent, "BUTTON", "在桌面生成选择的快捷方式", kButtonStyle, place(174, 144, 152, 32),
                      kId按钮2);
  if (!按钮2) return failureOf("按钮2", "BUTTON");
  if (!战网位置.create(instance, parent, kId战网位置, place(78, 196, 344, 24), "透明标签")) {
    return failureOf("战网位置", TransLabel::className);
  }
  按钮3 = createChild(instance, parent, "BUTTON", "我们错过了？告诉我们", kButtonStyle, place(174, 232, 152, 32), kId按钮3);
  if (!按钮3) return failureOf("按钮3", "BUTTON");
  if (!透明标签2.create(instance, parent, kId透明标签2, place(22, 272, 456, 32),
                        "承诺：本程序无任何恶意代码和修改程序及内存动作，请放心使用")) {
    return failureOf("透明标签2", TransLabel::className);
  }
  return std::nullopt;
}

// Top to bottom. No two controls overlap, but the transparent labels paint in this order.
void MainWindow::stackControls() {
  HWND above = HWND_TOP;
  for (const HWND control : {透明标签2.handle(), 按钮3, 按钮2, 按钮1, 战网位置.handle(), 透明标签1.handle(), 组合框1}) {
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
}

void MainWindow::destroy() {
  operations_ = nullptr;
  window_.reset();
}

std::int32_t MainWindow::selectedRegionIndex() const {
  return static_cast<std::int32_t>(SendMessageA(组合框1, CB_GETCURSEL, 0, 0));
}

void MainWindow::setLocationText(const std::string& text) {
  战网位置.setText(text);
  repaintUnder(战网位置.handle());
}

// The label has no background: the old text is gone only once the window under it has painted
// over it, and then everything that shows in that place must paint again on top, bottom first.
void MainWindow::repaintUnder(HWND label) {
  RECT area;
  GetWindowRect(label, &area);
  const HWND top = GetAncestor(label, GA_ROOT);

  RECT inTop = area;
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&inTop), 2);
  InvalidateRect(top, &inTop, TRUE);
  UpdateWindow(top);

  std::vector<HWND> descendants;
  collectVisibleDescendants(top, descendants);
  for (auto it = descendants.rbegin(); it != descendants.rend(); ++it) {
    RECT bounds;
    RECT overlap;
    GetWindowRect(*it, &bounds);
    if (!IntersectRect(&overlap, &area, &bounds)) continue;
    MapWindowPoints(HWND_DESKTOP, *it, reinterpret_cast<POINT*>(&overlap), 2);
    RedrawWindow(*it, &overlap, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ERASENOW | RDW_UPDATENOW);
  }
  InvalidateRect(label, nullptr, FALSE);
}

bool MainWindow::isOwnKeyboardTarget(HWND target) const {
  if (!exists() || !target) return false;
  if (target == handle() || IsChild(handle(), target)) return true;
  // The dropped-down part of the region list is a pop-up window of its own.
  COMBOBOXINFO list{};
  list.cbSize = sizeof list;
  return GetComboBoxInfo(组合框1, &list) && target == list.hwndList;
}

bool MainWindow::handleKeyBeforeTranslation(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  if (!isOwnKeyboardTarget(message.hwnd)) return false;
  const bool ctrl = isPressed(VK_CONTROL);
  const bool shift = isPressed(VK_SHIFT);
  const bool alt = isPressed(VK_MENU);
  switch (message.wParam) {
    case VK_TAB:
      if (ctrl || alt) return false;
      moveFocus(!shift);
      return true;
    case VK_ESCAPE:
      if (ctrl || shift || alt) return false;
      // Exactly what the close box does; also while the list is dropped down.
      SendMessageA(handle(), WM_CLOSE, 0, 0);
      return true;
    default:
      // Enter too: no button is a default button, so the focused control gets it.
      return false;
  }
}

void MainWindow::moveFocus(bool forward) {
  const auto order = focusOrder();
  const int count = static_cast<int>(order.size());
  const HWND focus = GetFocus();
  int current = -1;
  for (int i = 0; i < count; ++i) {
    if (order[i] == focus || IsChild(order[i], focus)) current = i;
  }
  if (current < 0) current = forward ? -1 : count;
  for (int step = 1; step <= count; ++step) {
    const int next = ((forward ? current + step : current - step) % count + count) % count;
    const HWND candidate = order[next];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      SetFocus(candidate);
      return;
    }
  }
}

LRESULT CALLBACK MainWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<MainWindow*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    created->window_.reset(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* window = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcA(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Destroyed, by us or by a close: nothing is left to own.
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    window->window_.release();
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return window->handleMessage(message, wParam, lParam);
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      onEraseBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLOREDIT: {
      // Only the region list asks: black on white.
      const HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, RGB(0, 0, 0));
      SetBkColor(dc, RGB(255, 255, 255));
      return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    }
    case WM_ACTIVATE:
      onActivate(wParam);
      break;  // the default sets the focus to the window, which hands it on
    case WM_SETFOCUS:
      onSetFocus();
      return 0;
    case WM_DESTROY:
      onDestroy();
      return 0;
  }
  return DefWindowProcA(handle(), message, wParam, lParam);
}

void MainWindow::onEraseBackground(HDC dc) {
  RECT client;
  GetClientRect(handle(), &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void MainWindow::onCommand(int controlId, int notification) {
  if (notification != BN_CLICKED || !operations_) return;
  switch (controlId) {
    case kId按钮1:
      onRunWithSelectedServer(*operations_);
      break;
    case kId按钮2:
      onCreateDesktopShortcut(*operations_);
      break;
    case kId按钮3:
      onLocateLauncher(*operations_);
      break;
  }
}

void MainWindow::onActivate(WPARAM state) {
  if (LOWORD(state) != WA_INACTIVE) return;
  const HWND focus = GetFocus();
  if (focus && IsChild(handle(), focus)) focusWhenDeactivated_ = focus;
}

// The window itself takes no keys: it hands the focus to a control.
void MainWindow::onSetFocus() {
  if (focusWhenDeactivated_ && IsWindow(focusWhenDeactivated_) && IsChild(handle(), focusWhenDeactivated_)) {
    SetFocus(focusWhenDeactivated_);
    return;
  }
  for (const HWND control : focusOrder()) {
    if (IsWindowVisible(control) && IsWindowEnabled(control)) {
      SetFocus(control);
      return;
    }
  }
}

void MainWindow::onDestroy() {
  operations_ = nullptr;
  if (quitWhenDestroyed_) PostQuitMessage(0);
}

}  // namespace pelmora::app
