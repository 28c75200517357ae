// Textures, render targets and batched quad drawing on an SDL renderer (or only sizes, without one).
#pragma once

#include <SDL2/SDL.h>

#include <map>
#include <string>
#include <vector>

#include "engine/hge.h"

class SdlCanvas {
 public:
  SdlCanvas() = default;
  SdlCanvas(const SdlCanvas&) = delete;
  SdlCanvas& operator=(const SdlCanvas&) = delete;
  ~SdlCanvas();

  // Draws with `renderer` from now on; textures and targets are made anew on it. Null keeps only the sizes
  // known so far (nothing is decoded again).
  // The canvas does not own the renderer.
  void SetRenderer(SDL_Renderer* renderer);
  // Makes every texture and target anew on the same renderer (after the device was reset).
  void Rebuild() { SetRenderer(renderer); }

  // A PNG from a file (size 0) or from `size` bytes at `source`; never 0. A picture that cannot be read
  // gives a 1 x 1 handle that draws nothing.
  HTEXTURE LoadTexture(const char* source, uint32_t size);
  void FreeTexture(HTEXTURE tex);
  // Makes a loaded texture anew from `file`; targets and unknown handles are left alone.
  void ReloadTexture(HTEXTURE tex, const char* file);
  // Size in pixels; 0 for an unknown handle.
  int Width(HTEXTURE tex) const;
  int Height(HTEXTURE tex) const;

  // An off-screen surface of w x h pixels, cleared to transparent black; 0 when the size is bad.
  HTARGET CreateTarget(int w, int h);
  void FreeTarget(HTARGET target);
  // The texture handle of a target (0 for an unknown target); it stays valid until the target is freed.
  HTEXTURE TargetTexture(HTARGET target) const;
  // Whether `target` is 0 (the screen) or a live target.
  bool Knows(HTARGET target) const { return target == 0 || targets.count(target) != 0; }

  // Directs drawing to `target` (0: the screen).
  void Begin(HTARGET target);
  // Fills the current target with an ARGB colour.
  void Clear(uint32_t color);
  // Draws quads of one texture and blend mode with one SDL_RenderGeometry call (batching off: one a quad).
  void Draw(HTEXTURE tex, int blend, const std::vector<hgeQuad>& quads);

 private:
  struct Texture {
    int width = 1, height = 1;
    std::string file;            // source file ("" when loaded from memory or a target)
    std::string bytes;           // source bytes when loaded from memory
    HTARGET target = 0;          // the target this texture belongs to
    SDL_Texture* sdl = nullptr;  // null without a renderer or when the picture could not be read
  };

  // Decodes the texture's source and makes its SDL texture; sets its size.
  void Make(Texture* texture);
  // A copy of the target being drawn into, for quads that read it: a GPU renderer cannot read the texture
  // it writes (OpenGL leaves the result undefined, WebGL drops the draw). Null when no copy can be made.
  SDL_Texture* CopyOf(const Texture& texture);

  SDL_Renderer* renderer = nullptr;
  bool drawing = false;  // the current target takes drawing
  std::map<HTEXTURE, Texture> textures;
  std::map<HTARGET, HTEXTURE> targets;
  HTEXTURE nextTexture = 1;
  HTARGET nextTarget = 1;
  std::vector<SDL_Vertex> vertices;
  std::vector<int> indices;
  SDL_Texture* scratch = nullptr;  // the copy CopyOf keeps, remade when a target of another size needs one
};
