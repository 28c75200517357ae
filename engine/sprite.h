// hgeSprite: a textured rectangle cut from a texture, drawn as one quad.
#pragma once

#include <cstdint>

#include "engine/hge.h"

class hgeSprite {
 public:
  // A sprite showing rectangle (x, y, w, h) of `texture`; texture 0 counts as 1 x 1.
  hgeSprite(HTEXTURE texture, float x, float y, float w, float h);
  // A copy that takes its own engine reference.
  hgeSprite(const hgeSprite& other);
  hgeSprite& operator=(const hgeSprite&) = delete;
  // Gives the engine reference back.
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
  void SetHotSpot(float x, float y) {
    hotX = x;
    hotY = y;
  }
  // Mirrors the picture; with bHotSpot the hot spot is mirrored too.
  void SetFlip(bool bX, bool bY, bool bHotSpot = false);
  // Sets the blend mode of the quad.
  void SetBlendMode(int blend) { quad.blend = blend; }
  // Sets the depth of all four vertices (i = -1) or of vertex i.
  void SetZ(float z, int i = -1);

  // The texture handle.
  HTEXTURE GetTexture() const { return quad.tex; }
  // The picture's rectangle in the texture, pixels.
  void GetTextureRect(float* x, float* y, float* w, float* h) const;
  // The colour of vertex i (0 for an index outside 0..3).
  uint32_t GetColor(int i = 0) const { return i >= 0 && i < 4 ? quad.v[i].col : 0; }
  // The picture's size, pixels.
  float GetWidth() const { return width; }
  float GetHeight() const { return height; }
  // The hot spot.
  float GetHotSpotX() const { return hotX; }
  float GetHotSpotY() const { return hotY; }
  // The quad as last handed to the engine.
  const hgeQuad& GetQuad() const { return quad; }

 protected:
  // Sets the texture coordinates of the rectangle (left, top, w, h), then the flips.
  void SetTexCoords(float left, float top, float w, float h);
  // Mirrors the texture coordinates left-right / top-bottom.
  void SwapHorizontal();
  void SwapVertical();
  // Places the four corners of an axis-aligned rectangle.
  void SetCorners(float x1, float y1, float x2, float y2);

  HGE* hge;  // own reference, taken in the constructor and given back in the destructor

  hgeQuad quad;
  float tx, ty, width, height;
  float texWidth, texHeight;
  float hotX, hotY;
  bool bXFlip, bYFlip, bHSFlip;
};
