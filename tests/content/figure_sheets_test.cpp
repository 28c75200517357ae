// Checks of the figure sheets: every pose and dying frame is drawn, standing figures are centred on their
// cell, dying ends lying on the ground, and the survivors' fallen picture lies down.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "content/content_support.h"

namespace {

constexpr int kFrameW = 58, kFrameH = 83, kCols = 9, kRows = 8;
constexpr int kDeathFrames = 5;  // collapse frames at the start of each dying row
// A figure is drawn 11 px left of and 60 px above its cell's corner: the centre of a 36 x 26 cell lies at
// (29, 73) in the frame.
constexpr double kCentreX = 29.0, kCentreY = 73.0;

// Extent of the solid pixels (alpha above 200) of one frame, rows from `fromY` down.
struct Extent {
  int left = kFrameW, right = -1, top = kFrameH, bottom = -1, count = 0;
  double meanX = 0;
  bool Lying() const { return right - left > 2 * (bottom - top); }
};

Extent Solid(const content::Pixels& px, int col, int row, int fromY = 0) {
  Extent e;
  for (int y = fromY; y < kFrameH; ++y) {
    for (int x = 0; x < kFrameW; ++x) {
      if (px.At(col * kFrameW + x, row * kFrameH + y) <= 200) continue;
      e.left = std::min(e.left, x);
      e.right = std::max(e.right, x);
      e.top = std::min(e.top, y);
      e.bottom = std::max(e.bottom, y);
      e.meanX += x;
      ++e.count;
    }
  }
  if (e.count > 0) e.meanX /= e.count;
  return e;
}

class FigureSheets : public ::testing::TestWithParam<const char*> {};

TEST_P(FigureSheets, PosesAreDrawnCentredOnTheCellAndDyingEndsLyingDown) {
  SCOPED_TRACE(GetParam());
  const content::Pixels px = content::LoadPixels(GetParam());
  ASSERT_GE(px.w, kCols * kFrameW);
  ASSERT_GE(px.h, kRows * kFrameH);
  for (int row = 0; row < kRows; ++row) {
    SCOPED_TRACE("row " + std::to_string(row));
    for (int col = 0; col < (row < 4 ? kCols : kDeathFrames); ++col) {
      EXPECT_GT(Solid(px, col, row).count, 250) << "column " << col << " is empty";
    }
    if (row < 4) {
      const Extent e = Solid(px, 0, row);
      EXPECT_NEAR(Solid(px, 0, row, e.bottom - 10).meanX, kCentreX, 2.5)
          << "not standing on the cell's centre";
      EXPECT_NEAR(e.bottom, kCentreY + 4, 4.0) << "feet off the cell";
    } else {
      const Extent e = Solid(px, kDeathFrames - 1, row);
      EXPECT_TRUE(e.Lying() && e.top > 50) << "does not end lying on the ground of its cell";
    }
  }
  // The game draws a fallen survivor with the frame at (0, 332): row 4, column 0.
  const bool survivor = std::string(GetParam()).find("man") != std::string::npos;
  EXPECT_TRUE(!survivor || Solid(px, 0, 4).Lying()) << "the fallen survivor does not lie down";
}

INSTANTIATE_TEST_SUITE_P(Shipped, FigureSheets,
                         ::testing::Values("Data/man1.png", "Data/man2.png", "Data/man3.png", "Data/man4.png",
                                           "Data/man5.png", "Data/zombie1.png"));

}  // namespace
