#include "tests/e2e/driver/screen_pixels.h"

#include <functional>

#include "tests/e2e/driver/owners.h"

namespace pelmora::e2e {
namespace {

// 32 bits per pixel, the top row first.
BITMAPINFO topDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// Draws into a 32-bit top-down bitmap of our own and hands back its pixels.
Image drawImage(int width, int height, const std::function<void(HDC)>& draw) {
  const UniqueScreenDc screen(GetDC(nullptr));
  const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
  BITMAPINFO info = topDownBitmapInfo(width, height);
  void* bits = nullptr;
  const UniqueGdiObject bitmap(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return Image{};
  const HGDIOBJ previous = SelectObject(memory.get(), bitmap.get());
  draw(memory.get());
  GdiFlush();
  SelectObject(memory.get(), previous);

  Image image{width, height, {}};
  const auto* first = static_cast<const std::uint32_t*>(bits);
  image.pixels.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < static_cast<std::size_t>(width) * static_cast<std::size_t>(height); ++i) {
    image.pixels.push_back(first[i] & 0x00FFFFFFu);
  }
  return image;
}

void fillWithButtonFace(HDC dc, int width, int height) {
  const RECT all{0, 0, width, height};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace

Image captureScreen(const Rect& area) {
  return drawImage(area.width, area.height, [&](HDC dc) {
    const UniqueScreenDc screen(GetDC(nullptr));
    BitBlt(dc, 0, 0, area.width, area.height, screen.get(), area.x, area.y, SRCCOPY);
  });
}

Image renderStandardIcon(LPCSTR iconId, int width, int height) {
  return drawImage(width, height, [&](HDC dc) {
    fillWithButtonFace(dc, width, height);
    DrawIconEx(dc, 0, 0, LoadIconA(nullptr, iconId), 0, 0, 0, nullptr, DI_NORMAL);
  });
}

Image renderLabelText(const std::string& text, int width, int height) {
  return drawImage(width, height, [&](HDC dc) {
    fillWithButtonFace(dc, width, height);
    if (text.empty()) return;
    const HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    RECT all{0, 0, width, height};
    DrawTextA(dc, text.data(), static_cast<int>(text.size()), &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
    SelectObject(dc, previous);
  });
}

std::optional<IconImage> loadIconOfExe(const std::string& exePath, const char* iconName, int size) {
  const UniqueLibrary exe(
      LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!exe) return std::nullopt;
  const win::UniqueIcon icon(
      static_cast<HICON>(LoadImageA(exe.get(), iconName, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
  ICONINFO parts{};
  if (!icon || !GetIconInfo(icon.get(), &parts)) return std::nullopt;
  const UniqueGdiObject color(parts.hbmColor);
  const UniqueGdiObject mask(parts.hbmMask);
  if (!color) return std::nullopt;

  BITMAPINFO info = topDownBitmapInfo(size, size);
  IconImage image{size, size, std::vector<std::uint32_t>(static_cast<std::size_t>(size) * size)};
  const UniqueScreenDc screen(GetDC(nullptr));
  if (GetDIBits(screen.get(), static_cast<HBITMAP>(color.get()), 0, static_cast<UINT>(size), image.pixels.data(),
                &info, DIB_RGB_COLORS) != size) {
    return std::nullopt;
  }
  return image;
}

bool showsIcon(const Image& area, const IconImage& icon) {
  std::vector<std::size_t> opaque;
  for (std::size_t i = 0; i < icon.pixels.size(); ++i) {
    if (icon.pixels[i] >> 24 == 0xFF) opaque.push_back(i);
  }
  if (opaque.empty()) return false;
  for (int top = 0; top + icon.height <= area.height; ++top) {
    for (int left = 0; left + icon.width <= area.width; ++left) {
      bool all = true;
      for (std::size_t i = 0; i < opaque.size() && all; ++i) {
        const int x = left + static_cast<int>(opaque[i] % static_cast<std::size_t>(icon.width));
        const int y = top + static_cast<int>(opaque[i] / static_cast<std::size_t>(icon.width));
        all = area.pixels[static_cast<std::size_t>(y) * area.width + x] == (icon.pixels[opaque[i]] & 0x00FFFFFFu);
      }
      if (all) return true;
    }
  }
  return false;
}

bool sameInk(const Image& first, const Image& second) {
  if (first.width != second.width || first.height != second.height) return false;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const std::uint32_t background = static_cast<std::uint32_t>(GetRValue(face)) << 16 |
                                   static_cast<std::uint32_t>(GetGValue(face)) << 8 | GetBValue(face);
  for (std::size_t i = 0; i < first.pixels.size(); ++i) {
    if ((first.pixels[i] == background) != (second.pixels[i] == background)) return false;
  }
  return true;
}

}  // namespace pelmora::e2e
