// hgeSpriteStrip: a sprite whose picture is one frame of a strip of equal frames in a texture.
#pragma once

#include "engine/sprite.h"

class hgeSpriteStrip : public hgeSprite {
 public:
  // Play modes (the strip stores its mode; the game only ever sets frames itself).
  enum : int { HGEANIM_FWD = 0, HGEANIM_LOOP = 4 };

  // `frames` frames of w x h, the first at (x, y) in `tex`, continuing rightwards and onto later rows.
  hgeSpriteStrip(HTEXTURE tex, int frames, float fps, float x, float y, float w, float h);

  // Shows frame n, brought into 0..frames-1 (negative values count back from the end).
  void SetFrame(int n);
  // The frame shown.
  int GetFrame() const { return currentFrame; }
  // Number of frames.
  int GetFrames() const { return frameCount; }
  // Seconds per frame (0 when made with a frame rate of 0).
  float GetSecondsPerFrame() const { return secondsPerFrame; }
  // Whether the strip is playing by itself (never, in this game).
  bool IsPlaying() const { return playing; }
  // The play mode, HGEANIM_FWD | HGEANIM_LOOP.
  int GetMode() const { return mode; }

 private:
  int frameCount;
  float secondsPerFrame;
  int currentFrame = 0;
  bool playing = false;
  int mode = HGEANIM_FWD | HGEANIM_LOOP;
  int originalWidth;  // the image file's width, pixels
};
