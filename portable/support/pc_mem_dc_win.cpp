#include "portable/support/pc_mem_dc_win.h"

#include <algorithm>
#include <cstdlib>

namespace qbp {

HDC pcMemDC::hDC(int32_t width, int32_t height) {
  if (!dc_) {
    if (width > 0 && height > 0) CreateMemDC(width, height);
  } else if (width_ < width || height_ < height) {
    CreateMemDC(std::max(width_, width), std::max(height_, height));
  }
  return dc_.get();
}

void pcMemDC::Width(int32_t width) {
  if (width != width_) Resize(width, height_);
}

void pcMemDC::Height(int32_t height) {
  if (height != height_) Resize(width_, height);
}

void pcMemDC::Resize(int32_t width, int32_t height) {
  // A bitmap of the old size would no longer match the stored size: drop it.
  if (dc_) FreeMemDC();
  width_ = width;
  height_ = height;
  if (width > 0 && height > 0) CreateMemDC(width, height);
}

bool pcMemDC::CreateMemDC(int32_t width, int32_t height) {
  FreeMemDC();
  if (width <= 0 || height <= 0) return false;
  qb::win::MemoryDc display(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr));
  if (!display) return false;
  qb::win::MemoryDc dc(::CreateCompatibleDC(display.get()));
  if (!dc) return false;
  qb::win::GdiObject bitmap(::CreateCompatibleBitmap(display.get(), width, height));
  if (!bitmap) return false;
  dc_ = std::move(dc);
  bitmap_ = std::move(bitmap);
  selection_.emplace(dc_.get(), bitmap_.get());
  if (::GetCurrentObject(dc_.get(), OBJ_BITMAP) != bitmap_.get()) {
    FreeMemDC();
    return false;
  }
  width_ = width;
  height_ = height;
  return true;
}

void pcMemDC::FreeMemDC() {
  selection_.reset();
  bitmap_.reset();
  dc_.reset();
  width_ = 0;
  height_ = 0;
}

bool pcMemDC::CreateFromPicture(HBITMAP picture) {
  FreeMemDC();
  if (!picture) return false;
  BITMAP info{};
  if (::GetObjectA(picture, sizeof info, &info) == 0) return false;
  Width(info.bmWidth);
  Height(std::abs(info.bmHeight));
  if (!dc_) return false;
  qb::win::MemoryDc source(::CreateCompatibleDC(nullptr));
  if (!source) return false;
  qb::win::Selection selected(source.get(), picture);
  if (::GetCurrentObject(source.get(), OBJ_BITMAP) != picture) return false;
  return ::BitBlt(dc_.get(), 0, 0, width_, height_, source.get(), 0, 0, SRCCOPY) != FALSE;
}

void pcMemDC::Draw(HDC target, int32_t xSrc, int32_t ySrc, int32_t widthSrc, int32_t heightSrc,
                   int32_t xDst, int32_t yDst) const {
  if (!dc_ || !target) return;
  const int32_t width = widthSrc > 0 ? widthSrc : width_;
  const int32_t height = heightSrc > 0 ? heightSrc : height_;
  ::BitBlt(target, xDst, yDst, width, height, dc_.get(), xSrc, ySrc, SRCCOPY);
}

}  // namespace qbp
