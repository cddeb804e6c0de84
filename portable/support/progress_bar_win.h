#pragma once
// A progress bar that is not a window of its own: it paints itself into the client area
// of another window (its DrawObject), themed when asked and possible, else by hand.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "portable/support/pc_mem_dc_win.h"
#include "portable/support/progress_geometry.h"
#include "shared/win/handles_win.h"

namespace qbp {

struct ProgressFont {
  std::wstring Name = L"Tahoma";
  double Size = 8.0;  // points
  bool Bold = false;
  bool Italic = false;
};

class cProgressBar {
 public:
  cProgressBar();
  cProgressBar(const cProgressBar&) = delete;
  cProgressBar& operator=(const cProgressBar&) = delete;

  // The window drawn into; null draws nothing.
  HWND DrawObject() const { return drawObject_; }
  void DrawObject(HWND window);

  int32_t Min() const { return min_; }
  void Min(int32_t min);
  int32_t Max() const { return max_; }
  void Max(int32_t max);
  int32_t value() const { return value_; }
  void value(int32_t value);  // stored as given, not clamped
  double Percent() const { return qbp::Percent(value_, min_, max_); }

  const std::wstring& Text() const { return text_; }
  void Text(const std::wstring& text);
  bool ShowText() const { return showText_; }
  void ShowText(bool show);
  int32_t TextAlignX() const { return textAlignX_; }  // 0 left, 1 centre, 2 right
  void TextAlignX(int32_t align);
  int32_t TextAlignY() const { return textAlignY_; }  // 0 top, 1 centre, 2 bottom
  void TextAlignY(int32_t align);
  const ProgressFont& Font() const { return font_; }
  void Font(const ProgressFont& font);

  // Colours are OLE_COLOR values: system colours have the high bit set.
  int32_t ForeColor() const { return foreColor_; }
  void ForeColor(int32_t color);
  int32_t BarForeColor() const { return barForeColor_; }
  void BarForeColor(int32_t color);
  int32_t BackColor() const { return backColor_; }
  void BackColor(int32_t color);
  int32_t BarColor() const { return barColor_; }
  void BarColor(int32_t color);

  int32_t Appearance() const { return appearance_; }  // 0 flat, 1 thin 3-D, 2 soft edge
  void Appearance(int32_t appearance);
  int32_t BorderStyle() const { return borderStyle_; }  // 0 none, 1 inset, 2 raised
  void BorderStyle(int32_t style);
  bool Segments() const { return segments_; }
  void Segments(bool segments);
  bool XpStyle() const { return xpStyle_; }
  void XpStyle(bool xpStyle);

  // Pictures are copied; the caller keeps its bitmap. Null drops the picture.
  void Picture(HBITMAP picture);
  void BarPicture(HBITMAP picture);
  int32_t BackPictureMode() const { return backPictureMode_; }  // 1 tile, else stretch
  void BackPictureMode(int32_t mode);
  int32_t BarPictureMode() const { return barPictureMode_; }
  void BarPictureMode(int32_t mode);

  // Kept for the owner; writing it does not redraw.
  const std::wstring& Tag() const { return tag_; }
  void Tag(const std::wstring& tag) { tag_ = tag; }

  // Draws into the client area of DrawObject.
  void Draw();
  // Draws the whole bar into the rectangle of `dc`; `window` only opens the theme data.
  void DrawToDC(HWND window, HDC dc, int32_t left, int32_t top, int32_t right, int32_t bottom);

 private:
  struct Pass;
  template <typename T>
  void Set(T& field, const T& value) {
    field = value;
    Draw();
  }
  void SetPicture(std::unique_ptr<pcMemDC>& slot, HBITMAP picture);
  void RenderBar(Pass& pass);

  HWND drawObject_ = nullptr;
  int32_t min_ = 0;
  int32_t max_ = 100;
  int32_t value_ = 0;
  std::wstring text_;
  bool showText_ = false;
  int32_t textAlignX_ = 1;
  int32_t textAlignY_ = 1;
  ProgressFont font_;
  qb::win::GdiObject fontHandle_;
  int32_t foreColor_ = 0;
  int32_t barForeColor_ = 0xFFFFFF;
  int32_t backColor_ = -1;
  int32_t barColor_ = -1;
  int32_t appearance_ = 1;
  int32_t borderStyle_ = 1;
  bool segments_ = false;
  bool xpStyle_ = false;
  int32_t backPictureMode_ = 1;
  int32_t barPictureMode_ = 1;
  std::wstring tag_;

  pcMemDC BufferDC;
  std::unique_ptr<pcMemDC> BackPictureDC;
  std::unique_ptr<pcMemDC> BarPictureDC;
};

}  // namespace qbp
