// The bar on other surfaces: pictures, part of a DC, and the window it is given.
#include <gtest/gtest.h>

#include "portable/dib_canvas.h"
#include "portable/support/progress_bar_win.h"

namespace {

using qbp::cProgressBar;
using qbp::test::DibCanvas;
using qbp::test::MakePicture;

constexpr COLORREF kSentinel = RGB(12, 34, 56);
constexpr COLORREF kLeft = RGB(0, 160, 0);
constexpr COLORREF kRight = RGB(250, 250, 0);

COLORREF Checker(int32_t x, int32_t y) { return RGB(80 * (x % 3), 100 * (y % 2), 200); }
COLORREF Halves(int32_t x, int32_t) { return x == 0 ? kLeft : kRight; }
HBITMAP Bitmap(const qb::win::GdiObject& o) { return static_cast<HBITMAP>(o.get()); }

TEST(ProgressBarPictures, BackgroundTilesWhileTheBarStretches) {
  const qb::win::GdiObject checker = MakePicture(3, 2, Checker);
  const qb::win::GdiObject halves = MakePicture(2, 1, Halves);
  ASSERT_TRUE(checker && halves);
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.Picture(Bitmap(checker));
  bar.BarPicture(Bitmap(halves));
  bar.BarPictureMode(0);
  bar.value(30);
  DibCanvas canvas(100, 20);
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 0, 0, 100, 20);
  for (int32_t y = 0; y < 20; ++y) {
    for (int32_t x = 0; x < 100; ++x) {
      const COLORREF expected = x < 30 ? kLeft : Checker(x, y);
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }
}

TEST(ProgressBarPictures, BackgroundStretchesWhileTheBarTiles) {
  const qb::win::GdiObject checker = MakePicture(3, 2, Checker);
  const qb::win::GdiObject halves = MakePicture(2, 1, Halves);
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.Picture(Bitmap(halves));
  bar.BackPictureMode(2);
  bar.BarPicture(Bitmap(checker));
  bar.value(80);
  DibCanvas canvas(100, 20);
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 0, 0, 100, 20);
  for (int32_t y = 0; y < 20; ++y) {
    for (int32_t x = 0; x < 100; ++x) {
      const COLORREF expected = x < 80 ? Checker(x, y) : kRight;
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }

  bar.Picture(nullptr);  // dropped: the background is the (empty) fill again
  bar.BarPicture(nullptr);
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 0, 0, 100, 20);
  EXPECT_EQ(canvas.At(10, 10), kSentinel);
  EXPECT_EQ(canvas.At(90, 10), kSentinel);
}

TEST(ProgressBarSurface, DrawsOnlyIntoItsRectangleWhereverItLies) {
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.BackColor(static_cast<int32_t>(RGB(0, 0, 255)));
  bar.BarColor(static_cast<int32_t>(RGB(255, 0, 0)));
  bar.value(50);
  DibCanvas canvas(200, 60);
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 0, 0, 200, 60);  // a large draw first: the buffer grows
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 110, 50, 10, 30);  // given right to left, bottom to top
  for (int32_t y = 0; y < 60; ++y) {
    for (int32_t x = 0; x < 200; ++x) {
      COLORREF expected = kSentinel;
      if (x >= 10 && x < 110 && y >= 30 && y < 50) {
        expected = x < 60 ? RGB(255, 0, 0) : RGB(0, 0, 255);
      }
      ASSERT_EQ(canvas.At(x, y), expected) << x << "," << y;
    }
  }
}

// A plain pop-up window standing in for the picture box the bar draws on.
class TargetWindow {
 public:
  TargetWindow()
      : hwnd_(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 120, 20, nullptr,
                                nullptr, ::GetModuleHandleA(nullptr), nullptr)) {
    Pump();
  }
  ~TargetWindow() {
    if (hwnd_) ::DestroyWindow(hwnd_);
  }
  HWND get() const { return hwnd_; }
  void Paint(COLORREF color) {
    qb::win::WindowDc dc(hwnd_);
    qb::win::GdiObject brush(::CreateSolidBrush(color));
    RECT all{0, 0, 120, 20};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(brush.get()));
  }
  COLORREF At(int x, int y) const {
    qb::win::WindowDc dc(hwnd_);
    return ::GetPixel(dc.get(), x, y);
  }
  static void Pump() {
    MSG msg{};
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }

 private:
  HWND hwnd_;
};

TEST(ProgressBarSurface, EveryWriteButTagRedrawsTheDrawObject) {
  TargetWindow window;
  ASSERT_NE(window.get(), nullptr);
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.BarColor(static_cast<int32_t>(RGB(255, 0, 0)));
  window.Paint(kSentinel);
  ASSERT_EQ(window.At(5, 10), kSentinel) << "window pixels cannot be read back here";

  bar.value(50);  // no DrawObject yet: nothing drawn
  EXPECT_EQ(window.At(5, 10), kSentinel);
  bar.DrawObject(window.get());
  EXPECT_EQ(window.At(5, 10), RGB(255, 0, 0));
  EXPECT_EQ(window.At(100, 10), kSentinel);

  window.Paint(kSentinel);
  bar.Tag(L"5");
  EXPECT_EQ(window.At(5, 10), kSentinel);
  EXPECT_EQ(bar.Tag(), L"5");
  bar.value(100);
  EXPECT_EQ(window.At(100, 10), RGB(255, 0, 0));
}

}  // namespace
