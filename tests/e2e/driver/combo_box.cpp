#include "tests/e2e/driver/combo_box.h"

#include "tests/e2e/driver/ansi_text.h"
#include "tests/e2e/driver/owners.h"

namespace pelmora::e2e {

std::vector<std::string> comboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = sendBounded(combo, CB_GETCOUNT).value_or(0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = sendBounded(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i)).value_or(CB_ERR);
    if (length < 0) break;
    // The wide form: Wine hands the ANSI form's text across processes as UTF-16 bytes.
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied =
        sendBounded(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data())).value_or(0);
    text.resize(static_cast<std::size_t>(copied < 0 ? 0 : copied));
    items.push_back(ansiFromWide(text));
  }
  return items;
}

std::optional<int> comboSelection(HWND combo) {
  const auto selection = sendBounded(combo, CB_GETCURSEL);
  if (!selection) return std::nullopt;
  return static_cast<int>(*selection);
}

bool comboIsDroppedDown(HWND combo) {
  return sendBounded(combo, CB_GETDROPPEDSTATE).value_or(FALSE) != FALSE;
}

Rect comboDroppedRect(HWND combo) {
  RECT r{};
  sendBounded(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
  return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::optional<int> comboItemHeight(HWND combo) {
  const auto height = sendBounded(combo, CB_GETITEMHEIGHT, 0);
  if (!height) return std::nullopt;
  return static_cast<int>(*height);
}

ComboMeasures measureFreshCombo(DWORD style, int width, int height) {
  const win::UniqueWindow reference(CreateWindowExA(0, "COMBOBOX", "", style & ~WS_VISIBLE, 0, 0, width, height,
                                               HWND_MESSAGE, nullptr, GetModuleHandleA(nullptr), nullptr));
  SendMessageA(reference.get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  RECT dropped{};
  SendMessageA(reference.get(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
  return ComboMeasures{static_cast<int>(SendMessageA(reference.get(), CB_GETITEMHEIGHT, 0, 0)),
                       static_cast<int>(dropped.bottom - dropped.top)};
}

HWND comboDroppedList(HWND combo) {
  for (const HWND window : topLevelWindowsOfThread(GetWindowThreadProcessId(combo, nullptr))) {
    if (className(window) == "ComboLBox") return window;
  }
  return nullptr;
}

}  // namespace pelmora::e2e
