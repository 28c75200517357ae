// Checks of the figure sheets: every pose cell is drawn, figures stand centred on their cell, the fallen one
// lies.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "content/content_support.h"

namespace {

constexpr int kFrameW = 58, kFrameH = 83, kCols = 9, kRows = 8;
constexpr int kDeathFrames = 5;  // collapse frames at the start of each dying row
// A figure is drawn 11 px left of and 60 px above its cell's corner: the cell's centre is at (29, 73)
// in the frame for the 36 x 26 cells of the shipped map.
constexpr double kCentreX = 29.0, kCentreY = 73.0;

const char* const kSheets[] = {"Data/man1.png", "Data/man2.png", "Data/man3.png",
                               "Data/man4.png", "Data/man5.png", "Data/zombie1.png"};

// Extent of the solid pixels (alpha above 200) of one frame, rows from `fromY` down.
struct Extent {
  int left = kFrameW, right = -1, top = kFrameH, bottom = -1;
  double meanX = 0;
  int count = 0;
};

Extent Solid(const content::Pixels& px, int col, int row, int fromY = 0) {
  Extent e;
  for (int y = fromY; y < kFrameH; ++y) {
    for (int x = 0; x < kFrameW; ++x) {
      if (px.Alpha(col * kFrameW + x, row * kFrameH + y) <= 200) continue;
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

TEST_P(FigureSheets, HoldEveryPoseAndDyingFrame) {
  const content::Pixels px = content::LoadPixels(GetParam());
  ASSERT_GE(px.w, kCols * kFrameW);
  ASSERT_GE(px.h, kRows * kFrameH);
  for (int row = 0; row < kRows; ++row) {
    const int cols = row < 4 ? kCols : kDeathFrames;
    for (int col = 0; col < cols; ++col) {
      EXPECT_GT(Solid(px, col, row).count, 250) << "row " << row << ", column " << col << " is empty";
    }
  }
}

TEST_P(FigureSheets, StandingFiguresAreCentredOnTheirCell) {
  const content::Pixels px = content::LoadPixels(GetParam());
  ASSERT_GE(px.h, kRows * kFrameH);
  for (int row = 0; row < 4; ++row) {
    const Extent e = Solid(px, 0, row);
    const Extent legs = Solid(px, 0, row, e.bottom - 10);
    EXPECT_NEAR(legs.meanX, kCentreX, 2.5) << "facing " << row + 1 << ": not standing on the cell's centre";
    EXPECT_NEAR(e.meanX, kCentreX, 4.0) << "facing " << row + 1 << ": leaning out of the cell";
    EXPECT_NEAR(e.bottom, kCentreY + 4, 4.0) << "facing " << row + 1 << ": feet off the cell";
    EXPECT_GE(e.top, 2) << "facing " << row + 1 << ": head cut at the frame's top";
    EXPECT_GT(e.bottom - e.top, 45) << "facing " << row + 1 << ": too small to read";
  }
}

TEST_P(FigureSheets, DyingEndsLyingFlatOnTheCell) {
  const content::Pixels px = content::LoadPixels(GetParam());
  ASSERT_GE(px.h, kRows * kFrameH);
  for (int row = 4; row < kRows; ++row) {
    const Extent e = Solid(px, kDeathFrames - 1, row);
    EXPECT_GT(e.right - e.left, 2 * (e.bottom - e.top)) << "row " << row << " does not end lying down";
    EXPECT_GT(e.top, 50) << "row " << row << ": the body should lie on the ground of its cell";
  }
}

INSTANTIATE_TEST_SUITE_P(Shipped, FigureSheets, ::testing::ValuesIn(kSheets), [](const auto& info) {
  std::string name = info.param;
  return name.substr(5, name.size() - 9);  // "Data/man1.png" -> "man1"
});

TEST(FallenMember, FrameAtRowFourColumnZeroLiesDownInEverySurvivorSheet) {
  for (int i = 1; i <= 5; ++i) {
    const std::string file = "Data/man" + std::to_string(i) + ".png";
    const content::Pixels px = content::LoadPixels(file);
    ASSERT_GE(px.h, kRows * kFrameH) << file;
    const Extent e = Solid(px, 0, 4);
    EXPECT_GT(e.right - e.left, 2 * (e.bottom - e.top)) << file << ": (0, 332) must show the fallen member";
  }
}

}  // namespace
