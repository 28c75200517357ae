// The SDL2 backend on the dummy video driver: window title, drawing, shots, real input, recording, close.
#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>

#include <cstdlib>
#include <vector>

#include "backend_fixture.h"
#include "engine/core/input_script.h"
#include "engine/text.h"

namespace {

HGE* sdlEngine = nullptr;

// The window the engine opened (the dummy driver numbers windows from 1 on).
SDL_Window* EngineWindow() {
  for (Uint32 id = 1; id < 10000; ++id) {
    if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
  }
  return nullptr;
}

// Starts an SDL engine on the dummy drivers (no display, no sound card needed).
HGE* StartSdl(hgeRunOptions options) {
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  unsetenv("DISPLAY");  // never let an error box reach a real screen
  unsetenv("WAYLAND_DISPLAY");
  options.backend = hgeBackend::Sdl;
  hgeConfigure(options);
  sdlEngine = hgeCreate(HGE_VERSION);
  hgeConfigure(hgeRunOptions());
  return sdlEngine;
}

hgeQuad Square(HTEXTURE tex, float x, float y, float size, uint32_t color) {
  hgeQuad q;
  const float xs[4] = {x, x + size, x + size, x}, ys[4] = {y, y, y + size, y + size};
  for (int i = 0; i < 4; ++i)
    q.v[i] = hgeVertex{xs[i], ys[i], 0.5f, color, i == 1 || i == 2 ? 1.0f : 0.0f, i >= 2 ? 1.0f : 0.0f};
  q.tex = tex;
  q.blend = BLEND_DEFAULT;
  return q;
}

HTEXTURE failedTexture = 0;
HTARGET target = 0;

bool Idle() {
  return false;
}
bool DrawSquares() {
  sdlEngine->Gfx_BeginScene(target);
  sdlEngine->Gfx_Clear(0xFF00FF00);
  sdlEngine->Gfx_EndScene();
  sdlEngine->Gfx_BeginScene(0);
  sdlEngine->Gfx_Clear(0);
  const hgeQuad red = Square(0, 10, 10, 50, 0xFFFF0000);
  const hgeQuad nothing = Square(failedTexture, 100, 10, 50, 0xFFFFFFFF);
  const hgeQuad green = Square(sdlEngine->Target_GetTexture(target), 200, 10, 50, 0xFFFFFFFF);
  sdlEngine->Gfx_RenderQuad(&red);
  sdlEngine->Gfx_RenderQuad(&nothing);
  sdlEngine->Gfx_RenderQuad(&green);
  sdlEngine->Gfx_EndScene();
  return false;
}

}  // namespace

TEST(SdlBackend, WindowTitleDrawingAndShots) {
  const std::string shot = ScratchPath("sdl_shot.png");
  std::remove(shot.c_str());
  hgeRunOptions options;
  options.maxFrames = 3;
  options.shots = {{2, shot}};
  HGE* engine = StartSdl(options);
  ASSERT_NE(engine, nullptr);
  engine->System_SetState(HGE_TITLE, ToCp1251("Сумрачная лощина").c_str());
  engine->System_SetState(HGE_WINDOWED, true);
  engine->System_SetState(HGE_FPS, HGEFPS_UNLIMITED);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  SDL_Window* window = EngineWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Сумрачная лощина");
  engine->System_SetState(HGE_TITLE, ToCp1251("Заголовок").c_str());
  EXPECT_STREQ(SDL_GetWindowTitle(window), "Заголовок");

  failedTexture = engine->Texture_Load("no/such/picture.png", 0, false);
  EXPECT_EQ(engine->Texture_GetWidth(failedTexture), 1);
  EXPECT_EQ(engine->Texture_GetHeight(failedTexture, true), 1);
  target = engine->Target_Create(16, 16, false);
  const HTEXTURE targetTexture = engine->Target_GetTexture(target);
  EXPECT_EQ(engine->Texture_GetWidth(targetTexture), 16);
  engine->System_SetState(HGE_FRAMEFUNC, Idle);
  engine->System_SetState(HGE_RENDERFUNC, DrawSquares);
  EXPECT_TRUE(engine->System_Start());
  EXPECT_EQ(engine->System_GetFrame(), 3);
  EXPECT_EQ(engine->Gfx_GetDrawCalls(), 3);  // one per texture run of the screen scene
  EXPECT_EQ(engine->Gfx_GetRecordedQuads().size(), 3u);
  EXPECT_EQ(engine->Target_GetTexture(target), targetTexture);
  EXPECT_GT(engine->Timer_GetTime(), 0.0f);

  SDL_Surface* picture = IMG_Load(shot.c_str());
  ASSERT_NE(picture, nullptr) << "no shot written";
  EXPECT_EQ(picture->w, 800);
  EXPECT_EQ(picture->h, 600);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(picture, SDL_PIXELFORMAT_RGB888, 0);
  auto pixel = [&](int x, int y) {
    return static_cast<Uint32*>(rgb->pixels)[y * rgb->pitch / 4 + x] & 0xFFFFFF;
  };
  EXPECT_EQ(pixel(30, 30), 0xFF0000u);
  EXPECT_EQ(pixel(125, 30), 0x000000u);
  EXPECT_EQ(pixel(225, 30), 0x00FF00u);
  EXPECT_EQ(pixel(400, 300), 0x000000u);
  SDL_FreeSurface(rgb);
  SDL_FreeSurface(picture);
  engine->System_Shutdown();
  engine->Release();
}

namespace {

// What the frame callback saw in each frame, compared between a window session and its replay.
struct FrameInputSeen {
  float x, y, dt;
  bool eDown, eHeld, eUp, clickDown, clickUp;
  bool operator==(const FrameInputSeen& o) const {
    return x == o.x && y == o.y && dt == o.dt && eDown == o.eDown && eHeld == o.eHeld && eUp == o.eUp &&
           clickDown == o.clickDown && clickUp == o.clickUp;
  }
};
std::vector<FrameInputSeen> frames;
bool pushRealInput = false;

void Push(Uint32 type, SDL_Scancode code, SDL_Keycode sym) {
  SDL_Event e{};
  e.type = type;
  e.key.keysym.scancode = code;
  e.key.keysym.sym = sym;
  e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
  SDL_PushEvent(&e);
}

void PushButton(Uint32 type, int x, int y) {
  SDL_Event e{};
  e.type = type;
  e.button.button = SDL_BUTTON_LEFT;
  e.button.x = x;
  e.button.y = y;
  SDL_PushEvent(&e);
  SDL_Event m{};
  m.type = SDL_MOUSEMOTION;
  m.motion.x = x;
  m.motion.y = y;
  SDL_PushEvent(&m);
}

bool Watch() {
  FrameInputSeen s;
  sdlEngine->Input_GetMousePos(&s.x, &s.y);
  s.dt = sdlEngine->Timer_GetDelta();
  s.eDown = sdlEngine->Input_KeyDown(HGEK_E);
  s.eHeld = sdlEngine->Input_GetKeyState(HGEK_E);
  s.eUp = sdlEngine->Input_KeyUp(HGEK_E);
  s.clickDown = sdlEngine->Input_KeyDown(HGEK_LBUTTON);
  s.clickUp = sdlEngine->Input_KeyUp(HGEK_LBUTTON);
  frames.push_back(s);
  if (pushRealInput) {  // real input for the next frame, through SDL's own queue
    const int next = sdlEngine->System_GetFrame() + 1;
    if (next == 2) Push(SDL_KEYDOWN, SDL_SCANCODE_E, SDLK_e);
    if (next == 2) PushButton(SDL_MOUSEBUTTONDOWN, 120, 80);
    if (next == 4) Push(SDL_KEYUP, SDL_SCANCODE_E, SDLK_e);
    if (next == 4) PushButton(SDL_MOUSEBUTTONUP, 130, 90);
  }
  return false;
}

}  // namespace

TEST(SdlBackend, RecordedWindowInputReplaysHeadlessFrameForFrame) {
  const std::string recording = ScratchPath("recording.txt");
  hgeRunOptions options;
  options.maxFrames = 5;
  options.recordFile = recording;
  options.seeded = true;
  options.seed = 4242;
  HGE* engine = StartSdl(options);
  engine->System_SetState(HGE_FPS, 200);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->Random_Seed(0);
  engine->System_SetState(HGE_FRAMEFUNC, Watch);
  frames.clear();
  pushRealInput = true;
  engine->System_Start();
  pushRealInput = false;
  engine->System_Shutdown();
  engine->Release();
  const std::vector<FrameInputSeen> live = frames;
  ASSERT_EQ(live.size(), 5u);
  EXPECT_TRUE(live[1].eDown && live[1].eHeld && live[1].clickDown);
  EXPECT_EQ(live[1].x, 120.0f);
  EXPECT_TRUE(!live[2].eDown && live[2].eHeld);
  EXPECT_TRUE(live[3].eUp && !live[3].eHeld && live[3].clickUp);
  EXPECT_EQ(live[3].y, 90.0f);
  for (const FrameInputSeen& f : live) EXPECT_GE(f.dt, 0.004f);  // the 200 fps cap waited

  const std::string text = ReadText(recording);
  EXPECT_NE(text.find("# seed 4242"), std::string::npos) << text;
  const InputScript script = ParseInputScript(text);
  EXPECT_TRUE(script.errors.empty());
  int deltas = 0;
  for (const InputEvent& e : script.events) deltas += e.kind == InputEvent::Delta ? 1 : 0;
  EXPECT_EQ(deltas, 5);

  hgeRunOptions replay;
  replay.inputScript = recording;
  sdlEngine = HeadlessCreate(replay);
  sdlEngine->System_SetState(HGE_FRAMEFUNC, Watch);
  frames.clear();
  HeadlessRunFrames(5);
  sdlEngine->Release();
  EXPECT_TRUE(frames == live);
}

namespace {

int closeRequests = 0;
bool RefuseFirstClose() {
  return ++closeRequests >= 2;
}
bool AskToClose() {
  if (sdlEngine->System_GetFrame() <= 2) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
  }
  return false;
}

}  // namespace

TEST(SdlBackend, ClosingTheWindowAsksTheExitCallback) {
  HGE* engine = StartSdl(hgeRunOptions());
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->System_SetState(HGE_EXITFUNC, RefuseFirstClose);
  engine->System_SetState(HGE_FRAMEFUNC, AskToClose);
  closeRequests = 0;
  EXPECT_TRUE(engine->System_Start());
  // Frame 1 asks; frame 2 runs because the first request was refused; the second request stops the loop.
  EXPECT_EQ(closeRequests, 2);
  EXPECT_EQ(engine->System_GetFrame(), 2);
  engine->System_Shutdown();
  engine->Release();
}

TEST(SdlBackend, ScriptDrivesTheWindowAndRealInputIsIgnored) {
  const std::string path = ScratchPath("window_script.txt");
  WriteText(path, "2 up E\n1 mouse 5 6\n1 down E\n");
  hgeRunOptions options;
  options.inputScript = path;
  options.maxFrames = 2;
  HGE* engine = StartSdl(options);
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->System_SetState(HGE_FRAMEFUNC, Watch);
  frames.clear();
  PushButton(SDL_MOUSEBUTTONDOWN, 300, 300);  // real input is ignored while a script drives
  EXPECT_TRUE(engine->System_Start());
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_TRUE(frames[0].eDown && !frames[0].clickDown);
  EXPECT_EQ(frames[0].x, 5.0f);
  EXPECT_EQ(frames[0].y, 6.0f);
  EXPECT_TRUE(frames[1].eUp && !frames[1].eHeld);
  engine->System_Shutdown();
  engine->Release();
}

namespace {

int restores = 0;
HTEXTURE picture = 0;
bool Restore() {
  ++restores;
  return false;
}
bool ResetDeviceInFirstFrame() {
  if (sdlEngine->System_GetFrame() == 1) {
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    SDL_PushEvent(&reset);
  }
  return false;
}
bool DrawPicture() {
  sdlEngine->Gfx_BeginScene(0);
  sdlEngine->Gfx_Clear(0);
  const hgeQuad q = Square(picture, 0, 0, 100, 0xFFFFFFFF);
  sdlEngine->Gfx_RenderQuad(&q);
  sdlEngine->Gfx_EndScene();
  return false;
}

}  // namespace

TEST(SdlBackend, DeviceResetRemakesTexturesAndCallsTheRestoreCallback) {
  const std::string shot = ScratchPath("sdl_reset.png");
  std::remove(shot.c_str());
  hgeRunOptions options;
  options.maxFrames = 2;
  options.shots = {{2, shot}};
  HGE* engine = StartSdl(options);
  picture = engine->Texture_Load(MakePicture().c_str(), 0, false);  // before the window: remade on it
  ASSERT_TRUE(engine->System_Initiate()) << engine->System_GetErrorMessage();
  engine->System_SetState(HGE_GFXRESTOREFUNC, Restore);
  engine->System_SetState(HGE_FRAMEFUNC, ResetDeviceInFirstFrame);
  engine->System_SetState(HGE_RENDERFUNC, DrawPicture);
  restores = 0;
  EXPECT_TRUE(engine->System_Start());
  EXPECT_EQ(restores, 1);
  EXPECT_EQ(engine->Texture_GetWidth(picture), 2);
  EXPECT_EQ(PixelOf(shot, 25, 25), 0xFF0000u);
  EXPECT_EQ(PixelOf(shot, 75, 25), 0x00FF00u);
  EXPECT_EQ(PixelOf(shot, 25, 75), 0x0000FFu);
  engine->System_Shutdown();
  engine->Release();
}

TEST(SdlBackend, InitiateFailureGivesAReadableMessage) {
  HGE* engine = StartSdl(hgeRunOptions());
  setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(engine->System_Initiate());
  EXPECT_NE(std::string(engine->System_GetErrorMessage()), "");
  engine->System_Shutdown();
  engine->Release();
  setenv("SDL_VIDEODRIVER", "dummy", 1);
}
