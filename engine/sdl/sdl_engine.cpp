// SdlEngine: window, renderer, events, frame pacing, screen shots and error boxes.
#include "engine/sdl/sdl_engine.h"

#include <SDL2/SDL_image.h>

#include <cstring>
#include <iostream>

#include "engine/core/backends.h"
#include "engine/sdl/sdl_keys.h"
#include "engine/text.h"

namespace {

// Whether SDL's video driver `name` draws nowhere a player could see.
bool ShowsNothing(const char* name) {
  return name != nullptr && (std::strcmp(name, "offscreen") == 0 || std::strcmp(name, "dummy") == 0);
}

}  // namespace

HGE* CreateSdlEngine(const hgeRunOptions& options) {
  return new SdlEngine(options);
}

SdlEngine::~SdlEngine() {
  PlatformShutdown();
}

bool SdlEngine::PlatformInitiate() {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    errorMessage = std::string("Cannot start the video system: ") + SDL_GetError();
    return false;
  }
  videoStarted = true;
  // Where no display can be reached SDL falls back to a driver that shows nothing, and the game would run
  // unseen with its clock ticking; such a driver is used only when asked for by name.
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if ((asked == nullptr || *asked == '\0') && ShowsNothing(SDL_GetCurrentVideoDriver())) {
    errorMessage =
        "Cannot open the window: no display was found (neither DISPLAY nor WAYLAND_DISPLAY "
        "names one)";
    return false;
  }
  audio.Open();

  if (options.fullscreen) windowed = false;
  shownTitle = ToUtf8(title);
  window = OpenScaledWindow(shownTitle.c_str(), screenWidth, screenHeight, windowScale, !windowed);
  if (window == nullptr) {
    errorMessage = std::string("Cannot open the window: ") + SDL_GetError();
    return false;
  }
  shownWindowed = windowed;
  shownScale = windowScale;
  SetWindowIcon();
  renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  if (renderer == nullptr) {
    errorMessage = std::string("Cannot make a renderer: ") + SDL_GetError();
    return false;
  }
  ScaleLogicalScreen(renderer, screenWidth, screenHeight);
  shownFrameRate = frameRate;
  SDL_RenderSetVSync(renderer, frameRate == HGEFPS_VSYNC ? 1 : 0);
  shownHideMouse = hideMouse;
  SDL_ShowCursor(hideMouse ? SDL_DISABLE : SDL_ENABLE);
  canvas.SetRenderer(renderer);

  if (!Scripted()) {
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    float logicalX = 0.0f, logicalY = 0.0f;
    SDL_RenderWindowToLogical(renderer, x, y, &logicalX, &logicalY);
    input.mouseX = SDL_clamp(logicalX, 0.0f, screenWidth - 1.0f);
    input.mouseY = SDL_clamp(logicalY, 0.0f, screenHeight - 1.0f);
  }
  StartRecording();
  lastCounter = 0;
  return true;
}

void SdlEngine::PlatformShutdown() {
  if (shot != nullptr) SDL_FreeSurface(shot);
  shot = nullptr;
  canvas.SetRenderer(nullptr);
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  renderer = nullptr;
  if (window != nullptr) SDL_DestroyWindow(window);
  window = nullptr;
  audio.Close();
  if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
  videoStarted = false;
}

void SdlEngine::StateChanged() {
  if (renderer == nullptr) return;
  const std::string utf8 = ToUtf8(title);
  if (utf8 != shownTitle) SDL_SetWindowTitle(window, utf8.c_str());
  shownTitle = utf8;
  if ((frameRate == HGEFPS_VSYNC) != (shownFrameRate == HGEFPS_VSYNC)) {
    SDL_RenderSetVSync(renderer, frameRate == HGEFPS_VSYNC ? 1 : 0);
  }
  shownFrameRate = frameRate;
  if (hideMouse != shownHideMouse) SDL_ShowCursor(hideMouse ? SDL_DISABLE : SDL_ENABLE);
  shownHideMouse = hideMouse;
  if (windowed != shownWindowed) SetFullscreen(window, !windowed);
  shownWindowed = windowed;
  if (windowScale != shownScale) ResizeWindow(window, screenWidth, screenHeight, windowScale);
  shownScale = windowScale;
}

int SdlEngine::PlatformMaxScale() {
  SDL_Rect usable;
  const int display = window != nullptr ? SDL_GetWindowDisplayIndex(window) : 0;
  if (!videoStarted || SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0) return 1;
  return FittingScale(screenWidth, screenHeight, usable);
}

void SdlEngine::SetWindowIcon() {
  if (options.windowIcon.empty()) return;
  SDL_Surface* icon = IMG_Load(options.windowIcon.c_str());
  if (icon == nullptr) return;
  SDL_SetWindowIcon(window, icon);
  SDL_FreeSurface(icon);
}

void SdlEngine::FeedMouse(int x, int y) {
  // Over the bars beside a scaled screen the mouse stays on the screen's edge, as in a 1x window.
  InputEvent mouse;
  mouse.kind = InputEvent::Mouse;
  mouse.x = static_cast<float>(SDL_clamp(x, 0, screenWidth - 1));
  mouse.y = static_cast<float>(SDL_clamp(y, 0, screenHeight - 1));
  if (mouse.x != input.mouseX || mouse.y != input.mouseY) Feed(mouse);
}

bool SdlEngine::Handle(const SDL_Event& event) {
  InputEvent input;
  switch (event.type) {
    case SDL_QUIT:
      return true;
    case SDL_WINDOWEVENT:
      if (event.window.event == SDL_WINDOWEVENT_ENTER) mouseOver = true;
      if (event.window.event == SDL_WINDOWEVENT_LEAVE) mouseOver = false;
      return event.window.event == SDL_WINDOWEVENT_CLOSE;
    case SDL_RENDER_DEVICE_RESET:
      canvas.Rebuild();
      if (restoreFunc != nullptr) restoreFunc();
      return false;
    case SDL_RENDER_TARGETS_RESET:
      if (restoreFunc != nullptr) restoreFunc();
      return false;
    default:
      break;
  }
  bool toggle = false;
  if ((event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && windowKeys.Take(event.key, &toggle)) {
    if (toggle) {
      windowed = !windowed;
      StateChanged();
    }
    return false;
  }
  if (Scripted()) return false;
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (event.key.repeat != 0) return false;
      input.key = VirtualKeyOf(event.key.keysym);
      input.kind = event.type == SDL_KEYDOWN ? InputEvent::Down : InputEvent::Up;
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      FeedMouse(event.button.x, event.button.y);
      input.key = VirtualButtonOf(event.button.button);
      input.kind = event.type == SDL_MOUSEBUTTONDOWN ? InputEvent::Down : InputEvent::Up;
      break;
    case SDL_MOUSEMOTION:
      FeedMouse(event.motion.x, event.motion.y);
      return false;
    case SDL_MOUSEWHEEL:
      input.kind = InputEvent::Wheel;
      input.key = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
      if (input.key != 0) Feed(input);
      return false;
    default:
      return false;
  }
  if (input.key != 0) Feed(input);
  return false;
}

bool SdlEngine::PlatformPollEvents() {
  if (shot != nullptr) SDL_FreeSurface(shot);
  shot = nullptr;
  bool close = false;
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (Handle(event)) close = true;
  }
  return close;
}

float SdlEngine::PlatformFrameTime() {
  const Uint64 frequency = SDL_GetPerformanceFrequency();
  Uint64 now = SDL_GetPerformanceCounter();
  if (lastCounter == 0) lastCounter = now;  // the first frame waits one period from the loop's start
  // In a browser the page's timer paces the callbacks (sdl_browser.cpp); a wait here would block the page.
#ifndef __EMSCRIPTEN__
  if (frameRate > 0) {
    const Uint64 due = lastCounter + frequency / static_cast<Uint64>(frameRate);
    while (now < due) {
      const Uint64 milliseconds = (due - now) * 1000 / frequency;
      SDL_Delay(milliseconds > 1 ? static_cast<Uint32>(milliseconds - 1) : 0);
      now = SDL_GetPerformanceCounter();
    }
  }
#endif
  const float dt =
      static_cast<float>(static_cast<double>(now - lastCounter) / static_cast<double>(frequency));
  lastCounter = now;
  return dt;
}

bool SdlEngine::SceneBegin(HTARGET target) {
  if (!canvas.Knows(target)) return false;
  canvas.Begin(target);
  return true;
}

void SdlEngine::SceneEnd(HTARGET target) {
  if (renderer == nullptr) return;
  if (target != 0) {
    canvas.Begin(0);
    return;
  }
  if (ShotWanted(System_GetFrame())) CaptureScreen();
  SDL_RenderPresent(renderer);
}

void SdlEngine::CaptureScreen() {
  // The viewport in output pixels: the logical screen times the window's scale.
  SDL_Rect viewport;
  float scaleX = 1.0f, scaleY = 1.0f;
  SDL_RenderGetViewport(renderer, &viewport);
  SDL_RenderGetScale(renderer, &scaleX, &scaleY);
  const int w = static_cast<int>(viewport.w * scaleX + 0.5f),
            h = static_cast<int>(viewport.h * scaleY + 0.5f);
  SDL_Surface* pixels = SDL_CreateRGBSurfaceWithFormat(0, w, h, 24, SDL_PIXELFORMAT_RGB24);
  if (pixels == nullptr) return;
  if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGB24, pixels->pixels, pixels->pitch) != 0) {
    SDL_FreeSurface(pixels);
    return;
  }
  if (shot != nullptr) SDL_FreeSurface(shot);
  shot = SDL_CreateRGBSurfaceWithFormat(0, screenWidth, screenHeight, 24, SDL_PIXELFORMAT_RGB24);
  if (shot != nullptr) SDL_BlitScaled(pixels, nullptr, shot, nullptr);
  SDL_FreeSurface(pixels);
  shotFrame = System_GetFrame();
}

void SdlEngine::WriteShot(const std::string& file) {
  if (shot == nullptr || shotFrame != System_GetFrame()) {
    std::cerr << "No picture of frame " << System_GetFrame() << " for " << file << "\n";
    return;
  }
  if (IMG_SavePNG(shot, file.c_str()) != 0) std::cerr << "Cannot write the shot " << file << "\n";
}

void SdlEngine::Input_SetMousePos(float x, float y) {
  EngineBase::Input_SetMousePos(x, y);
  if (renderer == nullptr || Scripted()) return;
  int windowX = 0, windowY = 0;
  SDL_RenderLogicalToWindow(renderer, x, y, &windowX, &windowY);
  SDL_WarpMouseInWindow(window, windowX, windowY);
}

void SdlEngine::ShowErrorBox(const std::string& utf8) {
  // A replayed session never waits for a click.
  if (Scripted() || SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", utf8.c_str(), window) != 0) {
    std::cerr << "Error: " << utf8 << "\n";
  }
}
