// The SDL2 backend on the dummy video driver: title, drawing, shots, device reset, real input, recording,
// close.
#include <SDL2/SDL.h>
#include <gmock/gmock.h>

#include <algorithm>
#include <vector>

#include "backend_fixture.h"
#include "engine/text.h"

using testing::StartsWith;

namespace {

HTEXTURE picture = 0;
HTARGET target = 0;
int restores = 0, closeRequests = 0;

void Push(Uint32 type) {
  SDL_Event e{};
  e.type = type;
  SDL_PushEvent(&e);
}
bool DrawTargetThenScreen() {
  current->Gfx_BeginScene(target);
  current->Gfx_Clear(0xFF00FF00);
  current->Gfx_EndScene();
  current->Gfx_BeginScene(0);
  current->Gfx_Clear(0);
  DrawRect(picture, 0, 0, 100, 100, 0xFFFFFFFF);
  DrawRect(current->Target_GetTexture(target), 200, 0, 250, 50, 0xFFFFFFFF);
  current->Gfx_EndScene();
  return false;
}

}  // namespace

using SdlBackend = EngineTest;

// Guards the window title (converted to UTF-8), drawing to the screen after a target scene, the shot of the
// logical screen, and the device reset: textures (even those loaded before the window) are remade and the
// restore callback runs once.
TEST_F(SdlBackend, TitleDrawingShotsAndDeviceReset) {
  const std::string shot = File("sdl_shot.png");
  hgeRunOptions options;
  options.maxFrames = 2;
  options.shots = {{2, shot}};
  StartSdl(options);
  ASSERT_NE(engine, nullptr);
  picture = engine->Texture_Load(MakePicture().c_str(), 0, false);
  engine->System_SetState(HGE_TITLE, ToCp1251("Сумрачная лощина").c_str());
  engine->System_SetState(HGE_WINDOWED, true);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  SDL_Window* window = EngineWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Сумрачная лощина");

  target = engine->Target_Create(16, 16, false);
  engine->System_SetState(HGE_GFXRESTOREFUNC, [] {
    ++restores;
    return false;
  });
  engine->System_SetState(HGE_FRAMEFUNC, [] {
    if (current->System_GetFrame() == 1) Push(SDL_RENDER_DEVICE_RESET);
    return false;
  });
  engine->System_SetState(HGE_RENDERFUNC, DrawTargetThenScreen);
  restores = 0;
  EXPECT_TRUE(engine->System_Start());
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(engine->Texture_GetWidth(picture), 2);
  EXPECT_EQ(PixelOf(shot, 75, 25), 0x00FF00u);   // the picture's top-right texel
  EXPECT_EQ(PixelOf(shot, 225, 25), 0x00FF00u);  // the target's green
}

namespace {

// Seen() of every frame, without the frame rate: counted over a second live, a replay takes it from the
// frame time.
std::vector<std::string> frames;
float shortestDelta = 0;
bool pushRealInput = false;

// Key A and a left-button event at (x, y) followed by a motion event there, through SDL's own queue.
void PushInput(bool down, int x, int y) {
  SDL_Event key{}, button{}, motion{};
  key.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  key.key.keysym.scancode = SDL_SCANCODE_A;
  key.key.keysym.sym = SDLK_a;
  key.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  button.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  button.button.button = SDL_BUTTON_LEFT;
  button.button.x = motion.motion.x = x;
  button.button.y = motion.motion.y = y;
  motion.type = SDL_MOUSEMOTION;
  for (SDL_Event* e : {&key, &button, &motion}) SDL_PushEvent(e);
}

bool Watch() {
  const std::string seen = Seen(current);
  frames.push_back(seen.substr(0, seen.rfind(' ')));
  shortestDelta = std::min(shortestDelta, current->Timer_GetDelta());
  const int next = current->System_GetFrame() + 1;
  if (pushRealInput && (next == 2 || next == 4)) PushInput(next == 2, 100 + 10 * next, 70 + 10 * next);
  return false;
}

}  // namespace

// Guards real window input (keys, buttons, the frame-rate cap) and its recording: the seed is written, and
// a replay of the recording sees exactly what the window session saw, frame for frame, whatever real input
// arrives meanwhile.
TEST_F(SdlBackend, RecordedWindowInputReplaysFrameForFrame) {
  const std::string recording = File("recording.txt");
  hgeRunOptions options;
  options.maxFrames = 5;
  options.recordFile = recording;
  options.seeded = true;
  options.seed = 4242;
  StartSdl(options);
  engine->System_SetState(HGE_FPS, 200);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->Random_Seed(0);
  engine->System_SetState(HGE_FRAMEFUNC, Watch);
  frames.clear();
  shortestDelta = 1;
  pushRealInput = true;
  engine->System_Start();
  pushRealInput = false;
  engine->Release();  // closes the recording
  engine = nullptr;
  const std::vector<std::string> live = frames;
  ASSERT_EQ(live.size(), 5u);
  EXPECT_THAT(live[1], StartsWith("DH- DH- 120,90 "));
  EXPECT_THAT(live[3], StartsWith("--U --U 140,110 "));
  EXPECT_GE(shortestDelta, 0.004f);  // the 200 fps cap waited
  const std::string text = ReadText(recording);
  EXPECT_NE(text.find("# seed 4242"), std::string::npos) << text;

  // The replay drives a window of its own; real input pushed meanwhile is ignored.
  hgeRunOptions replay;
  replay.inputScript = recording;
  replay.maxFrames = 5;
  StartSdl(replay);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->System_SetState(HGE_FRAMEFUNC, Watch);
  frames.clear();
  PushInput(true, 300, 300);
  engine->System_Start();
  EXPECT_EQ(frames, live);
}

// Guards closing: the exit callback may refuse the first request, the second one stops the loop.
TEST_F(SdlBackend, ClosingTheWindowAsksTheExitCallback) {
  StartSdl(hgeRunOptions());
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->System_SetState(HGE_EXITFUNC, [] { return ++closeRequests >= 2; });
  engine->System_SetState(HGE_FRAMEFUNC, [] {
    if (current->System_GetFrame() <= 2) Push(SDL_QUIT);
    return false;
  });
  closeRequests = 0;
  EXPECT_TRUE(engine->System_Start());
  EXPECT_EQ(closeRequests, 2);
  EXPECT_EQ(engine->System_GetFrame(), 2);
}

// Guards start-up failure: a video driver that cannot start gives a message, not a crash.
TEST_F(SdlBackend, InitiateFailureGivesAReadableMessage) {
  StartSdl(hgeRunOptions());
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(engine->System_Initiate());
  EXPECT_NE(std::string(engine->System_GetErrorMessage()), "");
  setenv("SDL_VIDEODRIVER", "dummy", 1);
}

// Guards start-up without a display: with no driver asked for, no DISPLAY and no Wayland, the window must not
// open invisibly on an off-screen driver while the game runs; a driver asked for by name still opens.
TEST_F(SdlBackend, NoDisplayFailsStartUpUnlessAnInvisibleDriverIsAskedFor) {
  StartSdl(hgeRunOptions());
  unsetenv("SDL_VIDEODRIVER");
  EXPECT_FALSE(engine->System_Initiate());
  EXPECT_NE(std::string(engine->System_GetErrorMessage()).find("display"), std::string::npos)
      << engine->System_GetErrorMessage();
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  EXPECT_TRUE(engine->System_Initiate());
}
