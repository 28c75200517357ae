// Shared helpers of the engine backend tests: scratch files and a per-test headless engine.
#pragma once

#include <SDL2/SDL.h>
#include <SDL2/SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>

#include "engine/headless/headless.h"

// A path in the tests' scratch folder (created on first use).
inline std::string ScratchPath(const std::string& name) {
  mkdir(DH_TEST_TMP, 0755);
  return std::string(DH_TEST_TMP) + "/backend_" + name;
}

// Writes `content` to `path`, replacing the file.
inline void WriteText(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

// Reads a whole file ("" when missing).
inline std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Writes a 2 x 2 PNG: red, green / blue, white (opaque).
inline std::string MakePicture() {
  const std::string path = ScratchPath("quarters.png");
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 32, SDL_PIXELFORMAT_ARGB8888);
  Uint32* p = static_cast<Uint32*>(s->pixels);
  const int stride = s->pitch / 4;
  p[0] = 0xFFFF0000;
  p[1] = 0xFF00FF00;
  p[stride] = 0xFF0000FF;
  p[stride + 1] = 0xFFFFFFFF;
  IMG_SavePNG(s, path.c_str());
  SDL_FreeSurface(s);
  return path;
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

// Gives every test a fresh headless engine (made by the test with Start) and releases it afterwards.
class HeadlessTest : public ::testing::Test {
 protected:
  HGE* Start(const hgeRunOptions& options = hgeRunOptions()) {
    engine = HeadlessCreate(options);
    return engine;
  }
  void TearDown() override {
    if (engine != nullptr) engine->Release();
    engine = nullptr;
  }

  HGE* engine = nullptr;
};
