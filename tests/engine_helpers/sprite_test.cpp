// hgeSprite and hgeSpriteStrip: corners and texture coordinates of every way of drawing, flips, texture
// changes, colours, and strip frames wrapping onto rows.
#include "engine/sprite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "engine/strip.h"
#include "support/fake_engine.h"

namespace {

constexpr HTEXTURE kTex = 3;       // 256 x 128
constexpr HTEXTURE kBigTex = 4;    // 512 x 256
constexpr HTEXTURE kStripTex = 9;  // image 100 x 100 held as a 128 x 128 texture

// An axis-aligned rectangle of four corners given clockwise from the top-left one, as "x1,y1-x2,y2"
// ("not a rectangle" otherwise), in screen (x, y) or texture (tx, ty) coordinates.
std::string Box(const hgeQuad& q, float hgeVertex::*fx, float hgeVertex::*fy) {
  const hgeVertex* v = q.v;
  if (v[1].*fy != v[0].*fy || v[1].*fx != v[2].*fx || v[3].*fx != v[0].*fx || v[3].*fy != v[2].*fy) {
    return "not a rectangle";
  }
  char text[80];
  std::snprintf(text, sizeof text, "%g,%g-%g,%g", v[0].*fx, v[0].*fy, v[2].*fx, v[2].*fy);
  return text;
}
std::string Corners(const hgeQuad& q) {
  return Box(q, &hgeVertex::x, &hgeVertex::y);
}
std::string UV(const hgeQuad& q) {
  return Box(q, &hgeVertex::tx, &hgeVertex::ty);
}

class SpriteTest : public ::testing::Test {
 protected:
  SpriteTest() {
    hgeInstall(&fake);
    fake.SetTextureSize(kTex, 256, 128);
    fake.SetTextureSize(kBigTex, 512, 256);
    fake.SetTextureSize(kStripTex, 128, 128, 100, 100);
  }

  // The last quad handed to the engine.
  const hgeQuad& Drawn() const { return fake.quads.back(); }

  FakeEngine fake;
};

// Guards construction (the rectangle's texture coordinates, an engine reference held by every copy) and
// SetColor (all vertices or one, indices outside 0..3 ignored).
TEST_F(SpriteTest, ConstructionCutsTheRectangleAndSetColorReachesAllOrOneVertex) {
  {
    hgeSprite s(kTex, 32, 16, 64, 32);
    hgeSprite copy(s);
    EXPECT_EQ(fake.refs, 2);
    s.SetColor(0x80FF0000);
    for (int index : {2, 4, -2}) s.SetColor(index == 2 ? 0xFF00FF00 : 0x12345678, index);
    s.Render(0, 0);
    EXPECT_EQ(UV(Drawn()), "0.125,0.125-0.375,0.375");
    EXPECT_EQ(Drawn().tex, kTex);
    const uint32_t expected[4] = {0x80FF0000u, 0x80FF0000u, 0xFF00FF00u, 0x80FF0000u};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Drawn().v[i].col, expected[i]) << i;
  }
  EXPECT_EQ(fake.refs, 0);
}

// Guards placement and texture coordinates: the hot spot at the point, stretching ignoring size and hot spot,
// scaling about the hot spot (a vertical scale of 0 meaning the horizontal one), flips mirroring the texture
// coordinates, a new rectangle keeping the flips, a new texture keeping the pixel rectangle (texture 0:
// pixels as is).
TEST_F(SpriteTest, RenderPlacesTheHotSpotAndCutsThePixels) {
  hgeSprite s(kTex, 32, 16, 64, 32);
  s.Render(100, 200);
  EXPECT_EQ(Corners(Drawn()), "100,200-164,232");
  s.SetHotSpot(10, 5);
  s.Render(100, 200);
  EXPECT_EQ(Corners(Drawn()), "90,195-154,227");
  s.RenderStretch(10, 20, 110, 70);
  EXPECT_EQ(Corners(Drawn()), "10,20-110,70");
  s.RenderEx(100, 200, 0.0f, 0.5f, 0.0f);  // the item pictures' half size
  EXPECT_EQ(Corners(Drawn()), "95,197.5-127,213.5");
  s.SetFlip(false, true);
  s.Render(0, 0);
  EXPECT_EQ(UV(Drawn()), "0.125,0.375-0.375,0.125");

  hgeSprite r(kTex, 32, 16, 64, 32);
  r.SetFlip(true, false);
  r.SetTextureRect(64, 32, 16, 8);
  r.Render(0, 0);
  EXPECT_EQ(Corners(Drawn()), "0,0-16,8");
  EXPECT_EQ(UV(Drawn()), "0.3125,0.25-0.25,0.3125");

  hgeSprite t(kTex, 32, 16, 64, 32);
  const struct {
    HTEXTURE tex;
    const char* uv;
  } textures[] = {
      {kBigTex, "0.0625,0.0625-0.1875,0.1875"}, {0, "32,16-96,48"}, {kTex, "0.125,0.125-0.375,0.375"}};
  for (const auto& row : textures) {
    t.SetTexture(row.tex);
    t.Render(0, 0);
    EXPECT_EQ(Drawn().tex, row.tex);
    EXPECT_EQ(UV(Drawn()), row.uv) << row.tex;
  }
}

// A corner of the strip's current frame in texture pixels.
float U(const hgeSpriteStrip& s, int corner) {
  return s.GetQuad().v[corner].tx * 128;
}
float V(const hgeSpriteStrip& s, int corner) {
  return s.GetQuad().v[corner].ty * 128;
}

// Guards strip frames: they run right and wrap onto rows as wide as the image (not the texture), a strip
// starting inside a row wraps from its own start, the frame width is rounded for the column count, frame
// numbers wrap around the count both ways.
TEST_F(SpriteTest, StripFramesWrapOntoRowsOfTheImageWidth) {
  const struct {
    int frames;
    float x, y, w;
    int set, frame;
    float left, top;
  } rows[] = {
      {10, 0, 0, 30, 2, 2, 60, 0},   {10, 0, 0, 30, 3, 3, 0, 20},  // 3 columns of 30 in 100 pixels, not 4
      {10, 0, 0, 30, 13, 3, 0, 20},  {10, 0, 0, 30, -11, 9, 0, 60},
      {6, 40, 10, 30, 1, 1, 70, 10}, {6, 40, 10, 30, 2, 2, 0, 30},       // right edge at the image's edge
      {6, 0, 0, 33.6f, 2, 2, 0, 20}, {6, 0, 0, 33.6f, 3, 3, 33.6f, 20},  // 2 columns of 34, not 3 of 33
  };
  for (const auto& row : rows) {
    hgeSpriteStrip s(kStripTex, row.frames, 10.0f, row.x, row.y, row.w, 20);
    s.SetFrame(row.set);
    EXPECT_EQ(s.GetFrame(), row.frame) << row.x << " frame " << row.set;
    EXPECT_NEAR(U(s, 0), row.left, 1e-3) << row.x << " frame " << row.set;
    EXPECT_NEAR(V(s, 0), row.top, 1e-3) << row.x << " frame " << row.set;
  }
}

// Guards strips with no frames, frames rounding to zero pixels, or frames wider than the image: no division
// by zero, and a frame with no whole column stays in its row.
TEST_F(SpriteTest, DegenerateStripsNeverDivideByZero) {
  hgeSpriteStrip none(kStripTex, 0, 0.0f, 0, 0, 30, 20);
  none.SetFrame(5);
  EXPECT_EQ(none.GetFrame(), 0);
  EXPECT_FLOAT_EQ(none.GetSecondsPerFrame(), 0.0f);

  hgeSpriteStrip thin(kStripTex, 4, 10.0f, 0, 0, 0.2f, 20);
  thin.SetFrame(3);
  EXPECT_EQ(thin.GetFrame(), 3);
  EXPECT_TRUE(std::isfinite(thin.GetQuad().v[0].tx));

  hgeSpriteStrip wide(kStripTex, 4, 10.0f, 0, 0, 150, 20);
  wide.SetFrame(2);
  EXPECT_NEAR(U(wide, 0), 300, 1e-3);
  EXPECT_NEAR(V(wide, 0), 0, 1e-3);
}

}  // namespace
