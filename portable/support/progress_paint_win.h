#pragma once
// GDI and visual-style drawing steps of the progress bar.
#include <windows.h>
#include <uxtheme.h>

#include <cstdint>
#include <string>

#include "portable/support/pc_mem_dc_win.h"
#include "portable/support/progress_geometry.h"

namespace qbp {

RECT ToRect(const BarRect& r);

// Paints with an OLE colour as the bar does: a value with the high bit set is the system
// brush of its low five bits (none for 31, which paints nothing), any other a solid brush.
void FillWithColor(HDC dc, const BarRect& area, int32_t color);
// OleTranslateColor without a palette; CLR_INVALID (-1) when it cannot be translated.
COLORREF TranslateTextColor(int32_t color);

// Picture over an area: mode 1 tiles, any other mode stretches.
void CoverWithPicture(HDC dc, pcMemDC& picture, int32_t mode, const BarRect& area);
// " " + text + " " with DrawTextA, transparent, in the given colour and font.
void DrawHandText(HDC dc, HFONT font, const std::wstring& text, const BarRect& area,
                  uint32_t format, COLORREF color);
void DrawBorder(HDC dc, const BorderPlan& plan);

// Theme data of the "Progress" class, closed when it goes.
class ThemeData {
 public:
  ThemeData(HWND window);
  ~ThemeData();
  ThemeData(const ThemeData&) = delete;
  ThemeData& operator=(const ThemeData&) = delete;
  HTHEME get() const { return theme_; }

 private:
  HTHEME theme_ = nullptr;
};

// Saves a DC's state (font, colours, modes, clip) and puts it back on scope exit.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  ~SavedDcState() {
    if (saved_ != 0) ::RestoreDC(dc_, saved_);
  }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

}  // namespace qbp
