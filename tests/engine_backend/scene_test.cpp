// Headless scenes: recorded quads, batches, failed and real textures, render targets and shots.
#include <functional>

#include "backend_fixture.h"

namespace {

std::function<void()> draw;  // what the render callback draws in the current test
bool RenderDraw() {
  draw();
  return false;
}

class Scenes : public EngineTest {
 protected:
  void Install(const hgeRunOptions& options = hgeRunOptions()) {
    Start(options);
    engine->System_SetState(HGE_FRAMEFUNC, [] { return false; });
    engine->System_SetState(HGE_RENDERFUNC, RenderDraw);
  }
};

}  // namespace

// Guards batching (a new draw call per texture or blend change, target scenes counted but not recorded),
// the recorded screen quads, and a scene the render callback left open being closed at the frame's end.
TEST_F(Scenes, ScreenQuadsAreRecordedAndBatchedPerTextureAndBlend) {
  Install();
  const HTEXTURE a = engine->Texture_Load(MakePicture().c_str(), 0, false);
  const HTEXTURE b = engine->Texture_Load("no/such/picture.png", 0, false);
  const HTARGET target = engine->Target_Create(32, 32, false);
  draw = [&] {
    engine->Gfx_BeginScene(target);
    DrawRect(a, 0, 0, 8, 8, 0xFFFFFFFF);
    engine->Gfx_EndScene();
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    DrawRect(a, 0, 0, 10, 10, 0xFFFFFFFF);
    DrawRect(a, 10, 0, 20, 10, 0xFFFFFFFF);  // same texture and blend: same batch
    DrawRect(b, 20, 0, 30, 10, 0xFFFFFFFF);
    DrawRect(b, 30, 0, 40, 10, 0xFF00FF00, BLEND_ALPHAADD);
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(1);
  EXPECT_EQ(engine->Gfx_GetDrawCalls(), 1 + 3);
  const std::vector<hgeQuad>& quads = engine->Gfx_GetRecordedQuads();
  ASSERT_EQ(quads.size(), 4u);
  EXPECT_EQ(quads[2].tex, b);
  EXPECT_EQ(quads[3].v[2].col, 0xFF00FF00u);

  bool began = false;
  draw = [&] {
    began = engine->Gfx_BeginScene(0);
    DrawRect(a, 0, 0, 10, 10, 0xFFFFFFFF);  // and no Gfx_EndScene
  };
  for (int frame = 0; frame < 2; ++frame) {
    began = false;
    HeadlessRunFrames(1);
    EXPECT_TRUE(began) << "the open scene of the frame before was not closed";
    EXPECT_EQ(engine->Gfx_GetDrawCalls(), 1);
    EXPECT_EQ(engine->Gfx_GetRecordedQuads().size(), 1u);
  }
}

// Guards texture sizes (a failed load is a 1 x 1 stand-in drawing nothing, a freed one has none), render
// targets (their texture and pixels kept across frames, unknown handles refused, freed with the target), and
// the headless rasteriser behind shots: colours, texels and alpha blending.
TEST_F(Scenes, TexturesTargetsAndShots) {
  const std::string shot = File("shot.png");
  hgeRunOptions options;
  options.shots = {{2, shot}};
  Install(options);
  const HTEXTURE picture = engine->Texture_Load(MakePicture().c_str(), 0, false);
  EXPECT_EQ(engine->Texture_GetHeight(picture, true), 2);
  const std::string junk = "not a picture at all";
  const HTEXTURE failed = engine->Texture_Load(junk.data(), static_cast<uint32_t>(junk.size()), false);
  EXPECT_TRUE(failed != 0 && failed != picture);
  EXPECT_EQ(engine->Texture_GetWidth(failed), 1);
  const HTARGET target = engine->Target_Create(100, 50, false);
  const HTEXTURE tex = engine->Target_GetTexture(target);
  EXPECT_EQ(engine->Texture_GetHeight(tex), 50);
  EXPECT_EQ(engine->Target_Create(0, 10, false), 0u);
  bool unknownBegan = true;
  draw = [&] {
    if (engine->System_GetFrame() == 1) {
      EXPECT_TRUE(engine->Gfx_BeginScene(target));
      engine->Gfx_Clear(0xFF0000FF);
      engine->Gfx_EndScene();
      unknownBegan = engine->Gfx_BeginScene(target + 100);
    }
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    DrawRect(0, 0, 0, 100, 100, 0xFFFF0000);
    DrawRect(0, 50, 0, 100, 100, 0x8000FF00);  // half-transparent green over the red's right half
    DrawRect(picture, 200, 0, 400, 200, 0xFFFFFFFF);
    DrawRect(failed, 0, 300, 100, 400, 0xFFFFFFFF);
    DrawRect(engine->Target_GetTexture(target), 600, 300, 700, 400, 0xFFFFFFFF);
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(2);
  ASSERT_EQ(PixelOf(shot, 0, 0) >> 24, 0u) << "shot missing";
  // The colour, the picture's top-right texel (not mirrored or turned), a failed texture drawing nothing, and
  // the target's blue from frame 1.
  const struct {
    int x, y;
    uint32_t rgb;
  } pixels[] = {{25, 50, 0xFF0000}, {350, 50, 0x00FF00}, {50, 350, 0}, {650, 350, 0x0000FF}};
  for (const auto& p : pixels) EXPECT_EQ(PixelOf(shot, p.x, p.y), p.rgb) << p.x << "," << p.y;
  const uint32_t mixed = PixelOf(shot, 75, 50);
  EXPECT_NEAR(static_cast<int>(mixed >> 16), 127, 2);
  EXPECT_NEAR(static_cast<int>((mixed >> 8) & 0xFF), 128, 2);
  EXPECT_FALSE(unknownBegan);
  EXPECT_EQ(engine->Target_GetTexture(target), tex);
  engine->Texture_Free(picture);
  EXPECT_EQ(engine->Texture_GetWidth(picture), 0);
  engine->Target_Free(target);
  EXPECT_EQ(engine->Target_GetTexture(target), 0u);
  EXPECT_EQ(engine->Texture_GetWidth(tex), 0);
}

// A target drawn into itself (the team screen copies a picked card within its card surface) reads the
// target as it was before the draw: shifted down by 10 pixels, a red band at the top ends 10 pixels lower,
// and what was blue below it stays blue, instead of the band smearing down the rows already written.
TEST_F(Scenes, ATargetDrawnIntoItselfReadsItsPictureFromBeforeTheDraw) {
  const std::string shot = File("shot.png");
  hgeRunOptions options;
  options.shots = {{1, shot}};
  Install(options);
  const HTARGET target = engine->Target_Create(100, 50, false);
  const HTEXTURE tex = engine->Target_GetTexture(target);
  draw = [&] {
    engine->Gfx_BeginScene(target);
    engine->Gfx_Clear(0xFF0000FF);
    DrawRect(0, 0, 0, 100, 10, 0xFFFF0000);
    engine->Gfx_EndScene();
    engine->Gfx_BeginScene(target);
    DrawRect(tex, 0, 10, 100, 60, 0xFFFFFFFF);
    engine->Gfx_EndScene();
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    DrawRect(tex, 0, 0, 100, 50, 0xFFFFFFFF);
    DrawRect(tex, 200, 0, 300, 50, 0xFFFFFFFF);  // the target read twice in one scene of the screen
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(1);
  for (int x : {50, 250}) {
    EXPECT_EQ(PixelOf(shot, x, 5), 0xFF0000u) << x;
    EXPECT_EQ(PixelOf(shot, x, 15), 0xFF0000u) << x;
    EXPECT_EQ(PixelOf(shot, x, 25), 0x0000FFu) << x;
    EXPECT_EQ(PixelOf(shot, x, 45), 0x0000FFu) << x;
  }
}

// A texture loaded again from another file (the pictures with words when the language changes) keeps its
// handle, so every sprite cut from it draws the new picture; a target's texture is not reloaded.
TEST_F(Scenes, AReloadedTextureKeepsItsHandleAndDrawsTheNewPicture) {
  const std::string shot = File("reloaded.png");
  hgeRunOptions options;
  options.shots = {{1, shot}};
  Install(options);
  const HTEXTURE picture = engine->Texture_Load(MakePicture().c_str(), 0, false);
  const std::string bluePath = File("blue.png");
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 4, 3, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_FillRect(s, nullptr, 0xFF0000FF);
  IMG_SavePNG(s, bluePath.c_str());
  SDL_FreeSurface(s);
  engine->Texture_Reload(picture, bluePath.c_str());
  EXPECT_EQ(engine->Texture_GetWidth(picture, true), 4);
  EXPECT_EQ(engine->Texture_GetHeight(picture, true), 3);
  const HTARGET target = engine->Target_Create(16, 16, false);
  engine->Texture_Reload(engine->Target_GetTexture(target), bluePath.c_str());
  EXPECT_EQ(engine->Texture_GetWidth(engine->Target_GetTexture(target)), 16);
  draw = [&] {
    engine->Gfx_BeginScene(0);
    engine->Gfx_Clear(0);
    DrawRect(picture, 0, 0, 100, 100, 0xFFFFFFFF);
    engine->Gfx_EndScene();
  };
  HeadlessRunFrames(1);
  EXPECT_EQ(PixelOf(shot, 10, 10), 0x0000FFu);  // was the picture's red quarter
  EXPECT_EQ(PixelOf(shot, 90, 90), 0x0000FFu);  // was its white one
  engine->Texture_Reload(picture, "no/such/picture.png");
  EXPECT_EQ(engine->Texture_GetWidth(picture), 1);  // a failed load draws harmlessly, as Texture_Load's
}
