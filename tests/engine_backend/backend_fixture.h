// Shared helpers of the engine backend tests: a per-test scratch folder, pictures, headless or SDL engines.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/headless/headless.h"

// Reads a whole file ("" when missing).
inline std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The RGB of one pixel of a PNG, as 0xRRGGBB (0xFF000000 when unreadable).
inline uint32_t PixelOf(const std::string& png, int x, int y) {
  SDL_Surface* loaded = IMG_Load(png.c_str());
  if (loaded == nullptr) return 0xFF000000;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
  SDL_FreeSurface(loaded);
  const uint32_t value = static_cast<Uint32*>(s->pixels)[y * (s->pitch / 4) + x] & 0xFFFFFF;
  SDL_FreeSurface(s);
  return value;
}

// The engine of the running test, for the frame and render callbacks (plain functions).
inline HGE* current = nullptr;

// Draws an axis-aligned quad of one colour over (x1, y1)-(x2, y2) showing the whole of `tex`.
inline void DrawRect(HTEXTURE tex, float x1, float y1, float x2, float y2, uint32_t color,
                     int blend = BLEND_DEFAULT) {
  hgeQuad q;
  const float xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2}, us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int i = 0; i < 4; ++i) q.v[i] = hgeVertex{xs[i], ys[i], 0.5f, color, us[i], vs[i]};
  q.tex = tex;
  q.blend = blend;
  current->Gfx_RenderQuad(&q);
}

// What the game sees of key A and the left button (D went down, H held, U went up), the mouse, the frame's
// key and character, the frame time and the frame rate.
inline std::string Seen(HGE* engine) {
  auto flags = [&](int key) {
    return std::string{engine->Input_KeyDown(key) ? 'D' : '-', engine->Input_GetKeyState(key) ? 'H' : '-',
                       engine->Input_KeyUp(key) ? 'U' : '-'};
  };
  float x = 0, y = 0;
  engine->Input_GetMousePos(&x, &y);
  char text[96];
  std::snprintf(text, sizeof text, " %g,%g %d/%d %g %d", x, y, engine->Input_GetKey(),
                engine->Input_GetChar(), engine->Timer_GetDelta(), engine->Timer_GetFPS());
  return flags(HGEK_A) + " " + flags(HGEK_LBUTTON) + text;
}

// The window an SDL engine opened (the dummy driver numbers windows from 1 on).
inline SDL_Window* EngineWindow() {
  for (Uint32 id = 1; id < 10000; ++id) {
    if (SDL_Window* window = SDL_GetWindowFromID(id)) return window;
  }
  return nullptr;
}

// Every test gets its own scratch folder (test programs run side by side must not share files) and an
// engine it makes with Start (headless) or StartSdl (dummy video and audio drivers), released afterwards.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest() {
    std::string pattern = (std::filesystem::temp_directory_path() / "dh_backend_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) dir = pattern;
  }
  ~EngineTest() override {
    std::error_code ignored;
    if (!dir.empty()) std::filesystem::remove_all(dir, ignored);
  }
  void TearDown() override {
    if (engine != nullptr) engine->Release();
    current = engine = nullptr;
  }

  HGE* Start(const hgeRunOptions& options = hgeRunOptions()) {
    return current = engine = HeadlessCreate(options);
  }
  HGE* StartSdl(hgeRunOptions options) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    unsetenv("DISPLAY");  // never let an error box reach a real screen
    unsetenv("WAYLAND_DISPLAY");
    options.backend = hgeBackend::Sdl;
    hgeConfigure(options);
    current = engine = hgeCreate(HGE_VERSION);
    hgeConfigure(hgeRunOptions());
    return engine;
  }

  // The path of `name` in the scratch folder; Write writes `content` there first.
  std::string File(const std::string& name) const { return dir + "/" + name; }
  std::string Write(const std::string& name, const std::string& content) const {
    std::ofstream(File(name), std::ios::binary | std::ios::trunc) << content;
    return File(name);
  }

  // Writes a 2 x 2 PNG: red, green / blue, white (opaque).
  std::string MakePicture() const {
    const std::string path = File("quarters.png");
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 32, SDL_PIXELFORMAT_ARGB8888);
    const Uint32 colours[4] = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF};
    for (int i = 0; i < 4; ++i) static_cast<Uint32*>(s->pixels)[i / 2 * (s->pitch / 4) + i % 2] = colours[i];
    IMG_SavePNG(s, path.c_str());
    SDL_FreeSurface(s);
    return path;
  }

  HGE* engine = nullptr;
  std::string dir;
};
