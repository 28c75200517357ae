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

  // The frame's left and top edge in texture pixels, read back from the quad.
  static void Origin(const hgeSpriteStrip& s, float* left, float* top) {
    *left = s.GetQuad().v[0].tx * 128;
    *top = s.GetQuad().v[0].ty * 128;
  }

  static void ExpectFrameAt(hgeSpriteStrip& s, int n, float left, float top) {
    s.SetFrame(n);
    float l, t;
    Origin(s, &l, &t);
    EXPECT_NEAR(l, left, 1e-3) << "frame " << n;
    EXPECT_NEAR(t, top, 1e-3) << "frame " << n;
  }

  FakeEngine fake;
};

TEST_F(StripTest, FramesRunRightThenWrapOntoRowsOfTheImageWidth) {
  // Three 30-pixel columns fit the 100-pixel image (the 128-pixel texture would hold four).
  hgeSpriteStrip s(kTex, 10, 10.0f, 0, 0, 30, 20);
  ExpectFrameAt(s, 1, 30, 0);
  ExpectFrameAt(s, 2, 60, 0);
  ExpectFrameAt(s, 3, 0, 20);
  ExpectFrameAt(s, 7, 30, 40);
  s.SetFrame(7);
  EXPECT_NEAR(s.GetQuad().v[2].tx * 128, 60, 1e-3);
  EXPECT_NEAR(s.GetQuad().v[2].ty * 128, 60, 1e-3);
}

TEST_F(StripTest, FrameNumbersWrapAroundTheCount) {
  hgeSpriteStrip s(kTex, 10, 10.0f, 0, 0, 30, 20);
  s.SetFrame(10);
  EXPECT_EQ(s.GetFrame(), 0);
  s.SetFrame(13);
  EXPECT_EQ(s.GetFrame(), 3);
  ExpectFrameAt(s, -1, 0, 60);  // frame 9
  EXPECT_EQ(s.GetFrame(), 9);
  s.SetFrame(-11);
  EXPECT_EQ(s.GetFrame(), 9);
}

TEST_F(StripTest, AStripStartingInsideARowWrapsFromItsOwnStart) {
  hgeSpriteStrip s(kTex, 6, 10.0f, 40, 10, 30, 20);
  ExpectFrameAt(s, 0, 40, 10);
  ExpectFrameAt(s, 1, 70, 10);  // right edge exactly at the image's edge: still in the row
  ExpectFrameAt(s, 2, 0, 30);   // [100 - 40] / 30 = 2 frames fit the first row
  ExpectFrameAt(s, 5, 0, 50);
}

TEST_F(StripTest, FrameWidthIsRoundedForTheColumnArithmetic) {
  // [33.6] = 34: two columns of 34 in 100 pixels (truncating to 33 would give three).
  hgeSpriteStrip s(kTex, 6, 10.0f, 0, 0, 33.6f, 20);
  ExpectFrameAt(s, 2, 0, 20);
  ExpectFrameAt(s, 3, 33.6f, 20);
  ExpectFrameAt(s, 4, 0, 40);
}

TEST_F(StripTest, FlipsAreAppliedToEveryNewFrame) {
  hgeSpriteStrip s(kTex, 10, 10.0f, 0, 0, 30, 20);
  s.SetFlip(true, false);
  s.SetFrame(1);
  EXPECT_NEAR(s.GetQuad().v[0].tx * 128, 60, 1e-3);
  EXPECT_NEAR(s.GetQuad().v[1].tx * 128, 30, 1e-3);
}

TEST_F(StripTest, DegenerateStripsNeverDivideByZero) {
  hgeSpriteStrip none(kTex, 0, 0.0f, 0, 0, 30, 20);
  none.SetFrame(5);
  EXPECT_EQ(none.GetFrame(), 0);
  EXPECT_FLOAT_EQ(none.GetSecondsPerFrame(), 0.0f);

  hgeSpriteStrip thin(kTex, 4, 10.0f, 0, 0, 0.2f, 20);  // rounds to a zero-pixel frame
  thin.SetFrame(3);
  EXPECT_EQ(thin.GetFrame(), 3);
  EXPECT_TRUE(std::isfinite(thin.GetQuad().v[0].tx));

  hgeSpriteStrip wide(kTex, 4, 10.0f, 0, 0, 150, 20);  // wider than the image: no whole column
  wide.SetFrame(2);
  EXPECT_EQ(wide.GetFrame(), 2);
  float left, top;
  Origin(wide, &left, &top);
  EXPECT_NEAR(left, 300, 1e-3);  // stays in its row
  EXPECT_NEAR(top, 0, 1e-3);
}

}  // namespace
