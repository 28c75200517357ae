// hgeSpriteStrip: choosing a frame and wrapping it onto the following rows of the texture.
#include "engine/strip.h"

#include <cmath>

hgeSpriteStrip::hgeSpriteStrip(HTEXTURE tex, int frames, float fps, float x, float y, float w, float h)
    : hgeSprite(tex, x, y, w, h),
      frameCount(frames),
      secondsPerFrame(fps != 0.0f ? 1.0f / fps : 0.0f),
      originalWidth(hge->Texture_GetWidth(tex, true)) {}

void hgeSpriteStrip::SetFrame(int n) {
  if (frameCount <= 0) return;  // no frames to show
  n %= frameCount;
  if (n < 0) n += frameCount;
  currentFrame = n;

  const long frameWidth = std::lround(width);
  const long columns = frameWidth > 0 ? originalWidth / frameWidth : 0;
  float left = tx + n * width;
  float top = ty;
  // A frame past the texture's right edge continues on the following rows, from the left. Without a
  // whole frame per row (or without a frame width) there is nothing to wrap onto: the frame stays put.
  if (left > originalWidth - width && columns > 0) {
    long m = n - std::lround(originalWidth - tx) / frameWidth;
    left = width * static_cast<float>(m % columns);
    top = ty + height * static_cast<float>(1 + m / columns);
  }
  SetTexCoords(left, top, width, height);
}
