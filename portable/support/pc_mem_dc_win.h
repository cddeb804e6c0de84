#pragma once
// An off-screen memory DC with a bitmap of its own, compatible with the display.
#include <windows.h>

#include <cstdint>
#include <optional>

#include "shared/win/handles_win.h"

namespace qbp {

class pcMemDC {
 public:
  pcMemDC() = default;
  ~pcMemDC() { FreeMemDC(); }
  pcMemDC(const pcMemDC&) = delete;
  pcMemDC& operator=(const pcMemDC&) = delete;

  // A DC of at least width x height. Made when there is none and both sizes are above
  // 0; made again, never smaller than before, when the current one is narrower or
  // lower. Null when no DC could be made.
  HDC hDC(int32_t width, int32_t height);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // A new size is stored; the bitmap is made (again) at once when both sizes are above 0.
  void Width(int32_t width);
  void Height(int32_t height);

  // Makes a bitmap of the picture's size and copies the picture into it.
  bool CreateFromPicture(HBITMAP picture);

  // Copies part of the bitmap to `target` (SRCCOPY); a width or height of 0 or less
  // stands for the full Width or Height.
  void Draw(HDC target, int32_t xSrc = 0, int32_t ySrc = 0, int32_t widthSrc = 0,
            int32_t heightSrc = 0, int32_t xDst = 0, int32_t yDst = 0) const;

  bool CreateMemDC(int32_t width, int32_t height);
  void FreeMemDC();

 private:
  void Resize(int32_t width, int32_t height);

  qb::win::MemoryDc dc_;
  qb::win::GdiObject bitmap_;
  // Declared last so it goes first: puts the DC's own bitmap back before ours is deleted.
  std::optional<qb::win::Selection> selection_;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

}  // namespace qbp
