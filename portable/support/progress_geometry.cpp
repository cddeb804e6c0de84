#include "portable/support/progress_geometry.h"

#include <algorithm>
#include <cmath>

namespace qbp {

double FillFraction(int32_t value, int32_t min, int32_t max) {
  if (max == min) return value >= max ? 1.0 : 0.0;
  // In double: value - min overflows 32 bits for wide ranges.
  const double f = (static_cast<double>(value) - min) / (static_cast<double>(max) - min);
  return std::clamp(f, 0.0, 1.0);
}

double Percent(int32_t value, int32_t min, int32_t max) {
  return FillFraction(value, min, max) * 100.0;
}

int32_t RoundHalfEven(double x) {
  const double below = std::floor(x);
  const double rest = x - below;
  double result = below + 1.0;
  if (rest < 0.5) {
    result = below;
  } else if (rest == 0.5 && std::fmod(below, 2.0) == 0.0) {
    result = below;
  }
  return static_cast<int32_t>(result);
}

BarRect Normalized(const BarRect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}

bool IsHorizontal(int32_t width, int32_t height) { return height < width; }

int32_t BorderInset(int32_t borderStyle, int32_t appearance, bool themed) {
  if (borderStyle <= 0) return 0;
  return (!themed && appearance == 2) ? 2 : 1;
}

BarRect Shrink(const BarRect& r, int32_t by) {
  return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

BarRect FilledRect(const BarRect& inner, double fraction, bool horizontal) {
  BarRect bar = inner;
  if (horizontal) {
    bar.right = RoundHalfEven(inner.left + static_cast<double>(inner.Width()) * fraction);
  } else {
    bar.top = RoundHalfEven(inner.top + static_cast<double>(inner.Height()) * (1.0 - fraction));
  }
  return bar;
}

BarRect SnapToSteps(const BarRect& bar, bool horizontal, int32_t step) {
  if (step <= 0) return bar;
  BarRect snapped = bar;
  if (horizontal) {
    // C++ % keeps the sign of the dividend, like the remainder this rule is written for.
    snapped.right = bar.right - (bar.right - bar.left) % step;
    snapped.right = std::max(snapped.right, bar.left);
  } else {
    // top - bottom is negative, so subtracting its remainder moves the top down.
    snapped.top = bar.top - (bar.top - bar.bottom) % step;
    snapped.top = std::min(snapped.top, bar.bottom);
  }
  return snapped;
}

std::vector<BarRect> SegmentGaps(const BarRect& inner, const BarRect& bar, bool horizontal,
                                 int32_t chunk, int32_t space) {
  std::vector<BarRect> gaps;
  const int64_t step = static_cast<int64_t>(chunk) + space;
  if (step <= 0) return gaps;
  if (horizontal) {
    for (int64_t x = static_cast<int64_t>(bar.left) + chunk; x <= bar.right; x += step) {
      const auto left = static_cast<int32_t>(x);
      gaps.push_back({left, inner.top, left + space, inner.bottom});
    }
  } else {
    for (int64_t y = bar.bottom; y >= static_cast<int64_t>(bar.top) + chunk; y -= step) {
      const auto top = static_cast<int32_t>(y);
      gaps.push_back({inner.left, top, inner.right, top + space});
    }
  }
  return gaps;
}

uint32_t TextFormat(int32_t alignX, int32_t alignY) {
  constexpr uint32_t kSingleLine = 0x20;
  const auto valid = [](int32_t a) { return a >= 0 && a <= 2 ? a : 1; };
  return static_cast<uint32_t>(valid(alignX)) | kSingleLine |
         static_cast<uint32_t>(valid(alignY)) * 4u;
}

std::vector<TileBlit> TileLayout(int32_t pictureWidth, int32_t pictureHeight,
                                 const BarRect& area) {
  std::vector<TileBlit> blits;
  if (pictureWidth <= 0 || pictureHeight <= 0) return blits;
  for (int64_t y = area.top; y < area.bottom; y += pictureHeight) {
    const auto h = static_cast<int32_t>(std::min<int64_t>(pictureHeight, area.bottom - y));
    for (int64_t x = area.left; x < area.right; x += pictureWidth) {
      const auto w = static_cast<int32_t>(std::min<int64_t>(pictureWidth, area.right - x));
      blits.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y), w, h});
    }
  }
  return blits;
}

namespace {

BorderPlan Lines(std::vector<BorderLine> lines) {
  BorderPlan plan;
  plan.kind = BorderKind::Lines;
  plan.lines = std::move(lines);
  return plan;
}

BorderPlan Flat(const BarRect& r) {
  return Lines({{BorderPen::Black,
                 {{r.left, r.top},
                  {r.right - 1, r.top},
                  {r.right - 1, r.bottom - 1},
                  {r.left, r.bottom - 1},
                  {r.left, r.top}}}});
}

BorderPlan ThinRaised(const BarRect& r) {
  return Lines({{BorderPen::Highlight, {{r.left, r.bottom - 2}, {r.left, r.top}, {r.right - 1, r.top}}},
                {BorderPen::Shadow,
                 {{r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}}}});
}

BorderPlan ThinSunken(const BarRect& r) {
  return Lines({{BorderPen::Shadow, {{r.left, r.bottom - 1}, {r.left, r.top}, {r.right, r.top}}},
                {BorderPen::Highlight,
                 {{r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}}}});
}

BorderPlan Soft(BorderKind kind, const BarRect& r) {
  BorderPlan plan;
  plan.kind = kind;
  plan.rect = r;
  return plan;
}

}  // namespace

BorderPlan PlanBorder(int32_t borderStyle, int32_t appearance, const BarRect& outer,
                      const BarRect& inner) {
  const bool inset = borderStyle == 1;
  const bool raised = borderStyle == 2;
  if (!inset && !raised) return {};
  switch (appearance) {
    case 0:
      return Flat(outer);
    case 1:
      return inset ? ThinSunken(outer) : ThinRaised(inner);
    case 2:
      return Soft(inset ? BorderKind::SoftSunken : BorderKind::SoftRaised, outer);
    default:
      return {};
  }
}

}  // namespace qbp
