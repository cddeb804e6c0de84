#include "portable/support/progress_bar_win.h"

#include <optional>

#include "portable/support/progress_paint_win.h"
#include "shared/win/ansi_win.h"

namespace qbp {

namespace {

constexpr int kBarPart = 1, kBarVertPart = 2, kChunkPart = 3, kChunkVertPart = 4;
constexpr int kChunkSizeProp = 2411, kSpaceSizeProp = 2412;

qb::win::GdiObject MakeFont(const ProgressFont& font) {
  qb::win::WindowDc screen(nullptr);
  const int dpi = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  const int32_t height = RoundHalfEven(font.Size * dpi / 72.0);
  const std::string name = qb::win::ToAnsi(font.Name);
  return qb::win::GdiObject(::CreateFontA(
      -height, 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, font.Italic ? TRUE : FALSE, FALSE,
      FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
      DEFAULT_PITCH | FF_DONTCARE, name.c_str()));
}

// Themed background: true only when the theme opened, both sizes were read and the
// bar part was drawn.
bool DrawThemedBackground(HTHEME theme, HDC dc, const BarRect& area, bool horizontal,
                          int32_t& chunk, int32_t& space) {
  if (!theme) return false;
  int chunkSize = 0;
  int spaceSize = 0;
  if (FAILED(::GetThemeInt(theme, 0, 0, kChunkSizeProp, &chunkSize))) return false;
  if (FAILED(::GetThemeInt(theme, 0, 0, kSpaceSizeProp, &spaceSize))) return false;
  const RECT rect = ToRect(area);
  const int part = horizontal ? kBarPart : kBarVertPart;
  if (FAILED(::DrawThemeBackground(theme, dc, part, 0, &rect, nullptr))) return false;
  chunk = chunkSize;
  space = spaceSize;
  return true;
}

void DrawThemedText(HTHEME theme, HDC dc, const std::wstring& text, const BarRect& area,
                    uint32_t format) {
  const RECT rect = ToRect(area);
  RECT content = rect;
  if (FAILED(::GetThemeBackgroundContentRect(theme, dc, 0, 0, &rect, &content))) content = rect;
  ::DrawThemeText(theme, dc, 0, 0, text.c_str(), -1, format, 0, &content);
}

}  // namespace

// What one drawing learns on its way: the surface, the mode and the rectangles.
struct cProgressBar::Pass {
  HWND window = nullptr;
  HDC dc = nullptr;
  BarRect area;  // the whole bar on `dc`
  bool horizontal = true;
  std::optional<ThemeData> theme;
  bool themed = false;
  int32_t chunk = 0;
  int32_t space = 0;
};

cProgressBar::cProgressBar() : fontHandle_(MakeFont(font_)) {}

void cProgressBar::DrawObject(HWND window) { Set(drawObject_, window); }
void cProgressBar::Min(int32_t min) { Set(min_, min); }
void cProgressBar::Max(int32_t max) { Set(max_, max); }
void cProgressBar::value(int32_t value) { Set(value_, value); }
void cProgressBar::Text(const std::wstring& text) { Set(text_, text); }
void cProgressBar::ShowText(bool show) { Set(showText_, show); }
void cProgressBar::TextAlignX(int32_t align) { Set(textAlignX_, align); }
void cProgressBar::TextAlignY(int32_t align) { Set(textAlignY_, align); }
void cProgressBar::ForeColor(int32_t color) { Set(foreColor_, color); }
void cProgressBar::BarForeColor(int32_t color) { Set(barForeColor_, color); }
void cProgressBar::BackColor(int32_t color) { Set(backColor_, color); }
void cProgressBar::BarColor(int32_t color) { Set(barColor_, color); }
void cProgressBar::Appearance(int32_t appearance) { Set(appearance_, appearance); }
void cProgressBar::BorderStyle(int32_t style) { Set(borderStyle_, style); }
void cProgressBar::Segments(bool segments) { Set(segments_, segments); }
void cProgressBar::XpStyle(bool xpStyle) { Set(xpStyle_, xpStyle); }
void cProgressBar::BackPictureMode(int32_t mode) { Set(backPictureMode_, mode); }
void cProgressBar::BarPictureMode(int32_t mode) { Set(barPictureMode_, mode); }

void cProgressBar::Font(const ProgressFont& font) {
  font_ = font;
  fontHandle_ = MakeFont(font_);
  Draw();
}

void cProgressBar::Picture(HBITMAP picture) { SetPicture(BackPictureDC, picture); }
void cProgressBar::BarPicture(HBITMAP picture) { SetPicture(BarPictureDC, picture); }

void cProgressBar::SetPicture(std::unique_ptr<pcMemDC>& slot, HBITMAP picture) {
  slot.reset();
  if (picture) {
    auto copy = std::make_unique<pcMemDC>();
    if (copy->CreateFromPicture(picture)) slot = std::move(copy);
  }
  Draw();
}

void cProgressBar::Draw() {
  if (!drawObject_) return;
  RECT client{0, 0, 0, 0};
  if (!::GetClientRect(drawObject_, &client)) return;
  qb::win::WindowDc dc(drawObject_);
  if (!dc.get()) return;
  DrawToDC(drawObject_, dc.get(), client.left, client.top, client.right, client.bottom);
}

void cProgressBar::DrawToDC(HWND window, HDC dc, int32_t left, int32_t top, int32_t right,
                            int32_t bottom) {
  if (!dc) return;
  const BarRect target = Normalized({left, top, right, bottom});
  const int32_t width = target.Width();
  const int32_t height = target.Height();
  if (width <= 0 || height <= 0) return;

  Pass pass;
  pass.window = window;
  pass.horizontal = IsHorizontal(width, height);
  HDC buffer = BufferDC.hDC(width, height);
  if (buffer) {
    // Start from what the target shows, so that an area left unpainted keeps it.
    ::BitBlt(buffer, 0, 0, width, height, dc, target.left, target.top, SRCCOPY);
    pass.dc = buffer;
    pass.area = {0, 0, width, height};
  } else {
    pass.dc = dc;
    pass.area = target;
  }
  {
    SavedDcState saved(pass.dc);
    RenderBar(pass);
  }
  if (buffer) ::BitBlt(dc, target.left, target.top, width, height, buffer, 0, 0, SRCCOPY);
}

void cProgressBar::RenderBar(Pass& pass) {
  HDC dc = pass.dc;
  // Background, and whether the theme carries the whole drawing.
  if (BackPictureDC) {
    CoverWithPicture(dc, *BackPictureDC, backPictureMode_, pass.area);
  } else {
    if (xpStyle_) {
      pass.theme.emplace(pass.window);
      pass.themed = DrawThemedBackground(pass.theme->get(), dc, pass.area, pass.horizontal,
                                         pass.chunk, pass.space);
    }
    if (!pass.themed) FillWithColor(dc, pass.area, backColor_);
  }
  if (!pass.themed && segments_) {
    pass.chunk = kSegmentChunk;
    pass.space = kSegmentSpace;
  }

  const BarRect outer = pass.area;
  const BarRect inner = Shrink(outer, BorderInset(borderStyle_, appearance_, pass.themed));
  const bool withText = showText_ && !text_.empty();
  const uint32_t format = TextFormat(textAlignX_, textAlignY_);
  const auto font = static_cast<HFONT>(fontHandle_.get());
  if (!pass.themed && withText) {
    DrawHandText(dc, font, text_, inner, format, TranslateTextColor(foreColor_));
  }

  BarRect bar = FilledRect(inner, FillFraction(value_, min_, max_), pass.horizontal);
  if (pass.themed || segments_) bar = SnapToSteps(bar, pass.horizontal, pass.chunk + pass.space);

  // Everything up to the border stays inside the bar when drawn by hand.
  const RECT barRect = ToRect(bar);
  qb::win::GdiObject clip;
  if (!pass.themed) {
    clip.reset(::CreateRectRgnIndirect(&barRect));
    if (clip) ::SelectClipRgn(dc, static_cast<HRGN>(clip.get()));
  }

  if (BarPictureDC) {
    // The picture covers the whole area; cut it to the bar in themed mode too.
    SavedDcState barOnly(dc);
    if (pass.themed) ::IntersectClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
    CoverWithPicture(dc, *BarPictureDC, barPictureMode_, pass.area);
  } else if (pass.themed) {
    const int part = pass.horizontal ? kChunkPart : kChunkVertPart;
    ::DrawThemeBackground(pass.theme->get(), dc, part, 0, &barRect, nullptr);
  } else {
    FillWithColor(dc, bar, barColor_);
  }

  if (!pass.themed && segments_) {
    for (const BarRect& gap : SegmentGaps(inner, bar, pass.horizontal, pass.chunk, pass.space)) {
      FillWithColor(dc, gap, backColor_);
    }
  }

  if (withText) {
    if (pass.themed) {
      qb::win::Selection selectedFont(dc, font);
      DrawThemedText(pass.theme->get(), dc, text_, inner, format);
    } else {
      DrawHandText(dc, font, text_, inner, format, TranslateTextColor(barForeColor_));
    }
  }

  if (!pass.themed) {
    ::SelectClipRgn(dc, nullptr);
    clip.reset();
    DrawBorder(dc, PlanBorder(borderStyle_, appearance_, outer, inner));
  }
}

}  // namespace qbp
