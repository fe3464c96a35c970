#include "tests/e2e/driver/message_box.h"

#include <utility>

#include "tests/e2e/driver/polling.h"
#include "tests/e2e/driver/screen_pixels.h"
#include "tests/e2e/driver/user_input.h"
#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;

HWND iconControlOf(HWND box) {
  for (const HWND child : childrenTopToBottom(box)) {
    if (className(child) == "Static" && (windowStyle(child) & SS_TYPEMASK) == SS_ICON) return child;
  }
  return nullptr;
}

// Wine hands no icon handle across processes, so the icon is told by its picture: the screen must
// show exactly one of the standard icons where the box shows its own.
BoxIcon recognisedIcon(HWND iconControl) {
  static const std::pair<LPCSTR, BoxIcon> kStandardIcons[] = {
      {IDI_HAND, BoxIcon::error},
      {IDI_QUESTION, BoxIcon::question},
      {IDI_EXCLAMATION, BoxIcon::exclamation},
      {IDI_ASTERISK, BoxIcon::information},
  };
  const Rect place = screenRect(iconControl);
  const Image shown = captureScreen(place);
  for (const auto& [iconId, icon] : kStandardIcons) {
    if (renderStandardIcon(iconId, place.width, place.height) == shown) return icon;
  }
  return BoxIcon::unrecognised;
}

}  // namespace

void PrintTo(BoxIcon icon, std::ostream* out) {
  static const char* const kNames[] = {"unrecognised", "error", "question", "exclamation", "information"};
  *out << kNames[static_cast<int>(icon)];
}

bool isMessageBox(HWND dialog) {
  return className(dialog) == "#32770" && GetDlgItem(dialog, kMessageTextId) != nullptr;
}

MessageBoxView readMessageBox(HWND box) {
  MessageBoxView view;
  view.title = windowText(box);
  view.text = windowText(GetDlgItem(box, kMessageTextId));
  view.owner = ownerOf(box);
  for (const HWND child : childrenTopToBottom(box)) {
    if (className(child) == "Button") view.buttons.push_back(GetDlgCtrlID(child));
  }
  if (const HWND iconControl = iconControlOf(box)) {
    waitUntil([&] { return (view.icon = recognisedIcon(iconControl)) != BoxIcon::unrecognised; });
  }
  return view;
}

bool pressMessageBoxButton(HWND box, int buttonId) {
  return clickCentreOf(GetDlgItem(box, buttonId));
}

}  // namespace pelmora::e2e
