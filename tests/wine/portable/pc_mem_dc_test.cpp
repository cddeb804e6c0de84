#include "portable/support/pc_mem_dc_win.h"

#include <gtest/gtest.h>

#include "portable/dib_canvas.h"

namespace {

using qbp::pcMemDC;
using qbp::test::DibCanvas;

TEST(PcMemDC, MakesADcOnlyForASizeAboveZero) {
  pcMemDC mem;
  EXPECT_EQ(mem.hDC(0, 10), nullptr);
  EXPECT_EQ(mem.hDC(10, -1), nullptr);
  EXPECT_EQ(mem.Width(), 0);
  HDC dc = mem.hDC(10, 5);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(mem.Width(), 10);
  EXPECT_EQ(mem.Height(), 5);
}

TEST(PcMemDC, GrowsWhenAskedForMoreAndNeverShrinks) {
  pcMemDC mem;
  ASSERT_NE(mem.hDC(40, 20), nullptr);
  EXPECT_NE(mem.hDC(10, 10), nullptr);  // smaller: the same bitmap serves
  EXPECT_EQ(mem.Width(), 40);
  EXPECT_EQ(mem.Height(), 20);
  EXPECT_NE(mem.hDC(0, 0), nullptr);    // no size asked: the existing DC
  ASSERT_NE(mem.hDC(60, 5), nullptr);   // wider but lower: grows in width only
  EXPECT_EQ(mem.Width(), 60);
  EXPECT_EQ(mem.Height(), 20);
  BITMAP info{};
  ASSERT_NE(::GetObjectA(::GetCurrentObject(mem.hDC(0, 0), OBJ_BITMAP), sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 60);
  EXPECT_EQ(info.bmHeight, 20);
}

TEST(PcMemDC, SizeWritesMakeTheBitmapOnceBothAreSet) {
  pcMemDC mem;
  mem.Width(30);
  EXPECT_EQ(mem.hDC(0, 0), nullptr);
  mem.Height(7);
  ASSERT_NE(mem.hDC(0, 0), nullptr);
  mem.Width(12);  // a new size gives a bitmap of that size
  BITMAP info{};
  ASSERT_NE(::GetObjectA(::GetCurrentObject(mem.hDC(0, 0), OBJ_BITMAP), sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 12);
  EXPECT_EQ(info.bmHeight, 7);
  mem.FreeMemDC();
  EXPECT_EQ(mem.Width(), 0);
  EXPECT_EQ(mem.Height(), 0);
  EXPECT_EQ(mem.hDC(0, 0), nullptr);
}

TEST(PcMemDC, CopiesAPictureAndDrawsPartsOrTheWhole) {
  const auto shade = [](int32_t x, int32_t y) { return RGB(40 * x, 60 * y, 7); };
  pcMemDC mem;
  {
    qb::win::GdiObject picture = qbp::test::MakePicture(4, 3, shade);
    ASSERT_TRUE(picture);
    ASSERT_TRUE(mem.CreateFromPicture(static_cast<HBITMAP>(picture.get())));
  }  // the copy lives on without the picture
  EXPECT_EQ(mem.Width(), 4);
  EXPECT_EQ(mem.Height(), 3);

  DibCanvas target(10, 10);
  ASSERT_TRUE(target.ok());
  target.Fill(RGB(1, 1, 1));
  mem.Draw(target.dc(), 0, 0, 0, 0, 5, 5);  // 0 stands for the whole picture
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(target.At(5 + x, 5 + y), shade(x, y));
  EXPECT_EQ(target.At(9, 5), RGB(1, 1, 1));

  target.Fill(RGB(1, 1, 1));
  mem.Draw(target.dc(), 2, 1, 1, 1, 0, 0);  // one pixel from 2,1
  EXPECT_EQ(target.At(0, 0), RGB(80, 60, 7));
  EXPECT_EQ(target.At(1, 0), RGB(1, 1, 1));
}

TEST(PcMemDC, RefusesAMissingPicture) {
  pcMemDC mem;
  EXPECT_FALSE(mem.CreateFromPicture(nullptr));
  EXPECT_EQ(mem.hDC(0, 0), nullptr);
}

}  // namespace
