#pragma once

#include <string>

#include <windows.h>

namespace pelmora::app {

// A label with no background of its own: what lies under it in the parent shows through. It draws
// its text centred on one line in DEFAULT_GUI_FONT, black, and draws nothing when the text is empty.
// The text is kept as the bytes it was given (it is also the window text), so reading it back
// yields exactly what was set, even bytes that are no valid character of the code page.
class TransLabel {
 public:
  TransLabel() = default;
  TransLabel(const TransLabel&) = delete;
  TransLabel& operator=(const TransLabel&) = delete;

  // Creates the label hidden, as a child of parent. False when it can't be created.
  bool create(HINSTANCE instance, HWND parent, int id, const RECT& place, const std::string& text);

  HWND handle() const { return hwnd_; }
  const std::string& text() const { return text_; }
  // Takes the bytes up to the first zero, like every window text. Does not repaint.
  void setText(const std::string& text);

  static constexpr char className[] = "PelmoraTransLabel";

 private:
  static bool registerClass(HINSTANCE instance);  // once per process
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();

  HWND hwnd_ = nullptr;  // a child: the parent window destroys it
  std::string text_;
};

}  // namespace pelmora::app
