// The SDL window scaled: starting scale, mouse in logical coordinates with bars, fullscreen keys, shots, and
// the scale and channel volumes the options set.
#include "engine/sdl/sdl_window.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "backend_fixture.h"

namespace {

// Guards the starting scale: the largest whole one whose window fits the usable display area.
TEST(SdlWindow, StartingScaleIsTheLargestWholeOneThatFits) {
  EXPECT_EQ(FittingScale(800, 600, SDL_Rect{0, 0, 1920, 1040}), 1);  // 1200 rows do not fit
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

// Guards the window's own keys (F11 is also run in the scaled window below): a held key toggles once,
// Alt+Enter and its release are taken, even when Alt is let go first; other keys with Alt belong to the game.
TEST(SdlWindow, F11AndAltEnterBelongToTheWindowWithTheirReleases) {
  const struct {
    Uint32 type;
    SDL_Scancode code;
    Uint16 mod;
    Uint8 repeat;
    bool taken, toggles;
  } steps[] = {{SDL_KEYDOWN, SDL_SCANCODE_F11, 0, 1, true, false},  // held: no second toggle
               {SDL_KEYDOWN, SDL_SCANCODE_RETURN, 0, 0, false, false},
               {SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT, 0, true, true},
               {SDL_KEYUP, SDL_SCANCODE_RETURN, 0, 0, true, false},  // Alt let go first
               {SDL_KEYDOWN, SDL_SCANCODE_F4, KMOD_LALT, 0, false, false}};
  WindowKeys keys;
  for (size_t i = 0; i < std::size(steps); ++i) {
    bool toggle = false;
    EXPECT_EQ(keys.Take(Key(steps[i].type, steps[i].code, steps[i].mod, steps[i].repeat), &toggle),
              steps[i].taken)
        << "step " << i;
    EXPECT_EQ(toggle, steps[i].toggles) << "step " << i;
  }
}

SDL_Window* sdlWindow = nullptr;
int step = 0;
std::string seen;  // the mouse and the keys the game saw, frame by frame

void Move(int x, int y) {
  SDL_Event e{};
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = SDL_GetWindowID(sdlWindow);
  e.motion.x = x;
  e.motion.y = y;
  SDL_PushEvent(&e);
}

void Press(SDL_Scancode code) {
  for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
    SDL_Event e{};
    e.key = Key(type, code);
    e.key.windowID = SDL_GetWindowID(sdlWindow);
    SDL_PushEvent(&e);
  }
}

// Each frame notes what the game sees and queues the window events of the next one.
bool Step() {
  float x = 0, y = 0;
  current->Input_GetMousePos(&x, &y);
  auto saw = [](int key) { return current->Input_KeyDown(key) || current->Input_KeyUp(key); };
  char text[64];
  std::snprintf(text, sizeof text, "%g,%g%s%s; ", x, y, saw(HGEK_F1) ? " F1" : "",
                saw(HGEK_F11) ? " F11" : "");
  if (step > 0) seen += text;
  if (++step == 1) {
    SDL_SetWindowSize(sdlWindow, 1700, 1300);  // still 2x, now with 50-pixel bars all round
    Move(1071, 671);
  } else if (step == 2) {
    Move(10, 1290);  // over the bars: the nearest screen edge
  } else if (step == 3) {
    Press(SDL_SCANCODE_F11);
    Press(SDL_SCANCODE_F1);
  }
  return false;
}

bool DrawMarker() {
  current->Gfx_BeginScene(0);
  current->Gfx_Clear(0xFF000000);
  DrawRect(0, 700, 0, 800, 100, 0xFFFF0000);
  current->Gfx_EndScene();
  return false;
}

}  // namespace

using SdlScaledWindow = EngineTest;

// Guards the 2x window: mouse mapped through the scale and the letterbox bars (over the bars it stays on
// the screen's edge), F11 toggling fullscreen without reaching the game, and shots of the logical screen.
TEST_F(SdlScaledWindow, MapsTheMouseTogglesFullscreenAndShootsTheLogicalScreen) {
  const std::string shot = File("scaled_shot.png");
  hgeRunOptions options;
  options.scale = 2;
  options.maxFrames = 5;
  options.shots = {{2, shot}};
  StartSdl(options);
  current->System_SetState(HGE_WINDOWED, true);
  ASSERT_TRUE(current->System_Initiate()) << current->System_GetErrorMessage();
  sdlWindow = EngineWindow();
  ASSERT_NE(sdlWindow, nullptr);
  int w = 0, h = 0;
  SDL_GetWindowSize(sdlWindow, &w, &h);
  EXPECT_EQ(w, 1600);
  EXPECT_EQ(h, 1200);
  EXPECT_TRUE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_RESIZABLE);
  current->System_SetState(HGE_FRAMEFUNC, Step);
  current->System_SetState(HGE_RENDERFUNC, DrawMarker);
  current->System_Start();

  // 50 pixels of bar, then 2 pixels to the logical one; over the bars, the nearest screen edge; of the
  // keys only F1 reaches the game.
  EXPECT_EQ(seen, "510,310; 0,599; 0,599 F1; 0,599; ");
  EXPECT_TRUE(SDL_GetWindowFlags(sdlWindow) & SDL_WINDOW_FULLSCREEN);
  EXPECT_FALSE(current->System_GetState(HGE_WINDOWED));
  EXPECT_EQ(PixelOf(shot, 750, 50), 0xFF0000u);  // neither the scaled picture nor a corner of it
}

// Guards the options' hold on the window and the sound: a new scale resizes the window at once (never past
// what the display takes), the largest scale is the display's, and a channel's volume changes the mixer's.
TEST_F(SdlScaledWindow, TheScaleResizesTheWindowAndAChannelVolumeReachesTheMixer) {
  hgeRunOptions options;
  options.scale = 2;
  StartSdl(options);
  current->System_SetState(HGE_WINDOWED, true);
  ASSERT_TRUE(current->System_Initiate()) << current->System_GetErrorMessage();
  SDL_Window* window = EngineWindow();
  ASSERT_NE(window, nullptr);
  SDL_Rect usable;
  ASSERT_EQ(SDL_GetDisplayUsableBounds(0, &usable), 0);
  const int most = FittingScale(800, 600, usable);
  EXPECT_EQ(current->System_GetState(HGE_MAXSCALE), most);
  int w = 0, h = 0;
  current->System_SetState(HGE_SCALE, 1);
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 800);
  EXPECT_EQ(h, 600);
  current->System_SetState(HGE_SCALE, most + 5);  // more than fits: the largest that does
  SDL_GetWindowSize(window, &w, &h);
  EXPECT_EQ(w, 800 * most);
  EXPECT_EQ(h, 600 * most);

  const HEFFECT click = current->Effect_Load(DH_SOURCE_DIR "/Sound/fx/button click.mp3", 0);
  const HCHANNEL channel = current->Effect_PlayEx(click, 100, 0, 1.0f, true);
  if (channel == 0) GTEST_SKIP() << "no audio device, not even the dummy one";
  EXPECT_EQ(Mix_Volume(static_cast<int>(channel) - 1, -1), MIX_MAX_VOLUME);
  current->Channel_SetVolume(channel, 50);
  EXPECT_EQ(Mix_Volume(static_cast<int>(channel) - 1, -1), MIX_MAX_VOLUME / 2);
  current->Channel_SetVolume(channel, 0);
  EXPECT_EQ(Mix_Volume(static_cast<int>(channel) - 1, -1), 0);
}
