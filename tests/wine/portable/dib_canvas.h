#pragma once
// A 32-bit top-down DIB section selected into a memory DC, whose pixels a test reads.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "shared/win/handles_win.h"

namespace qbp::test {

class DibCanvas {
 public:
  DibCanvas(int32_t width, int32_t height)
      : width_(width), height_(height), dc_(::CreateCompatibleDC(nullptr)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    bits_ = static_cast<uint32_t*>(bits);
    selection_ = ::SelectObject(dc_.get(), bitmap_.get());
  }
  ~DibCanvas() {
    if (selection_) ::SelectObject(dc_.get(), selection_);
  }
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  bool ok() const { return dc_ && bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  HBITMAP bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }

  void Fill(COLORREF color) {
    ::GdiFlush();
    for (int32_t i = 0; i < width_ * height_; ++i) bits_[i] = ToPixel(color);
  }
  void Set(int32_t x, int32_t y, COLORREF color) {
    ::GdiFlush();
    bits_[y * width_ + x] = ToPixel(color);
  }
  COLORREF At(int32_t x, int32_t y) const {
    ::GdiFlush();
    const uint32_t p = bits_[y * width_ + x] & 0xFFFFFF;  // 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

 private:
  static uint32_t ToPixel(COLORREF c) {
    return (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
  }

  int32_t width_;
  int32_t height_;
  qb::win::MemoryDc dc_;
  qb::win::GdiObject bitmap_;
  uint32_t* bits_ = nullptr;
  HGDIOBJ selection_ = nullptr;
};

// A picture as the bar takes it: a bitmap selected into no DC, each pixel from `color`.
inline qb::win::GdiObject MakePicture(int32_t width, int32_t height,
                                      const std::function<COLORREF(int32_t, int32_t)>& color) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  qb::win::GdiObject bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return qb::win::GdiObject();
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int32_t y = 0; y < height; ++y) {
    for (int32_t x = 0; x < width; ++x) {
      const COLORREF c = color(x, y);
      pixels[y * width + x] =
          (uint32_t{GetRValue(c)} << 16) | (uint32_t{GetGValue(c)} << 8) | GetBValue(c);
    }
  }
  return bitmap;
}

}  // namespace qbp::test
