// hgeSprite: building and drawing the quad of a textured rectangle.
#include "engine/sprite.h"

#include <cmath>
#include <utility>

namespace {

// Size of a texture as a divisor: handle 0, or a size the engine cannot tell, counts as 1.
float TextureSize(int pixels, HTEXTURE tex) {
  return tex != 0 && pixels > 0 ? static_cast<float>(pixels) : 1.0f;
}

}  // namespace

hgeSprite::hgeSprite(HTEXTURE texture, float x, float y, float w, float h)
    : hge(hgeCreate(HGE_VERSION)),
      tx(x),
      ty(y),
      width(w),
      height(h),
      hotX(0.0f),
      hotY(0.0f),
      bXFlip(false),
      bYFlip(false),
      bHSFlip(false) {
  texWidth = TextureSize(texture != 0 ? hge->Texture_GetWidth(texture) : 0, texture);
  texHeight = TextureSize(texture != 0 ? hge->Texture_GetHeight(texture) : 0, texture);
  quad.tex = texture;
  quad.blend = BLEND_DEFAULT;
  for (hgeVertex& v : quad.v) {
    v.x = v.y = 0.0f;
    v.z = 0.5f;
    v.col = 0xFFFFFFFF;
  }
  SetTexCoords(x, y, w, h);
}

hgeSprite::hgeSprite(const hgeSprite& other)
    : hge(hgeCreate(HGE_VERSION)),
      quad(other.quad),
      tx(other.tx),
      ty(other.ty),
      width(other.width),
      height(other.height),
      texWidth(other.texWidth),
      texHeight(other.texHeight),
      hotX(other.hotX),
      hotY(other.hotY),
      bXFlip(other.bXFlip),
      bYFlip(other.bYFlip),
      bHSFlip(other.bHSFlip) {}

hgeSprite::~hgeSprite() {
  if (hge != nullptr) hge->Release();
}

void hgeSprite::SetTexCoords(float left, float top, float w, float h) {
  float u1 = left / texWidth, v1 = top / texHeight;
  float u2 = (left + w) / texWidth, v2 = (top + h) / texHeight;
  quad.v[0].tx = u1;
  quad.v[0].ty = v1;
  quad.v[1].tx = u2;
  quad.v[1].ty = v1;
  quad.v[2].tx = u2;
  quad.v[2].ty = v2;
  quad.v[3].tx = u1;
  quad.v[3].ty = v2;
  if (bXFlip) SwapHorizontal();
  if (bYFlip) SwapVertical();
}

void hgeSprite::SwapHorizontal() {
  std::swap(quad.v[0].tx, quad.v[1].tx);
  std::swap(quad.v[0].ty, quad.v[1].ty);
  std::swap(quad.v[3].tx, quad.v[2].tx);
  std::swap(quad.v[3].ty, quad.v[2].ty);
}

void hgeSprite::SwapVertical() {
  std::swap(quad.v[0].tx, quad.v[3].tx);
  std::swap(quad.v[0].ty, quad.v[3].ty);
  std::swap(quad.v[1].tx, quad.v[2].tx);
  std::swap(quad.v[1].ty, quad.v[2].ty);
}

void hgeSprite::SetCorners(float x1, float y1, float x2, float y2) {
  quad.v[0].x = x1;
  quad.v[0].y = y1;
  quad.v[1].x = x2;
  quad.v[1].y = y1;
  quad.v[2].x = x2;
  quad.v[2].y = y2;
  quad.v[3].x = x1;
  quad.v[3].y = y2;
}

void hgeSprite::Render(float x, float y) {
  float x1 = x - hotX, y1 = y - hotY;
  SetCorners(x1, y1, x1 + width, y1 + height);
  hge->Gfx_RenderQuad(&quad);
}

void hgeSprite::RenderEx(float x, float y, float rot, float hscale, float vscale) {
  if (vscale == 0.0f) vscale = hscale;
  float x1 = -hotX * hscale, y1 = -hotY * vscale;
  float x2 = (width - hotX) * hscale, y2 = (height - hotY) * vscale;
  if (rot == 0.0f) {
    SetCorners(x1 + x, y1 + y, x2 + x, y2 + y);
  } else {
    float c = std::cos(rot), s = std::sin(rot);
    const float corners[4][2] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}};
    for (int i = 0; i < 4; ++i) {
      quad.v[i].x = corners[i][0] * c - corners[i][1] * s + x;
      quad.v[i].y = corners[i][0] * s + corners[i][1] * c + y;
    }
  }
  hge->Gfx_RenderQuad(&quad);
}

void hgeSprite::RenderStretch(float x1, float y1, float x2, float y2) {
  SetCorners(x1, y1, x2, y2);
  hge->Gfx_RenderQuad(&quad);
}

void hgeSprite::SetColor(uint32_t col, int i) {
  if (i == -1) {
    for (hgeVertex& v : quad.v) v.col = col;
  } else if (i >= 0 && i < 4) {
    quad.v[i].col = col;
  }
}

void hgeSprite::SetZ(float z, int i) {
  if (i == -1) {
    for (hgeVertex& v : quad.v) v.z = z;
  } else if (i >= 0 && i < 4) {
    quad.v[i].z = z;
  }
}

void hgeSprite::SetTextureRect(float x, float y, float w, float h, bool adjSize) {
  tx = x;
  ty = y;
  if (adjSize) {
    width = w;
    height = h;
  }
  SetTexCoords(x, y, w, h);
}

void hgeSprite::SetTexture(HTEXTURE tex) {
  float newWidth = TextureSize(tex != 0 ? hge->Texture_GetWidth(tex) : 0, tex);
  float newHeight = TextureSize(tex != 0 ? hge->Texture_GetHeight(tex) : 0, tex);
  quad.tex = tex;
  if (newWidth != texWidth || newHeight != texHeight) {
    // Same pixels in the new texture: scale the coordinates by old size / new size.
    for (hgeVertex& v : quad.v) {
      v.tx = v.tx * texWidth / newWidth;
      v.ty = v.ty * texHeight / newHeight;
    }
    texWidth = newWidth;
    texHeight = newHeight;
  }
}

void hgeSprite::SetFlip(bool bX, bool bY, bool bHotSpot) {
  // Undo the hot-spot mirroring of the old flags, then apply the new ones.
  if (bHSFlip && bXFlip) hotX = width - hotX;
  if (bHSFlip && bYFlip) hotY = height - hotY;
  bHSFlip = bHotSpot;
  if (bHSFlip && bX) hotX = width - hotX;
  if (bHSFlip && bY) hotY = height - hotY;
  if (bX != bXFlip) SwapHorizontal();
  if (bY != bYFlip) SwapVertical();
  bXFlip = bX;
  bYFlip = bY;
}

void hgeSprite::GetTextureRect(float* x, float* y, float* w, float* h) const {
  if (x != nullptr) *x = tx;
  if (y != nullptr) *y = ty;
  if (w != nullptr) *w = width;
  if (h != nullptr) *h = height;
}
