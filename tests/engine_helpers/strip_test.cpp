// hgeSpriteStrip: frame numbers wrap around, frames past the texture's edge continue on later rows.
#include "engine/strip.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_engine.h"

namespace {

constexpr HTEXTURE kTex = 9;  // image 100 x 100 held as a 128 x 128 texture

class StripTest : public ::testing::Test {
 protected:
  StripTest() {
    hgeInstall(&fake);
    fake.SetTextureSize(kTex, 128, 128, 100, 100);
  }

  FakeEngine fake;
};

// A corner of the current frame in texture pixels.
float U(const hgeSpriteStrip& s, int corner) {
  return s.GetQuad().v[corner].tx * 128;
}
float V(const hgeSpriteStrip& s, int corner) {
  return s.GetQuad().v[corner].ty * 128;
}

// Guards frame placement: frames run right and wrap onto rows as wide as the image (not the texture), a
// strip starting inside a row wraps from its own start, the frame width is rounded for the column count,
// and frame numbers wrap around the count both ways.
TEST_F(StripTest, FramesWrapOntoRowsOfTheImageWidth) {
  const struct {
    int frames;
    float x, y, w;
    int set, frame;
    float left, top;
  } rows[] = {
      {10, 0, 0, 30, 1, 1, 30, 0},   {10, 0, 0, 30, 2, 2, 60, 0},
      {10, 0, 0, 30, 3, 3, 0, 20},   {10, 0, 0, 30, 7, 7, 30, 40},  // 3 columns of 30 in 100 pixels, not 4
      {10, 0, 0, 30, 10, 0, 0, 0},   {10, 0, 0, 30, 13, 3, 0, 20},
      {10, 0, 0, 30, -1, 9, 0, 60},  {10, 0, 0, 30, -11, 9, 0, 60},
      {6, 40, 10, 30, 0, 0, 40, 10}, {6, 40, 10, 30, 1, 1, 70, 10},  // right edge at the image's edge
      {6, 40, 10, 30, 2, 2, 0, 30},  {6, 40, 10, 30, 5, 5, 0, 50},
      {6, 0, 0, 33.6f, 2, 2, 0, 20}, {6, 0, 0, 33.6f, 3, 3, 33.6f, 20},  // 2 columns of 34, not 3 of 33
      {6, 0, 0, 33.6f, 4, 4, 0, 40},
  };
  for (const auto& row : rows) {
    hgeSpriteStrip s(kTex, row.frames, 10.0f, row.x, row.y, row.w, 20);
    s.SetFrame(row.set);
    EXPECT_EQ(s.GetFrame(), row.frame) << row.x << " frame " << row.set;
    EXPECT_NEAR(U(s, 0), row.left, 1e-3) << row.x << " frame " << row.set;
    EXPECT_NEAR(V(s, 0), row.top, 1e-3) << row.x << " frame " << row.set;
  }
  hgeSpriteStrip s(kTex, 10, 10.0f, 0, 0, 30, 20);
  s.SetFrame(7);
  EXPECT_NEAR(U(s, 2), 60, 1e-3);
  EXPECT_NEAR(V(s, 2), 60, 1e-3);
  s.SetFlip(true, false);  // applied to every new frame
  s.SetFrame(1);
  EXPECT_NEAR(U(s, 0), 60, 1e-3);
  EXPECT_NEAR(U(s, 1), 30, 1e-3);
}

// Guards strips with no frames, frames rounding to zero pixels, or frames wider than the image: no division
// by zero, and a frame with no whole column stays in its row.
TEST_F(StripTest, DegenerateStripsNeverDivideByZero) {
  hgeSpriteStrip none(kTex, 0, 0.0f, 0, 0, 30, 20);
  none.SetFrame(5);
  EXPECT_EQ(none.GetFrame(), 0);
  EXPECT_FLOAT_EQ(none.GetSecondsPerFrame(), 0.0f);

  hgeSpriteStrip thin(kTex, 4, 10.0f, 0, 0, 0.2f, 20);
  thin.SetFrame(3);
  EXPECT_EQ(thin.GetFrame(), 3);
  EXPECT_TRUE(std::isfinite(thin.GetQuad().v[0].tx));

  hgeSpriteStrip wide(kTex, 4, 10.0f, 0, 0, 150, 20);
  wide.SetFrame(2);
  EXPECT_EQ(wide.GetFrame(), 2);
  EXPECT_NEAR(U(wide, 0), 300, 1e-3);
  EXPECT_NEAR(V(wide, 0), 0, 1e-3);
}

}  // namespace
