// hgeFont: a bitmap font read from an "[HGEFONT]" description file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/hge.h"

class hgeSprite;

// Text alignments (only the low two bits count).
enum : int { HGETEXT_LEFT = 0, HGETEXT_RIGHT = 1, HGETEXT_CENTER = 2, HGETEXT_HORZMASK = 3 };

class hgeFont {
 public:
  // Reads the font file; any failure leaves an empty font that draws nothing.
  explicit hgeFont(const char* filename, bool bMipmap = false);
  // Deletes the glyphs, frees the bitmaps and gives the engine reference back.
  ~hgeFont();
  hgeFont(const hgeFont&) = delete;
  hgeFont& operator=(const hgeFont&) = delete;

  // Draws Windows-1251 text; '\n' starts a new, re-aligned line; missing glyphs show as '?'.
  void Render(float x, float y, int align, const char* string);
  // Formats (at most 1023 characters) and draws.
  void printf(float x, float y, int align, const char* format, ...) __attribute__((format(printf, 5, 6)));

  // Sets the colour of every glyph.
  void SetColor(uint32_t col);
  // Sets the depth of every glyph.
  void SetZ(float z);
  // Sets the blend mode of every glyph.
  void SetBlendMode(int blend);
  // Size factor of the text.
  void SetScale(float s) { scale = s; }
  // Extra horizontal factor (width over height).
  void SetProportion(float p) { proportion = p; }
  // Rotation of every glyph about its own position, radians.
  void SetRotation(float rot) { rotation = rot; }
  // Extra space after every glyph, pixels before scaling.
  void SetTracking(float t) { tracking = t; }
  // Line spacing factor.
  void SetSpacing(float s) { spacing = s; }

  // The colour last set.
  uint32_t GetColor() const { return colour; }
  // Height of the tallest glyph.
  float GetHeight() const { return height; }
  // The size factor.
  float GetScale() const { return scale; }
  // Width of the text: the first line (multiline false) or the widest line.
  float GetStringWidth(const char* string, bool bMultiline = true) const;
  // The glyph sprite of byte c, or null.
  hgeSprite* GetSprite(unsigned char c) const { return letters[c]; }
  // True when the font has a texture and at least one glyph.
  bool IsLoaded() const;

 private:
  // Loads the bitmap at `path` as the texture of the glyphs that follow; false when it cannot.
  bool LoadBitmap(const std::string& path, bool bMipmap);
  // The glyph drawn for byte c ('?' standing in for a missing one) and its index; null when none.
  const hgeSprite* Glyph(unsigned char c, int* index) const;
  // How far left of x a line starting at `text` begins for the alignment.
  float LineOffset(const char* text, int align) const;

  HGE* hge;
  HTEXTURE texture = 0;            // the newest bitmap, used by the glyphs that follow it
  std::vector<HTEXTURE> textures;  // every bitmap loaded, freed with the font
  hgeSprite* letters[256] = {};
  float pre[256] = {};
  float post[256] = {};
  float height = 0.0f;
  float scale = 1.0f;
  float proportion = 1.0f;
  float rotation = 0.0f;
  float tracking = 0.0f;
  float spacing = 1.0f;
  uint32_t colour = 0xFFFFFFFF;
  float z = 0.5f;
  int blend = BLEND_DEFAULT;
};
