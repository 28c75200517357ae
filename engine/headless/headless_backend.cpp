// HeadlessBackend: frames back to back, silent effects, scenes rasterised only when a shot needs them.
#include "engine/headless/headless_backend.h"

#include <SDL2/SDL_image.h>

#include <iostream>

#include "engine/core/backends.h"

namespace {

HeadlessBackend* current = nullptr;

}  // namespace

HGE* CreateHeadlessEngine(const hgeRunOptions& options) {
  return new HeadlessBackend(options);
}

HeadlessBackend::HeadlessBackend(const hgeRunOptions& runOptions)
    : EngineBase(runOptions), fixedDelta(runOptions.fixedDelta) {
  fpsFromDelta = true;
  current = this;
  if (options.shots.empty()) return;
  screen = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
  if (screen != nullptr) renderer = SDL_CreateSoftwareRenderer(screen);
  if (renderer == nullptr) {
    std::cerr << "Cannot make the software renderer for shots: " << SDL_GetError() << "\n";
    return;
  }
  canvas.SetRenderer(renderer);
  canvas.Begin(0);
  canvas.Clear(0xFF000000);
}

HeadlessBackend::~HeadlessBackend() {
  if (current == this) current = nullptr;
  canvas.SetRenderer(nullptr);
  if (renderer != nullptr) SDL_DestroyRenderer(renderer);
  if (screen != nullptr) SDL_FreeSurface(screen);
}

HeadlessBackend* HeadlessBackend::Current() {
  return current;
}

HTARGET HeadlessBackend::Target_Create(int width, int height, bool) {
  return canvas.CreateTarget(width, height);
}

HTEXTURE HeadlessBackend::Texture_Load(const char* filename, uint32_t size, bool) {
  return canvas.LoadTexture(filename, size);
}

bool HeadlessBackend::SceneBegin(HTARGET target) {
  if (!canvas.Knows(target)) return false;
  rasterising = renderer != nullptr && (target != 0 || ShotWanted(System_GetFrame()));
  if (rasterising) canvas.Begin(target);
  return true;
}

void HeadlessBackend::SceneEnd(HTARGET) {
  if (rasterising) SDL_RenderFlush(renderer);
  rasterising = false;
}

void HeadlessBackend::SceneClear(uint32_t color) {
  if (rasterising) canvas.Clear(color);
}

void HeadlessBackend::DrawBatch(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads) {
  if (rasterising) canvas.Draw(tex, blend, quads);
}

void HeadlessBackend::ShowErrorBox(const std::string& utf8) {
  std::cerr << "Error: " << utf8 << "\n";
}

void HeadlessBackend::WriteShot(const std::string& file) {
  if (screen == nullptr || renderer == nullptr) return;
  SDL_RenderFlush(renderer);
  SDL_Surface* rgb = SDL_ConvertSurfaceFormat(screen, SDL_PIXELFORMAT_RGB24, 0);
  if (rgb == nullptr || IMG_SavePNG(rgb, file.c_str()) != 0) {
    std::cerr << "Cannot write the shot " << file << ": " << SDL_GetError() << "\n";
  }
  if (rgb != nullptr) SDL_FreeSurface(rgb);
}

HCHANNEL HeadlessBackend::Effect_PlayEx(HEFFECT eff, int volume, int, float, bool loop) {
  volume = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
  channelVolumes.push_back(volume);
  const HCHANNEL channel = static_cast<HCHANNEL>(channelVolumes.size());
  played.push_back({eff, volume, loop, channel});
  return channel;
}

void HeadlessBackend::Channel_SetVolume(HCHANNEL chn, int volume) {
  if (chn == 0 || chn > channelVolumes.size()) return;
  channelVolumes[chn - 1] = volume < 0 ? 0 : (volume > 100 ? 100 : volume);
}

int HeadlessBackend::ChannelVolume(HCHANNEL channel) const {
  return channel == 0 || channel > channelVolumes.size() ? -1 : channelVolumes[channel - 1];
}
