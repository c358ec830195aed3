#include "ScreenPixels.h"

#include "ui/Handles.h"

namespace velmora::testing {

namespace {

// Reads a 32-bit top-down copy of `bitmap` into RGB colours.
std::vector<COLORREF> ReadColours(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<RGBQUAD> quads(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (quads.empty() ||
      !GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), quads.data(), &info, DIB_RGB_COLORS)) {
    return {};
  }
  std::vector<COLORREF> colours;
  colours.reserve(quads.size());
  for (const RGBQUAD& quad : quads)
    colours.push_back(RGB(quad.rgbRed, quad.rgbGreen, quad.rgbBlue));
  return colours;
}

}  // namespace

Pixels Pixels::OfWindow(HWND window) {
  Pixels pixels;
  RECT client{};
  if (!GetClientRect(window, &client) || client.right <= 0 || client.bottom <= 0)
    return pixels;
  // Read from the screen itself: a window of another process draws on a surface of its own,
  // which its DC here does not reach.
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const ui::WindowDcScope screen(nullptr);
  const ui::UniqueMemoryDc copy(CreateCompatibleDC(screen.Dc()));
  const ui::UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Dc(), client.right, client.bottom));
  {
    const ui::SelectScope select(copy.Get(), bitmap.Get());
    BitBlt(copy.Get(), 0, 0, client.right, client.bottom, screen.Dc(), origin.x, origin.y, SRCCOPY);
  }
  pixels.colours_ = ReadColours(copy.Get(), bitmap.Get(), client.right, client.bottom);
  if (!pixels.colours_.empty()) {
    pixels.width_ = client.right;
    pixels.height_ = client.bottom;
  }
  return pixels;
}

Pixels Pixels::OfBitmap(HBITMAP bitmap, int width, int index) {
  Pixels whole;
  BITMAP info{};
  if (!GetObjectA(bitmap, sizeof(info), &info))
    return whole;
  const ui::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  whole.colours_ = ReadColours(dc.Get(), bitmap, info.bmWidth, info.bmHeight);
  if (whole.colours_.empty())
    return whole;
  whole.width_ = info.bmWidth;
  whole.height_ = info.bmHeight;
  if (width <= 0)
    return whole;
  Pixels part;
  part.width_ = width;
  part.height_ = whole.height_;
  for (int y = 0; y < part.height_; ++y) {
    for (int x = 0; x < width; ++x)
      part.colours_.push_back(whole.At(index * width + x, y));
  }
  return part;
}

bool Shows(const Pixels& screen, const Pixels& picture) {
  if (picture.Width() == 0 || picture.Height() == 0)
    return false;
  const COLORREF transparent = picture.At(0, picture.Height() - 1);
  for (int top = 0; top + picture.Height() <= screen.Height(); ++top) {
    for (int left = 0; left + picture.Width() <= screen.Width(); ++left) {
      bool same = true;
      for (int y = 0; y < picture.Height() && same; ++y) {
        for (int x = 0; x < picture.Width() && same; ++x) {
          const COLORREF colour = picture.At(x, y);
          same = colour == transparent || colour == screen.At(left + x, top + y);
        }
      }
      if (same)
        return true;
    }
  }
  return false;
}

}  // namespace velmora::testing
