#pragma once
// Geometry of the drawn progress bar: where the bar, its segments, its border and its
// pictures go. Plain values only, so every rule can be checked without a screen.
#include <cstdint>
#include <vector>

namespace qbp {

struct BarRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool operator==(const BarRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
};

struct BarPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const BarPoint& o) const { return x == o.x && y == o.y; }
};

// Segment sizes of a bar drawn by hand with Segments on.
constexpr int32_t kSegmentChunk = 8;
constexpr int32_t kSegmentSpace = 2;

// Share of the range reached, cut to 0..1. When max == min the range is empty: the bar
// is full once value reaches that common limit and empty below it.
double FillFraction(int32_t value, int32_t min, int32_t max);
// The same share in per cent, 0..100.
double Percent(int32_t value, int32_t min, int32_t max);

// Nearest whole number, a half going to the even neighbour.
int32_t RoundHalfEven(double x);

// The rectangle with left <= right and top <= bottom.
BarRect Normalized(const BarRect& r);
// A bar is horizontal when it is lower than it is wide; a vertical bar fills upwards.
bool IsHorizontal(int32_t width, int32_t height);

// Border width taken from every side: none without a border, 2 for the soft edge drawn
// by hand, 1 otherwise.
int32_t BorderInset(int32_t borderStyle, int32_t appearance, bool themed);
BarRect Shrink(const BarRect& r, int32_t by);

// The filled part of `inner` for a fraction 0..1.
BarRect FilledRect(const BarRect& inner, double fraction, bool horizontal);
// Moves the moving edge of the filled part back to a whole number of steps counted from
// the fixed edge. A step of 0 or less leaves the bar as it is.
BarRect SnapToSteps(const BarRect& bar, bool horizontal, int32_t step);
// Gaps painted over a segmented bar; the caller clips them to the bar.
std::vector<BarRect> SegmentGaps(const BarRect& inner, const BarRect& bar, bool horizontal,
                                 int32_t chunk, int32_t space);

// DrawText format: alignment across OR single line OR alignment down. An alignment
// outside 0..2 counts as centred, so no other DrawText flag can slip in.
uint32_t TextFormat(int32_t alignX, int32_t alignY);

// One copy of a tile: from 0,0 of the picture to x,y, width x height.
struct TileBlit {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const TileBlit& o) const {
    return x == o.x && y == o.y && width == o.width && height == o.height;
  }
};
// Row by row, column by column from the area's top-left corner; the last row and
// column are cut to what remains.
std::vector<TileBlit> TileLayout(int32_t pictureWidth, int32_t pictureHeight,
                                 const BarRect& area);

enum class BorderPen { Black, Shadow, Highlight };
struct BorderLine {
  BorderPen pen = BorderPen::Black;
  std::vector<BarPoint> points;  // MoveTo the first, LineTo each next
};
enum class BorderKind { None, Lines, SoftSunken, SoftRaised };
struct BorderPlan {
  BorderKind kind = BorderKind::None;
  BarRect rect;                    // the rectangle of a soft edge
  std::vector<BorderLine> lines;   // for BorderKind::Lines
};
// The hand-drawn border for a style (0 none, 1 inset, 2 raised) and appearance
// (0 flat, 1 thin, 2 soft edge).
BorderPlan PlanBorder(int32_t borderStyle, int32_t appearance, const BarRect& outer,
                      const BarRect& inner);

}  // namespace qbp
