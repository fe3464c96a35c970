#pragma once
// What the screen shows, compared with what a window would show if it drew a given picture: the
// only way to see another process's icons and painted texts under Wine, which hands neither icon
// handles nor fonts across processes.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <windows.h>

#include "tests/e2e/driver/window_facts.h"

namespace pelmora::e2e {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top to bottom
  friend bool operator==(const Image&, const Image&) = default;
};

Image captureScreen(const Rect& area);
// A standard icon (IDI_QUESTION, ...) drawn at the top left over COLOR_BTNFACE.
Image renderStandardIcon(LPCSTR iconId, int width, int height);
// A text drawn as the program's labels draw theirs: DEFAULT_GUI_FONT, black, centred on one line
// (DT_CENTER, DT_VCENTER, DT_SINGLELINE, DT_NOCLIP), over the window's COLOR_BTNFACE.
Image renderLabelText(const std::string& text, int width, int height);
// An icon's own picture with its transparency: 0xAARRGGBB, rows top to bottom.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
};
// A group icon of an exe, loaded at that size as the program loads its own; nothing when missing.
std::optional<IconImage> loadIconOfExe(const std::string& exePath, const char* iconName, int size);
// Whether the area shows the icon at some place: each of its fully opaque pixels exactly (the
// others blend with whatever lies under them). False for an icon with no such pixel.
bool showsIcon(const Image& area, const IconImage& icon);

// Whether ink (anything but COLOR_BTNFACE) lies on exactly the same pixels of both, however dark.
bool sameInk(const Image& first, const Image& second);

}  // namespace pelmora::e2e
