// hgeSprite: corners and texture coordinates of every way of drawing, flips, texture changes, colours.
#include "engine/sprite.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fake_engine.h"

namespace {

constexpr HTEXTURE kTex = 3;     // 256 x 128
constexpr HTEXTURE kBigTex = 4;  // 512 x 256

class SpriteTest : public ::testing::Test {
 protected:
  SpriteTest() {
    hgeInstall(&fake);
    fake.SetTextureSize(kTex, 256, 128);
    fake.SetTextureSize(kBigTex, 512, 256);
  }

  // The last quad handed to the engine.
  const hgeQuad& Drawn() const { return fake.quads.back(); }

  FakeEngine fake;
};

void ExpectCorners(const hgeQuad& q, float x1, float y1, float x2, float y2) {
  EXPECT_FLOAT_EQ(q.v[0].x, x1);
  EXPECT_FLOAT_EQ(q.v[0].y, y1);
  EXPECT_FLOAT_EQ(q.v[1].x, x2);
  EXPECT_FLOAT_EQ(q.v[1].y, y1);
  EXPECT_FLOAT_EQ(q.v[2].x, x2);
  EXPECT_FLOAT_EQ(q.v[2].y, y2);
  EXPECT_FLOAT_EQ(q.v[3].x, x1);
  EXPECT_FLOAT_EQ(q.v[3].y, y2);
}

// Texture coordinates of the four corners, clockwise from the top-left one.
void ExpectUV(const hgeQuad& q, float u1, float v1, float u2, float v2) {
  EXPECT_FLOAT_EQ(q.v[0].tx, u1);
  EXPECT_FLOAT_EQ(q.v[0].ty, v1);
  EXPECT_FLOAT_EQ(q.v[1].tx, u2);
  EXPECT_FLOAT_EQ(q.v[1].ty, v1);
  EXPECT_FLOAT_EQ(q.v[2].tx, u2);
  EXPECT_FLOAT_EQ(q.v[2].ty, v2);
  EXPECT_FLOAT_EQ(q.v[3].tx, u1);
  EXPECT_FLOAT_EQ(q.v[3].ty, v2);
}

TEST_F(SpriteTest, ConstructionCutsTheRectangleAndHoldsItsOwnEngineReference) {
  {
    hgeSprite s(kTex, 32, 16, 64, 32);
    EXPECT_EQ(fake.refs, 1);
    hgeSprite copy(s);
    EXPECT_EQ(fake.refs, 2);
    s.Render(0, 0);
    const hgeQuad& q = Drawn();
    ExpectUV(q, 0.125f, 0.125f, 0.375f, 0.375f);
    EXPECT_EQ(q.tex, kTex);
    EXPECT_EQ(q.blend, 2);
    for (const hgeVertex& v : q.v) {
      EXPECT_FLOAT_EQ(v.z, 0.5f);
      EXPECT_EQ(v.col, 0xFFFFFFFFu);
    }
  }
  EXPECT_EQ(fake.refs, 0);
}

TEST_F(SpriteTest, RenderPlacesTheHotSpotAtThePoint) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.Render(100, 200);
  ExpectCorners(Drawn(), 100, 200, 164, 232);
  s.SetHotSpot(10, 5);
  s.Render(100, 200);
  ExpectCorners(Drawn(), 90, 195, 154, 227);
  s.RenderStretch(10, 20, 110, 70);  // size and hot spot do not count
  ExpectCorners(Drawn(), 10, 20, 110, 70);
}

TEST_F(SpriteTest, RenderExScalesAboutTheHotSpot) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.SetHotSpot(10, 5);
  s.RenderEx(100, 200, 0.0f, 2.0f);  // vertical scale 0: both axes by 2
  ExpectCorners(Drawn(), 80, 190, 208, 254);
  s.RenderEx(100, 200, 0.0f, 0.5f, 0.0f);  // the item pictures' half size
  ExpectCorners(Drawn(), 95, 197.5f, 127, 213.5f);
  s.RenderEx(100, 200, 0.0f, 2.0f, 3.0f);
  ExpectCorners(Drawn(), 80, 185, 208, 281);
}

TEST_F(SpriteTest, RenderExRotatesEveryCornerAboutThePoint) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.SetHotSpot(10, 5);
  const float quarter = static_cast<float>(M_PI / 2);
  s.RenderEx(100, 200, quarter, 1.0f);
  // A quarter turn maps (dx, dy) to (-dy, dx).
  const hgeQuad& q = Drawn();
  const float expected[4][2] = {{105, 190}, {105, 254}, {73, 254}, {73, 190}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_NEAR(q.v[i].x, expected[i][0], 1e-3) << "corner " << i;
    EXPECT_NEAR(q.v[i].y, expected[i][1], 1e-3) << "corner " << i;
  }
  ExpectUV(q, 0.125f, 0.125f, 0.375f, 0.375f);
}

TEST_F(SpriteTest, FlipsMirrorTheTextureAndOptionallyTheHotSpot) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.SetFlip(true, false);
  s.Render(0, 0);
  ExpectUV(Drawn(), 0.375f, 0.125f, 0.125f, 0.375f);
  s.SetFlip(false, true);
  s.Render(0, 0);
  ExpectUV(Drawn(), 0.125f, 0.375f, 0.375f, 0.125f);
  s.SetFlip(false, false);
  s.Render(0, 0);
  ExpectUV(Drawn(), 0.125f, 0.125f, 0.375f, 0.375f);

  s.SetHotSpot(10, 5);
  s.SetFlip(true, false, true);
  s.Render(100, 100);
  ExpectCorners(Drawn(), 46, 95, 110, 127);  // hot spot mirrored to x = 54
  s.SetFlip(false, false, true);
  s.Render(100, 100);
  ExpectCorners(Drawn(), 90, 95, 154, 127);  // and back
}

TEST_F(SpriteTest, SetTextureRectMovesTheRectangleAndKeepsFlips) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.SetFlip(true, false);
  s.SetTextureRect(64, 32, 16, 8);
  s.Render(0, 0);
  ExpectCorners(Drawn(), 0, 0, 16, 8);
  ExpectUV(Drawn(), 80.0f / 256, 0.25f, 64.0f / 256, 40.0f / 128);

  s.SetFlip(false, false);
  s.SetTextureRect(128, 0, 32, 32, false);  // same drawn size, other pixels
  s.Render(0, 0);
  ExpectCorners(Drawn(), 0, 0, 16, 8);
  ExpectUV(Drawn(), 0.5f, 0.0f, 0.625f, 0.25f);
}

TEST_F(SpriteTest, SetTextureKeepsThePixelRectangle) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.SetTexture(kBigTex);
  s.Render(0, 0);
  EXPECT_EQ(Drawn().tex, kBigTex);
  ExpectUV(Drawn(), 32.0f / 512, 16.0f / 256, 96.0f / 512, 48.0f / 256);
  s.SetTexture(0);
  s.Render(0, 0);
  ExpectUV(Drawn(), 32, 16, 96, 48);
  s.SetTexture(kTex);
  s.Render(0, 0);
  ExpectUV(Drawn(), 0.125f, 0.125f, 0.375f, 0.375f);
}

TEST_F(SpriteTest, SetColorChangesAllOrOneVertex) {
  hgeSprite s(kTex, 0, 0, 8, 8);
  s.SetColor(0x80FF0000);
  s.SetColor(0xFF00FF00, 2);
  s.SetColor(0x12345678, 4);   // no such vertex: ignored
  s.SetColor(0x12345678, -2);  // likewise
  s.Render(0, 0);
  const hgeQuad& q = Drawn();
  EXPECT_EQ(q.v[0].col, 0x80FF0000u);
  EXPECT_EQ(q.v[1].col, 0x80FF0000u);
  EXPECT_EQ(q.v[2].col, 0xFF00FF00u);
  EXPECT_EQ(q.v[3].col, 0x80FF0000u);
}

}  // namespace
