// Headless scenes: recorded quads, batches, failed and real textures, render targets and shots.
#include <functional>

#include "backend_fixture.h"

namespace {

HGE* sceneEngine = nullptr;
std::function<void()> draw;  // what the render callback draws in the current test

bool NoFrameWork() {
  return false;
}
bool RenderDraw() {
  draw();
  return false;
}

// An axis-aligned quad of one colour over (x1, y1)-(x2, y2) showing the whole of `tex`.
hgeQuad Quad(HTEXTURE tex, float x1, float y1, float x2, float y2, uint32_t color,
             int blend = BLEND_DEFAULT) {
  hgeQuad q;
  const float xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
  const float us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) q.v[i] = hgeVertex{xs[i], ys[i], 0.5f, color, us[i], vs[i]};
  q.tex = tex;
  q.blend = blend;
  return q;
}

void Render(const hgeQuad& q) {
  sceneEngine->Gfx_RenderQuad(&q);
}

class Scenes : public HeadlessTest {
 protected:
  void Install(const hgeRunOptions& options = hgeRunOptions()) {
    sceneEngine = Start(options);
    engine->System_SetState(HGE_FRAMEFUNC, NoFrameWork);
    engine->System_SetState(HGE_RENDERFUNC, RenderDraw);
  }
};

}  // namespace

TEST_F(Scenes, ScreenQuadsAreRecordedAndBatchedPerTextureAndBlend) {
  Install();
  const HTEXTURE a = engine->Texture_Load(MakePicture().c_str(), 0, false);
  const HTEXTURE b = engine->Texture_Load("no/such/picture.png", 0, false);
  const HTARGET target = engine->Target_Create(32, 32, false);
  draw = [&] {
    engine->Gfx_BeginScene(target);  // a target scene: its batch counts, its quads are not recorded
    Render(Quad(a, 0, 0, 8, 8, 0xFFFFFFFF));
    engine->Gfx_EndScene();
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    Render(Quad(a, 0, 0, 10, 10, 0xFFFFFFFF));
    Render(Quad(a, 10, 0, 20, 10, 0xFFFFFFFF));  // same texture and blend: same batch
    Render(Quad(b, 20, 0, 30, 10, 0xFFFFFFFF));
    Render(Quad(a, 30, 0, 40, 10, 0xFFFFFFFF));
    Render(Quad(a, 40, 0, 50, 10, 0xFFFFFFFF, BLEND_ALPHAADD));  // blend change: new batch
    Render(Quad(0, 50, 0, 60, 10, 0xFF00FF00, BLEND_ALPHAADD));
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(1);
  EXPECT_EQ(engine->Gfx_GetDrawCalls(), 1 + 5);
  const std::vector<hgeQuad>& quads = engine->Gfx_GetRecordedQuads();
  ASSERT_EQ(quads.size(), 6u);
  const HTEXTURE textures[6] = {a, a, b, a, a, 0};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(quads[i].tex, textures[i]) << i;
  EXPECT_EQ(quads[5].v[2].x, 60.0f);
  EXPECT_EQ(quads[5].v[2].col, 0xFF00FF00u);

  // A frame that draws nothing leaves the last completed scene recorded and counts no calls.
  draw = [] {};
  HeadlessRunFrames(1);
  EXPECT_EQ(engine->Gfx_GetDrawCalls(), 0);
  EXPECT_EQ(engine->Gfx_GetRecordedQuads().size(), 6u);
}

TEST_F(Scenes, TexturesKnowTheirSizesAndFailedLoadsAreOneByOne) {
  Install();
  const HTEXTURE real = engine->Texture_Load(MakePicture().c_str(), 0, false);
  EXPECT_EQ(engine->Texture_GetWidth(real), 2);
  EXPECT_EQ(engine->Texture_GetHeight(real, true), 2);
  const HTEXTURE missing = engine->Texture_Load("no/such/picture.png", 0, false);
  const std::string junk = "not a picture at all";
  const HTEXTURE garbage = engine->Texture_Load(junk.data(), static_cast<uint32_t>(junk.size()), false);
  for (HTEXTURE failed : {missing, garbage}) {
    EXPECT_NE(failed, 0u);
    EXPECT_NE(failed, real);
    EXPECT_EQ(engine->Texture_GetWidth(failed), 1);
    EXPECT_EQ(engine->Texture_GetHeight(failed, true), 1);
  }
  engine->Texture_Free(real);
  EXPECT_EQ(engine->Texture_GetWidth(real), 0);
}

TEST_F(Scenes, RenderTargetsKeepTheirTextureAndRefuseUnknownHandles) {
  Install();
  const HTARGET target = engine->Target_Create(64, 32, false);
  ASSERT_NE(target, 0u);
  const HTEXTURE tex = engine->Target_GetTexture(target);
  ASSERT_NE(tex, 0u);
  EXPECT_EQ(engine->Texture_GetWidth(tex), 64);
  EXPECT_EQ(engine->Texture_GetHeight(tex), 32);
  EXPECT_EQ(engine->Target_Create(0, 10, false), 0u);
  bool began = false, unknownBegan = true;
  draw = [&] {
    began = engine->Gfx_BeginScene(target);
    engine->Gfx_EndScene();
    unknownBegan = engine->Gfx_BeginScene(target + 100);
  };
  HeadlessRunFrames(2);
  EXPECT_TRUE(began);
  EXPECT_FALSE(unknownBegan);
  EXPECT_EQ(engine->Target_GetTexture(target), tex);
  engine->Target_Free(target);
  EXPECT_EQ(engine->Target_GetTexture(target), 0u);
  EXPECT_EQ(engine->Texture_GetWidth(tex), 0);
}

TEST_F(Scenes, ShotsShowColouredTexturedAndBlendedQuads) {
  const std::string shot = ScratchPath("shot.png");
  std::remove(shot.c_str());
  hgeRunOptions options;
  options.shots = {{2, shot}};
  Install(options);
  const HTEXTURE picture = engine->Texture_Load(MakePicture().c_str(), 0, false);
  const HTEXTURE missing = engine->Texture_Load("no/such/picture.png", 0, false);
  const HTARGET target = engine->Target_Create(100, 100, false);
  draw = [&] {
    if (engine->System_GetFrame() == 1) {  // fills the target once; it must keep its pixels
      engine->Gfx_BeginScene(target);
      engine->Gfx_Clear(0xFF0000FF);
      engine->Gfx_EndScene();
    }
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    Render(Quad(0, 0, 0, 100, 100, 0xFFFF0000));
    Render(Quad(0, 50, 0, 100, 100, 0x8000FF00));  // half-transparent green over the red's right half
    Render(Quad(picture, 200, 0, 400, 200, 0xFFFFFFFF));
    Render(Quad(picture, 400, 0, 600, 200, 0xFF808080));  // colour multiplies the texels
    Render(Quad(missing, 0, 300, 100, 400, 0xFFFFFFFF));  // draws nothing
    Render(Quad(engine->Target_GetTexture(target), 600, 300, 700, 400, 0xFFFFFFFF));
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(2);
  ASSERT_EQ(PixelOf(shot, 0, 0) >> 24, 0u) << "shot missing";
  EXPECT_EQ(PixelOf(shot, 25, 50), 0xFF0000u);
  const uint32_t mixed = PixelOf(shot, 75, 50);
  EXPECT_NEAR(static_cast<int>(mixed >> 16), 127, 2);
  EXPECT_NEAR(static_cast<int>((mixed >> 8) & 0xFF), 128, 2);
  EXPECT_EQ(mixed & 0xFF, 0u);
  EXPECT_EQ(PixelOf(shot, 150, 50), 0x000000u);
  EXPECT_EQ(PixelOf(shot, 250, 50), 0xFF0000u);
  EXPECT_EQ(PixelOf(shot, 350, 50), 0x00FF00u);
  EXPECT_EQ(PixelOf(shot, 250, 150), 0x0000FFu);
  EXPECT_EQ(PixelOf(shot, 350, 150), 0xFFFFFFu);
  const uint32_t dimmed = PixelOf(shot, 550, 150);
  EXPECT_NEAR(static_cast<int>(dimmed & 0xFF), 0x80, 2);
  EXPECT_EQ(PixelOf(shot, 50, 350), 0x000000u);
  EXPECT_EQ(PixelOf(shot, 650, 350), 0x0000FFu);
}
