#include "portable/support/progress_bar_win.h"

#include <gtest/gtest.h>
#include <uxtheme.h>

#include <functional>
#include <iostream>

#include "portable/dib_canvas.h"

namespace {

using qbp::cProgressBar;
using qbp::test::DibCanvas;

constexpr COLORREF kSentinel = RGB(12, 34, 56);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Draws the bar into a canvas pre-filled with the sentinel colour.
void DrawInto(cProgressBar& bar, DibCanvas& canvas) {
  ASSERT_TRUE(canvas.ok());
  canvas.Fill(kSentinel);
  bar.DrawToDC(nullptr, canvas.dc(), 0, 0, canvas.width(), canvas.height());
}

// Counts pixels of `color` in the columns [x0, x1) and rows [y0, y1) (all rows by default).
int CountColor(const DibCanvas& canvas, COLORREF color, int32_t x0, int32_t x1, int32_t y0 = 0,
               int32_t y1 = -1) {
  if (y1 < 0) y1 = canvas.height();
  int count = 0;
  for (int32_t y = y0; y < y1; ++y)
    for (int32_t x = x0; x < x1; ++x) count += canvas.At(x, y) == color;
  return count;
}

// Checks every pixel against what `expected` says it should be.
void ExpectPixels(const DibCanvas& canvas, const std::function<COLORREF(int32_t, int32_t)>& expected,
                  const char* what) {
  int wrong = 0;
  for (int32_t y = 0; y < canvas.height(); ++y) {
    for (int32_t x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) != expected(x, y) && ++wrong <= 5) {
        ADD_FAILURE() << what << ": pixel " << x << "," << y << " is " << std::hex
                      << canvas.At(x, y) << ", expected " << expected(x, y);
      }
    }
  }
  EXPECT_EQ(wrong, 0) << what;
}

// No border, blue background, red bar.
void Colour(cProgressBar& bar) {
  bar.BorderStyle(0);
  bar.BackColor(static_cast<int32_t>(kBlue));
  bar.BarColor(static_cast<int32_t>(kRed));
}

TEST(ProgressBarDraw, StartsWithTheDocumentedDefaults) {
  cProgressBar bar;
  EXPECT_EQ(bar.DrawObject(), nullptr);
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 100);
  EXPECT_EQ(bar.value(), 0);
  EXPECT_TRUE(bar.Text().empty());
  EXPECT_FALSE(bar.ShowText());
  EXPECT_EQ(bar.TextAlignX(), 1);
  EXPECT_EQ(bar.TextAlignY(), 1);
  EXPECT_EQ(bar.Font().Name, L"Tahoma");
  EXPECT_EQ(bar.Font().Size, 8.0);
  EXPECT_EQ(bar.ForeColor(), 0);
  EXPECT_EQ(bar.BarForeColor(), 0xFFFFFF);
  EXPECT_EQ(bar.BackColor(), -1);
  EXPECT_EQ(bar.BarColor(), -1);
  EXPECT_EQ(bar.Appearance(), 1);
  EXPECT_EQ(bar.BorderStyle(), 1);
  EXPECT_FALSE(bar.Segments());
  EXPECT_FALSE(bar.XpStyle());
  EXPECT_EQ(bar.BackPictureMode(), 1);
  EXPECT_EQ(bar.BarPictureMode(), 1);
  EXPECT_TRUE(bar.Tag().empty());
  bar.value(-20);
  EXPECT_EQ(bar.value(), -20);  // stored as given
  EXPECT_EQ(bar.Percent(), 0.0);
}

struct FillCase {
  int32_t width, height, value;
  int32_t filled;  // columns from the left, or rows from the bottom when vertical
};

TEST(ProgressBarDraw, BarColourCoversOnlyTheFilledPart) {
  const FillCase cases[] = {
      {200, 20, 25, 50},   {200, 20, 0, 0},    {200, 20, -10, 0},  // below Min: empty
      {200, 20, 100, 200}, {200, 20, 150, 200},                    // above Max: full
      {20, 100, 30, 30},   {20, 100, 0, 0},    {20, 100, 100, 100},  // fills upwards
      {40, 40, 50, 20},                                              // square: vertical
  };
  for (const auto& c : cases) {
    cProgressBar bar;
    Colour(bar);
    bar.value(c.value);
    DibCanvas canvas(c.width, c.height);
    DrawInto(bar, canvas);
    const bool horizontal = c.height < c.width;
    ExpectPixels(canvas, [&](int32_t x, int32_t y) {
      const bool inBar = horizontal ? x < c.filled : y >= c.height - c.filled;
      return inBar ? kRed : kBlue;
    }, (std::to_string(c.width) + "x" + std::to_string(c.height) + " at " +
        std::to_string(c.value)).c_str());
  }
}

TEST(ProgressBarDraw, EqualMinAndMaxDrawsFullOnceReached) {
  cProgressBar bar;
  Colour(bar);
  bar.Min(100);  // Min == Max for a moment, as when a range is set field by field
  DibCanvas canvas(50, 10);
  DrawInto(bar, canvas);
  EXPECT_EQ(canvas.At(0, 5), kBlue);
  bar.value(100);
  DrawInto(bar, canvas);
  EXPECT_EQ(canvas.At(49, 5), kRed);
  EXPECT_EQ(bar.Percent(), 100.0);
}

TEST(ProgressBarDraw, SegmentsShowEightPixelBlocksWithTwoPixelGaps) {
  cProgressBar bar;
  Colour(bar);
  bar.Segments(true);
  bar.value(50);  // 108.5 -> 108, snapped down to 100
  DibCanvas canvas(217, 20);
  DrawInto(bar, canvas);
  ExpectPixels(canvas, [](int32_t x, int32_t) {
    return x < 100 && x % 10 < 8 ? kRed : kBlue;
  }, "segmented");
}

TEST(ProgressBarDraw, DefaultColoursPaintOnlyTheThinSunkenBorder) {
  cProgressBar bar;
  bar.value(50);
  DibCanvas canvas(100, 20);
  DrawInto(bar, canvas);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  ExpectPixels(canvas, [&](int32_t x, int32_t y) {
    if (y == 0 || x == 0) return shadow;         // top row, left column
    if (x == 99 || y == 19) return highlight;    // right column, bottom row
    return kSentinel;                            // nothing painted inside
  }, "default bar");
}

TEST(ProgressBarDraw, ThinRaisedBorderSitsOnTheInnerRectangle) {
  cProgressBar bar;
  bar.BorderStyle(2);
  DibCanvas canvas(60, 12);
  DrawInto(bar, canvas);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
  const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  ExpectPixels(canvas, [&](int32_t x, int32_t y) {
    if (x == 0 || y == 0 || x == 59 || y == 11) return kSentinel;  // outer ring untouched
    if (x == 58 || y == 10) return shadow;
    if (x == 1 || y == 1) return highlight;  // from (1, 9) up and along to (57, 1)
    return kSentinel;
  }, "raised");
}

TEST(ProgressBarDraw, FlatAndSoftBordersFrameTheOuterRectangle) {
  for (int32_t style : {1, 2}) {
    cProgressBar bar;
    bar.BorderStyle(style);
    bar.Appearance(0);
    DibCanvas canvas(30, 10);
    DrawInto(bar, canvas);
    ExpectPixels(canvas, [](int32_t x, int32_t y) {
      const bool edge = x == 0 || y == 0 || x == 29 || y == 9;
      return edge ? RGB(0, 0, 0) : kSentinel;
    }, "flat");

    bar.Appearance(2);  // soft edge: two pixels wide, drawn by DrawEdge
    DrawInto(bar, canvas);
    EXPECT_NE(canvas.At(0, 0), kSentinel) << style;
    EXPECT_NE(canvas.At(29, 9), kSentinel) << style;
    EXPECT_EQ(canvas.At(2, 2), kSentinel) << style;
    EXPECT_EQ(canvas.At(27, 7), kSentinel) << style;
  }
}

TEST(ProgressBarDraw, TextTakesBarForeColorOverTheBarAndForeColorElsewhere) {
  constexpr COLORREF kOverBar = RGB(0, 200, 0);
  constexpr COLORREF kOverBack = RGB(200, 0, 200);
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.ForeColor(static_cast<int32_t>(kOverBack));
  bar.BarForeColor(static_cast<int32_t>(kOverBar));
  bar.Font({L"Tahoma", 14.0, true, false});
  bar.Text(L"MMMMMMMMMMMMMMMMMMMM");
  bar.ShowText(true);
  bar.value(50);
  DibCanvas canvas(240, 30);
  DrawInto(bar, canvas);
  EXPECT_GT(CountColor(canvas, kOverBar, 0, 120), 0);
  EXPECT_GT(CountColor(canvas, kOverBack, 120, 240), 0);
  EXPECT_EQ(CountColor(canvas, kOverBar, 120, 240), 0);
  EXPECT_EQ(CountColor(canvas, kOverBack, 0, 120), 0);

  bar.ShowText(false);
  DrawInto(bar, canvas);
  EXPECT_EQ(CountColor(canvas, kSentinel, 0, 240), 240 * 30);
}

TEST(ProgressBarDraw, SystemColoursAreTranslatedForTextAndBrushedForFills) {
  cProgressBar bar;
  bar.BorderStyle(0);
  bar.BackColor(static_cast<int32_t>(0x80000000u | COLOR_WINDOW));
  bar.BarColor(static_cast<int32_t>(0x80000000u | COLOR_HIGHLIGHT));
  bar.value(50);
  DibCanvas canvas(100, 10);
  DrawInto(bar, canvas);
  EXPECT_EQ(canvas.At(10, 5), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(canvas.At(90, 5), ::GetSysColor(COLOR_WINDOW));
}

TEST(ProgressBarDraw, ThemedOrFallsBackUnderTheRunningSystem) {
  cProgressBar bar;
  bar.XpStyle(true);
  bar.Text(L"WWWWWWWWWWWWWWWWWWWW");
  bar.ShowText(true);
  bar.value(50);
  DibCanvas canvas(120, 20);
  DrawInto(bar, canvas);
  const HTHEME theme = ::OpenThemeData(nullptr, L"Progress");
  std::cout << (theme ? "themed\n" : "drawn by hand\n");
  if (theme) {
    ::CloseThemeData(theme);
    // The theme paints the background: the inside no longer shows the sentinel.
    EXPECT_LT(CountColor(canvas, kSentinel, 0, 120), 120 * 20);
  } else {
    // Drawn by hand: the thin border, the inside left alone but for the two-coloured text.
    EXPECT_EQ(canvas.At(0, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.At(2, 2), kSentinel);
    EXPECT_GT(CountColor(canvas, RGB(255, 255, 255), 1, 60, 1, 19), 0);
    EXPECT_EQ(CountColor(canvas, RGB(255, 255, 255), 61, 119, 1, 19), 0);
    EXPECT_GT(CountColor(canvas, RGB(0, 0, 0), 61, 119, 1, 19), 0);
  }
}

}  // namespace
