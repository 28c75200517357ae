// SdlCanvas: PNG textures through SDL2_image, target textures and SDL_RenderGeometry batches.
#include "engine/sdl/sdl_canvas.h"

#include <SDL2/SDL_image.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>

#include "engine/sdl/sdl_batching.h"

namespace {

// The largest picture or target side we accept.
constexpr int kMaxSide = 16384;

// The two triangles of a quad, as indices of its four vertices.
constexpr int kQuadCorners[6] = {0, 1, 2, 0, 2, 3};

SDL_Color ToColor(uint32_t argb) {
  return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                   static_cast<Uint8>(argb >> 24)};
}

// The whole file ("" when it cannot be read), in large reads into room reserved for its size: a string
// stream took nearly 30 times longer on the map's pictures.
std::string ReadFile(const std::string& path) {
  std::string bytes;
  FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return bytes;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error && size <= static_cast<std::uintmax_t>(INT32_MAX)) bytes.reserve(static_cast<size_t>(size));
  char chunk[1 << 16];
  for (size_t n; (n = std::fread(chunk, 1, sizeof(chunk), file)) > 0;) bytes.append(chunk, n);
  std::fclose(file);
  return bytes;
}

SDL_BlendMode ToBlendMode(int blend) {
  return (blend & BLEND_ALPHABLEND) != 0 ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_ADD;
}

}  // namespace

SdlCanvas::~SdlCanvas() {
  for (auto& entry : textures) {
    if (entry.second.sdl != nullptr) SDL_DestroyTexture(entry.second.sdl);
  }
  if (scratch != nullptr) SDL_DestroyTexture(scratch);
}

void SdlCanvas::SetRenderer(SDL_Renderer* newRenderer) {
  if (renderer != nullptr) SDL_SetRenderTarget(renderer, nullptr);
  for (auto& entry : textures) {
    if (entry.second.sdl != nullptr) SDL_DestroyTexture(entry.second.sdl);
    entry.second.sdl = nullptr;
  }
  if (scratch != nullptr) SDL_DestroyTexture(scratch);
  scratch = nullptr;
  renderer = newRenderer;
  // Without a renderer the sizes already known are all that is kept: the pictures are not decoded again.
  if (renderer == nullptr) return;
  SDL_RendererInfo info;
  if (SDL_GetRendererInfo(renderer, &info) == 0) SdlNoteRenderer(info.name);
  for (auto& entry : textures) Make(&entry.second);
}

void SdlCanvas::Make(Texture* texture) {
  if (texture->target != 0) {
    if (renderer == nullptr) return;
    texture->sdl = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                     texture->width, texture->height);
    if (texture->sdl == nullptr) return;
    SDL_Texture* previous = SDL_GetRenderTarget(renderer);
    SDL_SetRenderTarget(renderer, texture->sdl);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
    SDL_RenderClear(renderer);
    SDL_SetRenderTarget(renderer, previous);
    return;
  }
  std::string fileBytes;
  const std::string* bytes = &texture->bytes;
  if (!texture->file.empty()) {
    fileBytes = ReadFile(texture->file);
    bytes = &fileBytes;
  }
  SDL_Surface* surface = nullptr;
  if (!bytes->empty() && bytes->size() <= static_cast<size_t>(INT32_MAX)) {
    surface = IMG_Load_RW(SDL_RWFromConstMem(bytes->data(), static_cast<int>(bytes->size())), 1);
  }
  if (surface == nullptr || surface->w > kMaxSide || surface->h > kMaxSide) {
    texture->width = texture->height = 1;
  } else {
    texture->width = surface->w;
    texture->height = surface->h;
    if (renderer != nullptr) texture->sdl = SDL_CreateTextureFromSurface(renderer, surface);
  }
  if (surface != nullptr) SDL_FreeSurface(surface);
}

HTEXTURE SdlCanvas::LoadTexture(const char* source, uint32_t size) {
  Texture texture;
  if (source != nullptr && size == 0) texture.file = source;
  if (source != nullptr && size > 0 && size <= INT32_MAX) texture.bytes.assign(source, size);
  Make(&texture);
  const HTEXTURE handle = nextTexture++;
  textures[handle] = texture;
  return handle;
}

void SdlCanvas::FreeTexture(HTEXTURE tex) {
  const auto found = textures.find(tex);
  if (found == textures.end() || found->second.target != 0) return;  // a target's texture goes with it
  if (found->second.sdl != nullptr) SDL_DestroyTexture(found->second.sdl);
  textures.erase(found);
}

void SdlCanvas::ReloadTexture(HTEXTURE tex, const char* file) {
  const auto found = textures.find(tex);
  if (found == textures.end() || found->second.target != 0 || file == nullptr) return;
  Texture& texture = found->second;
  if (texture.sdl != nullptr) SDL_DestroyTexture(texture.sdl);
  texture.sdl = nullptr;
  texture.file = file;
  texture.bytes.clear();
  Make(&texture);
}

int SdlCanvas::Width(HTEXTURE tex) const {
  const auto found = textures.find(tex);
  return found == textures.end() ? 0 : found->second.width;
}

int SdlCanvas::Height(HTEXTURE tex) const {
  const auto found = textures.find(tex);
  return found == textures.end() ? 0 : found->second.height;
}

HTARGET SdlCanvas::CreateTarget(int w, int h) {
  if (w <= 0 || h <= 0 || w > kMaxSide || h > kMaxSide) return 0;
  const HTARGET target = nextTarget++;
  const HTEXTURE handle = nextTexture++;
  Texture texture;
  texture.width = w;
  texture.height = h;
  texture.target = target;
  Make(&texture);
  textures[handle] = texture;
  targets[target] = handle;
  return target;
}

void SdlCanvas::FreeTarget(HTARGET target) {
  const auto found = targets.find(target);
  if (found == targets.end()) return;
  const auto texture = textures.find(found->second);
  if (texture->second.sdl != nullptr) {
    if (renderer != nullptr && SDL_GetRenderTarget(renderer) == texture->second.sdl) {
      SDL_SetRenderTarget(renderer, nullptr);
    }
    SDL_DestroyTexture(texture->second.sdl);
  }
  textures.erase(texture);
  targets.erase(found);
}

HTEXTURE SdlCanvas::TargetTexture(HTARGET target) const {
  const auto found = targets.find(target);
  return found == targets.end() ? 0 : found->second;
}

void SdlCanvas::Begin(HTARGET target) {
  SDL_Texture* sdl = nullptr;
  if (target != 0) {
    const auto found = targets.find(target);
    if (found != targets.end()) sdl = textures[found->second].sdl;
  }
  drawing = renderer != nullptr && (target == 0 || sdl != nullptr);  // a target never made takes nothing
  if (drawing) SDL_SetRenderTarget(renderer, sdl);
}

void SdlCanvas::Clear(uint32_t color) {
  if (!drawing) return;
  const SDL_Color c = ToColor(color);
  SDL_SetRenderDrawColor(renderer, c.r, c.g, c.b, c.a);
  SDL_RenderClear(renderer);
}

void SdlCanvas::Draw(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads) {
  if (!drawing || quads.empty()) return;
  SDL_Texture* sdl = nullptr;
  if (tex != 0) {
    const auto found = textures.find(tex);
    if (found == textures.end() || found->second.sdl == nullptr) return;  // unknown or unreadable picture
    sdl = found->second.sdl;
    if (sdl == SDL_GetRenderTarget(renderer)) sdl = CopyOf(found->second);
    if (sdl == nullptr) return;
    SDL_SetTextureBlendMode(sdl, ToBlendMode(blend));
  } else {
    SDL_SetRenderDrawBlendMode(renderer, ToBlendMode(blend));
  }
  vertices.clear();
  indices.clear();
  for (const hgeQuad& quad : quads) {
    const int first = static_cast<int>(vertices.size());
    for (const hgeVertex& v : quad.v) {
      vertices.push_back(SDL_Vertex{SDL_FPoint{v.x, v.y}, ToColor(v.col), SDL_FPoint{v.tx, v.ty}});
    }
    for (int corner : kQuadCorners) indices.push_back(first + corner);
  }
  if (SdlBatching()) {
    SDL_RenderGeometry(renderer, sdl, vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                       static_cast<int>(indices.size()));
    SdlCountGeometryCalls(1);
    return;
  }
  // Batching switched off (for measuring): one call a quad.
  for (size_t first = 0; first < vertices.size(); first += 4) {
    SDL_RenderGeometry(renderer, sdl, &vertices[first], 4, kQuadCorners, 6);
  }
  SdlCountGeometryCalls(static_cast<int>(quads.size()));
}

SDL_Texture* SdlCanvas::CopyOf(const Texture& texture) {
  int w = 0, h = 0;
  if (scratch != nullptr) SDL_QueryTexture(scratch, nullptr, nullptr, &w, &h);
  if (scratch == nullptr || w != texture.width || h != texture.height) {
    if (scratch != nullptr) SDL_DestroyTexture(scratch);
    scratch = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, texture.width,
                                texture.height);
    if (scratch == nullptr) return nullptr;
  }
  SDL_SetRenderTarget(renderer, scratch);
  SDL_SetTextureBlendMode(texture.sdl, SDL_BLENDMODE_NONE);
  SDL_RenderCopy(renderer, texture.sdl, nullptr, nullptr);
  SDL_SetRenderTarget(renderer, texture.sdl);
  return scratch;
}
