#include "portable/support/progress_paint_win.h"

#include <ole2.h>
#include <olectl.h>

#include "shared/win/ansi_win.h"
#include "shared/win/handles_win.h"

namespace qbp {

RECT ToRect(const BarRect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

void FillWithColor(HDC dc, const BarRect& area, int32_t color) {
  const RECT rect = ToRect(area);
  const auto value = static_cast<uint32_t>(color);
  if (value & 0x80000000u) {
    // A system brush belongs to the system: never deleted.
    if (HBRUSH brush = ::GetSysColorBrush(static_cast<int>(value & 31u))) {
      ::FillRect(dc, &rect, brush);
    }
    return;
  }
  qb::win::GdiObject brush(::CreateSolidBrush(value));
  if (brush) ::FillRect(dc, &rect, static_cast<HBRUSH>(brush.get()));
}

COLORREF TranslateTextColor(int32_t color) {
  COLORREF translated = 0;
  if (FAILED(::OleTranslateColor(static_cast<OLE_COLOR>(color), nullptr, &translated))) {
    return CLR_INVALID;
  }
  return translated;
}

void CoverWithPicture(HDC dc, pcMemDC& picture, int32_t mode, const BarRect& area) {
  if (mode == 1) {
    for (const TileBlit& b : TileLayout(picture.Width(), picture.Height(), area)) {
      picture.Draw(dc, 0, 0, b.width, b.height, b.x, b.y);
    }
    return;
  }
  ::StretchBlt(dc, area.left, area.top, area.Width(), area.Height(), picture.hDC(0, 0), 0, 0,
               picture.Width(), picture.Height(), SRCCOPY);
}

void DrawHandText(HDC dc, HFONT font, const std::wstring& text, const BarRect& area,
                  uint32_t format, COLORREF color) {
  qb::win::Selection selectedFont(dc, font);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, color);
  std::string padded = " " + qb::win::ToAnsi(text) + " ";
  RECT rect = ToRect(area);
  ::DrawTextA(dc, padded.data(), static_cast<int>(padded.size()), &rect, format);
}

namespace {

void DrawLines(HDC dc, const BorderPlan& plan) {
  qb::win::GdiObject black(::CreatePen(PS_SOLID, 1, RGB(0, 0, 0)));
  qb::win::GdiObject shadow(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNSHADOW)));
  qb::win::GdiObject highlight(::CreatePen(PS_SOLID, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT)));
  for (const BorderLine& line : plan.lines) {
    if (line.points.empty()) continue;
    HGDIOBJ pen = line.pen == BorderPen::Shadow      ? shadow.get()
                  : line.pen == BorderPen::Highlight ? highlight.get()
                                                     : black.get();
    qb::win::Selection selectedPen(dc, pen);
    ::MoveToEx(dc, line.points.front().x, line.points.front().y, nullptr);
    for (size_t i = 1; i < line.points.size(); ++i) {
      ::LineTo(dc, line.points[i].x, line.points[i].y);
    }
  }
}

}  // namespace

void DrawBorder(HDC dc, const BorderPlan& plan) {
  switch (plan.kind) {
    case BorderKind::Lines:
      DrawLines(dc, plan);
      break;
    case BorderKind::SoftSunken:
    case BorderKind::SoftRaised: {
      RECT rect = ToRect(plan.rect);
      const UINT edge = plan.kind == BorderKind::SoftSunken ? EDGE_SUNKEN : EDGE_RAISED;
      ::DrawEdge(dc, &rect, edge, BF_SOFT | BF_RECT);
      break;
    }
    case BorderKind::None:
      break;
  }
}

ThemeData::ThemeData(HWND window) : theme_(::OpenThemeData(window, L"Progress")) {}

ThemeData::~ThemeData() {
  if (theme_) ::CloseThemeData(theme_);
}

}  // namespace qbp
