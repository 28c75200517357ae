// The SDL window scaled: starting scale, mouse in logical coordinates with bars, fullscreen keys, shots.
#include "engine/sdl/sdl_window.h"

#include <SDL2/SDL.h>

#include "backend_fixture.h"

namespace {

TEST(SdlWindow, StartingScaleIsTheLargestWholeOneThatFits) {
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 2000, 1400}), 2);
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 1920, 1040}), 1);  // 1200 rows do not fit
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 3840, 2160}), 3);
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 2400, 1800}), 3);  // exactly three times
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 640, 480}), 1);
}

SDL_KeyboardEvent Key(Uint32 type, SDL_Scancode code, Uint16 mod = 0, Uint8 repeat = 0) {
  SDL_KeyboardEvent key{};
  key.type = type;
  key.keysym.scancode = code;
  key.keysym.mod = mod;
  key.repeat = repeat;
  return key;
}

TEST(SdlWindow, F11AndAltEnterBelongToTheWindowWithTheirReleases) {
  WindowKeys keys;
  bool toggle = false;
  EXPECT_TRUE(keys.Take(Key(SDL_KEYDOWN, SDL_SCANCODE_F11), &toggle));
  EXPECT_TRUE(toggle);
  toggle = false;
  EXPECT_TRUE(keys.Take(Key(SDL_KEYDOWN, SDL_SCANCODE_F11, 0, 1), &toggle));  // held: no second toggle
  EXPECT_FALSE(toggle);
  EXPECT_TRUE(keys.Take(Key(SDL_KEYUP, SDL_SCANCODE_F11), &toggle));

  EXPECT_FALSE(keys.Take(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), &toggle));
  EXPECT_FALSE(keys.Take(Key(SDL_KEYUP, SDL_SCANCODE_RETURN), &toggle));
  EXPECT_TRUE(keys.Take(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT), &toggle));
  EXPECT_TRUE(toggle);
  toggle = false;
  EXPECT_TRUE(keys.Take(Key(SDL_KEYUP, SDL_SCANCODE_RETURN), &toggle));  // Alt let go first
  EXPECT_FALSE(keys.Take(Key(SDL_KEYDOWN, SDL_SCANCODE_RETURN), &toggle));
  for (SDL_Scancode game : {SDL_SCANCODE_F1, SDL_SCANCODE_F4, SDL_SCANCODE_ESCAPE, SDL_SCANCODE_LALT}) {
    EXPECT_FALSE(keys.Take(Key(SDL_KEYDOWN, game, KMOD_LALT), &toggle)) << game;
  }
  EXPECT_FALSE(toggle);
}

HGE* window = nullptr;
SDL_Window* sdlWindow = nullptr;
int step = 0;
bool f1Seen = false, f11Seen = false, enterSeen = false, fullscreenAfterF11 = false;
float seenX[8], seenY[8];

void Push(const SDL_Event& event) {
  SDL_Event copy = event;
  SDL_PushEvent(&copy);
}

void Move(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = SDL_GetWindowID(sdlWindow);
  e.motion.x = x;
  e.motion.y = y;
  Push(e);
}

void Press(SDL_Scancode code, Uint16 mod) {
  for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
    SDL_Event e{};
    e.key = Key(type, code, mod);
    e.key.windowID = SDL_GetWindowID(sdlWindow);
    Push(e);
  }
}

// Each frame notes what the game sees and queues the window events of the next one.
bool Step() {
  window->Input_GetMousePos(&seenX[step], &seenY[step]);
  f1Seen |= window->Input_KeyDown(HGEK_F1) || window->Input_KeyUp(HGEK_F1);
  f11Seen |= window->Input_KeyDown(HGEK_F11) || window->Input_KeyUp(HGEK_F11);
  enterSeen |= window->Input_KeyDown(HGEK_ENTER) || window->Input_KeyUp(HGEK_ENTER);
  switch (++step) {
    case 1:
      Move(1001, 601);  // pixel (1001, 601) of the 2x window is logical (500, 300)
      break;
    case 2:
      SDL_SetWindowSize(sdlWindow, 1700, 1300);  // still 2x, now with 50-pixel bars all round
      Move(1071, 671);
      break;
    case 3:
      Move(10, 1290);  // over the bars: the nearest screen edge
      break;
    case 4:
      Press(SDL_SCANCODE_F11, 0);
      Press(SDL_SCANCODE_F1, 0);
      break;
    case 5:
      fullscreenAfterF11 = (SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN) != 0 &&
                           !window->System_GetState(HGE_WINDOWED);
      Press(SDL_SCANCODE_RETURN, KMOD_LALT);
      break;
  }
  return false;
}

bool DrawMarker() {
  window->Gfx_BeginScene(0);
  window->Gfx_Clear(0xFF000000);
  hgeQuad q{};
  const float xs[4] = {700, 800, 800, 700}, ys[4] = {0, 0, 100, 100};
  for (int i = 0; i < 4; ++i) q.v[i] = hgeVertex{xs[i], ys[i], 0.5f, 0xFFFF0000, 0, 0};
  q.blend = BLEND_DEFAULT;
  window->Gfx_RenderQuad(&q);
  window->Gfx_EndScene();
  return false;
}

TEST(SdlWindow, ScaledWindowMapsTheMouseTogglesFullscreenAndShootsTheLogicalScreen) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  unsetenv("DISPLAY");
  const std::string shot = ScratchPath("scaled_shot.png");
  std::remove(shot.c_str());
  hgeRunOptions options;
  options.scale = 2;
  options.maxFrames = 6;
  options.shots = {{3, shot}};
  hgeConfigure(options);
  window = hgeCreate(HGE_VERSION);
  hgeConfigure(hgeRunOptions());
  window->System_SetState(HGE_WINDOWED, true);
  ASSERT_TRUE(window->System_Initiate()) << window->System_GetErrorMessage();
  for (Uint32 id = 1; id < 10000 && sdlWindow == nullptr; ++id) sdlWindow = SDL_GetWindowFromID(id);
  ASSERT_NE(sdlWindow, nullptr);
  int w = 0, h = 0;
  SDL_GetWindowSize(sdlWindow, &w, &h);
  EXPECT_EQ(w, 1600);
  EXPECT_EQ(h, 1200);
  EXPECT_TRUE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_RESIZABLE);
  window->System_SetState(HGE_FRAMEFUNC, Step);
  window->System_SetState(HGE_RENDERFUNC, DrawMarker);
  window->System_Start();

  EXPECT_EQ(seenX[1], 500.0f);
  EXPECT_EQ(seenY[1], 300.0f);
  EXPECT_EQ(seenX[2], 510.0f);  // 50 pixels of bar, then 2 pixels to the logical one
  EXPECT_EQ(seenY[2], 310.0f);
  EXPECT_EQ(seenX[3], 0.0f);
  EXPECT_EQ(seenY[3], 599.0f);
  EXPECT_TRUE(f1Seen);
  EXPECT_FALSE(f11Seen);
  EXPECT_FALSE(enterSeen);
  EXPECT_TRUE(fullscreenAfterF11);  // and Alt+Enter brought the window back
  EXPECT_FALSE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN);
  EXPECT_TRUE(window->System_GetState(HGE_WINDOWED));

  int shotW = 0, shotH = 0;
  SDL_Surface* picture = IMG_Load(shot.c_str());
  ASSERT_NE(picture, nullptr);
  shotW = picture->w;
  shotH = picture->h;
  SDL_FreeSurface(picture);
  EXPECT_EQ(shotW, 800);
  EXPECT_EQ(shotH, 600);
  EXPECT_EQ(PixelOf(shot, 750, 50), 0xFF0000u);
  EXPECT_EQ(PixelOf(shot, 650, 50), 0x000000u);
  window->System_Shutdown();
  window->Release();
}

}  // namespace
