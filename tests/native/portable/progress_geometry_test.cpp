#include "portable/support/progress_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <ostream>

namespace qbp {
std::ostream& operator<<(std::ostream& os, const BarRect& r) {
  return os << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}
}  // namespace qbp

namespace {

using qbp::BarPoint;
using qbp::BarRect;
using qbp::BorderKind;
using qbp::BorderPen;

struct PercentCase {
  int32_t value, min, max;
  double percent;
};

TEST(ProgressPercent, FollowsTheRangeAndStaysWithinItsBounds) {
  const PercentCase cases[] = {
      {0, 0, 100, 0.0},        {50, 0, 100, 50.0},
      {100, 0, 100, 100.0},    {-5, 0, 100, 0.0},  // below Min: empty
      {150, 0, 100, 100.0},                        // above Max: full
      {15, 10, 30, 25.0},      {25, 100, 0, 75.0},  // a falling range
      {INT32_MIN, INT32_MIN, INT32_MAX, 0.0},       // a range wider than 32 bits
      {INT32_MAX, INT32_MIN, INT32_MAX, 100.0},
      {INT32_MAX, INT32_MIN, 0, 100.0},
      {7, 7, 7, 100.0},  // an empty range is full once reached
      {6, 7, 7, 0.0},    // and empty below it
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(qbp::Percent(c.value, c.min, c.max), c.percent)
        << c.value << " in " << c.min << ".." << c.max;
    EXPECT_DOUBLE_EQ(qbp::FillFraction(c.value, c.min, c.max), c.percent / 100.0);
  }
}

TEST(ProgressRounding, HalvesGoToTheEvenNeighbour) {
  const std::pair<double, int32_t> cases[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {108.5, 108}, {-0.5, 0}, {-1.5, -2},
      {2.49, 2}, {2.51, 3}, {-2.51, -3}, {7.0, 7},
  };
  for (const auto& [x, rounded] : cases) EXPECT_EQ(qbp::RoundHalfEven(x), rounded) << x;
}

TEST(ProgressBarRect, HorizontalWhenLowerThanWide) {
  EXPECT_TRUE(qbp::IsHorizontal(100, 20));
  EXPECT_FALSE(qbp::IsHorizontal(20, 100));
  EXPECT_FALSE(qbp::IsHorizontal(30, 30));  // square bars fill upwards
}

TEST(ProgressBarRect, HorizontalBarGrowsFromTheLeft) {
  const BarRect inner{1, 1, 201, 21};
  EXPECT_EQ(qbp::FilledRect(inner, 0.0, true), (BarRect{1, 1, 1, 21}));
  EXPECT_EQ(qbp::FilledRect(inner, 0.25, true), (BarRect{1, 1, 51, 21}));
  EXPECT_EQ(qbp::FilledRect(inner, 1.0, true), inner);
  // 0 + 217 * 0.5 = 108.5 rounds to the even 108
  EXPECT_EQ(qbp::FilledRect({0, 0, 217, 20}, 0.5, true).right, 108);
  EXPECT_EQ(qbp::FilledRect({0, 0, 219, 20}, 0.5, true).right, 110);  // 109.5 -> 110
}

TEST(ProgressBarRect, VerticalBarFillsFromTheBottom) {
  const BarRect inner{1, 1, 21, 101};
  EXPECT_EQ(qbp::FilledRect(inner, 0.0, false), (BarRect{1, 101, 21, 101}));
  EXPECT_EQ(qbp::FilledRect(inner, 0.25, false), (BarRect{1, 76, 21, 101}));
  EXPECT_EQ(qbp::FilledRect(inner, 1.0, false), inner);
  // 0 + 5 * (1 - 0.5) = 2.5 rounds to 2
  EXPECT_EQ(qbp::FilledRect({0, 0, 1, 5}, 0.5, false).top, 2);
}

struct SnapCase {
  BarRect bar;
  bool horizontal;
  int32_t step;
  BarRect snapped;
};

TEST(ProgressSnap, MovingEdgeFallsBackToWholeSteps) {
  const SnapCase cases[] = {
      {{0, 0, 108, 20}, true, 10, {0, 0, 100, 20}},
      {{5, 0, 105, 20}, true, 10, {5, 0, 105, 20}},  // already whole
      {{5, 0, 14, 20}, true, 10, {5, 0, 5, 20}},     // less than a step: empty
      {{5, 0, 3, 20}, true, 10, {5, 0, 5, 20}},      // never left of the fixed edge
      {{0, 75, 20, 100}, false, 10, {0, 80, 20, 100}},  // the top moves down
      {{0, 70, 20, 100}, false, 10, {0, 70, 20, 100}},
      {{0, 95, 20, 100}, false, 10, {0, 100, 20, 100}},
      {{0, 103, 20, 100}, false, 10, {0, 100, 20, 100}},  // never below the bottom
      {{0, 0, 108, 20}, true, 0, {0, 0, 108, 20}},        // no step, no snapping
      {{0, 0, 108, 20}, true, -3, {0, 0, 108, 20}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(qbp::SnapToSteps(c.bar, c.horizontal, c.step), c.snapped) << c.bar;
  }
}

TEST(ProgressSegments, HalfOfA217PixelBarShowsTenBlocksWithGaps) {
  const BarRect inner{0, 0, 217, 20};
  const BarRect bar = qbp::SnapToSteps(qbp::FilledRect(inner, qbp::FillFraction(50, 0, 100), true),
                                       true, qbp::kSegmentChunk + qbp::kSegmentSpace);
  ASSERT_EQ(bar, (BarRect{0, 0, 100, 20}));
  const auto gaps = qbp::SegmentGaps(inner, bar, true, qbp::kSegmentChunk, qbp::kSegmentSpace);
  ASSERT_EQ(gaps.size(), 10u);
  for (size_t i = 0; i < gaps.size(); ++i) {
    const int32_t x = 8 + 10 * static_cast<int32_t>(i);  // after each 8-pixel block
    EXPECT_EQ(gaps[i], (BarRect{x, 0, x + 2, 20})) << i;
  }
}

TEST(ProgressSegments, VerticalGapsStartAtTheBottomAndSpanTheInnerWidth) {
  const BarRect inner{1, 1, 21, 101};
  const BarRect bar{1, 71, 21, 101};
  const auto gaps = qbp::SegmentGaps(inner, bar, false, 8, 2);
  // y = 101 (below the bar, clipped away), 91, 81; 71 is less than 8 below the top
  const std::vector<BarRect> expected{{1, 101, 21, 103}, {1, 91, 21, 93}, {1, 81, 21, 83}};
  EXPECT_EQ(gaps, expected);
}

TEST(ProgressSegments, EmptyBarOrNoStepHasNoGaps) {
  const BarRect inner{0, 0, 100, 20};
  EXPECT_TRUE(qbp::SegmentGaps(inner, {0, 0, 0, 20}, true, 8, 2).empty());
  EXPECT_TRUE(qbp::SegmentGaps(inner, {0, 0, 50, 20}, true, 0, 0).empty());
  EXPECT_TRUE(qbp::SegmentGaps({0, 0, 20, 100}, {0, 100, 20, 100}, false, 8, 2).empty());
}

TEST(ProgressBorder, InsetDependsOnStyleAppearanceAndTheme) {
  struct {
    int32_t style, appearance;
    bool themed;
    int32_t inset;
  } const cases[] = {
      {0, 2, false, 0}, {1, 0, false, 1}, {1, 1, false, 1}, {2, 1, false, 1},
      {1, 2, false, 2}, {2, 2, false, 2}, {1, 2, true, 1},  {2, 2, true, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(qbp::BorderInset(c.style, c.appearance, c.themed), c.inset)
        << c.style << "/" << c.appearance << "/" << c.themed;
  }
  EXPECT_EQ(qbp::Shrink({0, 0, 10, 8}, 2), (BarRect{2, 2, 8, 6}));
}

TEST(ProgressBorder, ThinSunkenIsShadowTopLeftAndHighlightBottomRightOfTheOuterRect) {
  const BarRect outer{0, 0, 50, 10};
  const auto plan = qbp::PlanBorder(1, 1, outer, qbp::Shrink(outer, 1));
  ASSERT_EQ(plan.kind, BorderKind::Lines);
  ASSERT_EQ(plan.lines.size(), 2u);
  EXPECT_EQ(plan.lines[0].pen, BorderPen::Shadow);
  EXPECT_EQ(plan.lines[0].points, (std::vector<BarPoint>{{0, 9}, {0, 0}, {50, 0}}));
  EXPECT_EQ(plan.lines[1].pen, BorderPen::Highlight);
  EXPECT_EQ(plan.lines[1].points, (std::vector<BarPoint>{{49, 1}, {49, 9}, {0, 9}}));
}

TEST(ProgressBorder, ThinRaisedIsDrawnOnTheInnerRect) {
  const BarRect inner{1, 1, 49, 9};
  const auto plan = qbp::PlanBorder(2, 1, {0, 0, 50, 10}, inner);
  ASSERT_EQ(plan.lines.size(), 2u);
  EXPECT_EQ(plan.lines[0].pen, BorderPen::Highlight);
  EXPECT_EQ(plan.lines[0].points, (std::vector<BarPoint>{{1, 7}, {1, 1}, {48, 1}}));
  EXPECT_EQ(plan.lines[1].pen, BorderPen::Shadow);
  EXPECT_EQ(plan.lines[1].points, (std::vector<BarPoint>{{48, 1}, {48, 8}, {0, 8}}));
}

TEST(ProgressBorder, FlatSoftAndNone) {
  const BarRect outer{2, 3, 12, 8};
  const BarRect inner = qbp::Shrink(outer, 2);
  for (int32_t style : {1, 2}) {
    const auto flat = qbp::PlanBorder(style, 0, outer, inner);
    ASSERT_EQ(flat.lines.size(), 1u);
    EXPECT_EQ(flat.lines[0].pen, BorderPen::Black);
    EXPECT_EQ(flat.lines[0].points,
              (std::vector<BarPoint>{{2, 3}, {11, 3}, {11, 7}, {2, 7}, {2, 3}}));
  }
  const auto sunken = qbp::PlanBorder(1, 2, outer, inner);
  EXPECT_EQ(sunken.kind, BorderKind::SoftSunken);
  EXPECT_EQ(sunken.rect, outer);
  const auto raised = qbp::PlanBorder(2, 2, outer, inner);
  EXPECT_EQ(raised.kind, BorderKind::SoftRaised);
  EXPECT_EQ(raised.rect, outer);
  EXPECT_EQ(qbp::PlanBorder(0, 1, outer, inner).kind, BorderKind::None);
  EXPECT_EQ(qbp::PlanBorder(1, 5, outer, inner).kind, BorderKind::None);
}

TEST(ProgressText, FormatCombinesAlignmentWithSingleLine) {
  EXPECT_EQ(qbp::TextFormat(0, 0), 0x20u);  // left, top
  EXPECT_EQ(qbp::TextFormat(1, 1), 0x25u);  // DT_CENTER | DT_VCENTER
  EXPECT_EQ(qbp::TextFormat(2, 2), 0x2Au);  // DT_RIGHT | DT_BOTTOM
  EXPECT_EQ(qbp::TextFormat(0x10000, -1), 0x25u);  // no stray DrawText flags
}

TEST(ProgressTiles, LastRowAndColumnAreCut) {
  const auto blits = qbp::TileLayout(30, 20, {5, 10, 75, 55});
  const std::vector<qbp::TileBlit> expected{
      {5, 10, 30, 20},  {35, 10, 30, 20}, {65, 10, 10, 20},  //
      {5, 30, 30, 20},  {35, 30, 30, 20}, {65, 30, 10, 20},  //
      {5, 50, 30, 5},   {35, 50, 30, 5},  {65, 50, 10, 5},
  };
  EXPECT_EQ(blits, expected);
  EXPECT_EQ(qbp::TileLayout(40, 40, {0, 0, 40, 40}).size(), 1u);
  EXPECT_TRUE(qbp::TileLayout(0, 20, {0, 0, 40, 40}).empty());
  EXPECT_TRUE(qbp::TileLayout(30, 20, {0, 0, 0, 40}).empty());
}

}  // namespace
