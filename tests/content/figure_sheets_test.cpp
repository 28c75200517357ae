// Checks of the figure sheets: every pose and dying frame is drawn, standing figures stand on their cell's
// centre, dying ends lying on the ground, and the survivors' fallen picture lies down.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "content/content_support.h"

namespace {

constexpr int kFrameW = 58, kFrameH = 83;
// A figure is drawn 11 px left of and 60 px above its cell's corner: the centre of a 36 x 26 cell lies at
// (29, 73) in the frame.
constexpr double kCentreX = 29.0, kCentreY = 73.0;

// The solid pixels (alpha above 200) of one frame, rows from `fromY` down.
struct Solid {
  int left = kFrameW, right = -1, top = kFrameH, bottom = -1, count = 0;
  double meanX = 0;

  Solid(const content::Pixels& px, int col, int row, int fromY = 0) {
    for (int y = fromY; y < kFrameH; ++y) {
      for (int x = 0; x < kFrameW; ++x) {
        if (px.At(col * kFrameW + x, row * kFrameH + y) <= 200) continue;
        left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = y;
        meanX += x;
        ++count;
      }
    }
    meanX /= std::max(count, 1);
  }
  bool Lying() const { return right - left > 2 * (bottom - top) && top > 50; }
};

TEST(FigureSheets, PosesAreDrawnStandingOnTheCellAndDyingEndsLyingDown) {
  for (const std::string sheet : {"man1", "man2", "man3", "man4", "man5", "zombie1"}) {
    const content::Pixels px = content::LoadPixels("Data/" + sheet + ".png");
    ASSERT_TRUE(px.w >= 9 * kFrameW && px.h >= 8 * kFrameH) << sheet;
    // Rows 0 to 3 walk in the four directions (9 frames), rows 4 to 7 collapse (5 frames).
    for (int row = 0; row < 8; ++row) {
      for (int col = 0; col < (row < 4 ? 9 : 5); ++col) {
        EXPECT_GT(Solid(px, col, row).count, 250)
            << sheet << " row " << row << " column " << col << " is empty";
      }
      const Solid e(px, row < 4 ? 0 : 4, row);
      if (row >= 4) {
        EXPECT_TRUE(e.Lying()) << sheet << " row " << row << " does not end lying on the ground";
      } else {
        EXPECT_NEAR(Solid(px, 0, row, e.bottom - 10).meanX, kCentreX, 2.5) << sheet << " row " << row;
        EXPECT_NEAR(e.bottom, kCentreY + 4, 4.0) << sheet << " row " << row << ": feet off the cell";
      }
    }
    // The game draws a fallen survivor with the frame at (0, 332): row 4, column 0.
    EXPECT_TRUE(sheet == "zombie1" || Solid(px, 0, 4).Lying()) << sheet << ": the fallen survivor stands";
  }
}

}  // namespace
