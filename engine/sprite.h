// hgeSprite: a textured rectangle cut from a texture, drawn as one quad.
#pragma once

#include <cstdint>

#include "engine/hge.h"

class hgeSprite {
 public:
  // A sprite showing rectangle (x, y, w, h) of `texture`; texture 0 counts as 1 x 1.
  hgeSprite(HTEXTURE texture, float x, float y, float w, float h);
  hgeSprite(const hgeSprite& other);
  hgeSprite& operator=(const hgeSprite&) = delete;
  virtual ~hgeSprite();

  // Draws with the top-left corner (less the hot spot) at (x, y).
  void Render(float x, float y);
  // Draws rotated about (x, y) and scaled; vscale 0 means hscale on both axes.
  void RenderEx(float x, float y, float rot, float hscale = 1.0f, float vscale = 0.0f);
  // Draws stretched over the screen rectangle (x1, y1)-(x2, y2).
  void RenderStretch(float x1, float y1, float x2, float y2);

  // Sets the colour of all four vertices (i = -1) or of vertex i.
  void SetColor(uint32_t col, int i = -1);
  // Moves the picture's rectangle in the texture; with adjSize also resizes it.
  void SetTextureRect(float x, float y, float w, float h, bool adjSize = true);
  // Takes a new texture, keeping the picture's pixel rectangle.
  void SetTexture(HTEXTURE tex);
  // Sets the drawing origin inside the picture.
  void SetHotSpot(float x, float y) { hotX = x; hotY = y; }
  // Mirrors the picture.
  void SetFlip(bool bX, bool bY, bool bHotSpot = false);
  void SetBlendMode(int blend) { quad.blend = blend; }
  void SetZ(float z, int i = -1);

  HTEXTURE GetTexture() const { return quad.tex; }
  void GetTextureRect(float* x, float* y, float* w, float* h) const;
  uint32_t GetColor(int i = 0) const { return quad.v[i].col; }
  float GetWidth() const { return width; }
  float GetHeight() const { return height; }
  const hgeQuad& GetQuad() const { return quad; }

 protected:
  HGE* hge;  // own reference, taken in the constructor and given back in the destructor

  hgeQuad quad;
  float tx, ty, width, height;
  float texWidth, texHeight;
  float hotX, hotY;
  bool bXFlip, bYFlip, bHSFlip;
};
