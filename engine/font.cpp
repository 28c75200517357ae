// hgeFont: loading glyphs from a font description and drawing and measuring text with them.
#include "engine/font.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <string>

#include "engine/font_parser.h"
#include "engine/sprite.h"

namespace {

// The one formatting buffer all fonts share.
char formatBuffer[1024];

}  // namespace

hgeFont::hgeFont(const char* filename, bool bMipmap) : hge(hgeCreate(HGE_VERSION)) {
  if (filename == nullptr) return;
  uint32_t size = 0;
  void* data = hge->Resource_Load(filename, &size);
  if (data == nullptr) return;  // a missing file is an empty font, silently
  FontDescription description = ParseFontDescription(static_cast<const char*>(data), size);
  hge->Resource_Free(data);
  if (!description.headerOk) {
    hge->System_Log("Font %s has incorrect format.", filename);
    return;
  }
  for (const FontLine& line : description.lines) {
    if (line.kind == FontLine::kBitmap) {
      if (line.bitmap.empty() || !LoadBitmap(FontBitmapPath(filename, line.bitmap), bMipmap)) return;
      continue;
    }
    // A later line for the same byte replaces the earlier glyph.
    delete letters[line.code];
    letters[line.code] = new hgeSprite(texture, static_cast<float>(line.x), static_cast<float>(line.y),
                                       static_cast<float>(line.w), static_cast<float>(line.h));
    pre[line.code] = static_cast<float>(line.pre);
    post[line.code] = static_cast<float>(line.post);
    if (line.h > height) height = static_cast<float>(line.h);
  }
}

bool hgeFont::LoadBitmap(const std::string& path, bool bMipmap) {
  // The engine hands out a stand-in handle even for a missing picture, so look for the file first.
  void* probe = hge->Resource_Load(path.c_str());
  if (probe == nullptr) return false;
  hge->Resource_Free(probe);
  HTEXTURE tex = hge->Texture_Load(path.c_str(), 0, bMipmap);
  if (tex == 0) return false;
  texture = tex;
  textures.push_back(tex);
  return true;
}

hgeFont::~hgeFont() {
  for (hgeSprite*& letter : letters) {
    delete letter;
    letter = nullptr;
  }
  for (HTEXTURE tex : textures) hge->Texture_Free(tex);
  hge->Release();
}

bool hgeFont::IsLoaded() const {
  if (texture == 0) return false;
  for (const hgeSprite* letter : letters) {
    if (letter != nullptr) return true;
  }
  return false;
}

const hgeSprite* hgeFont::Glyph(unsigned char c, int* index) const {
  int i = letters[c] != nullptr ? c : '?';
  if (index != nullptr) *index = i;
  return letters[i];
}

float hgeFont::LineOffset(const char* text, int align) const {
  if (align == HGETEXT_RIGHT) return GetStringWidth(text, false);
  if (align == HGETEXT_CENTER) return std::round(GetStringWidth(text, false) / 2.0f);
  return 0.0f;
}

void hgeFont::Render(float x, float y, int align, const char* string) {
  if (string == nullptr) return;
  align &= HGETEXT_HORZMASK;
  const float step = scale * proportion;
  float fx = x - LineOffset(string, align);
  for (const char* p = string; *p != '\0'; ++p) {
    if (*p == '\n') {
      y += std::round(height * scale * spacing);
      fx = x - LineOffset(p + 1, align);
      continue;
    }
    int i = 0;
    const hgeSprite* glyph = Glyph(static_cast<unsigned char>(*p), &i);
    if (glyph == nullptr) continue;  // neither the byte nor '?' has a glyph
    fx += pre[i] * step;
    letters[i]->RenderEx(fx, y, rotation, step, scale);
    fx += (glyph->GetWidth() + post[i] + tracking) * step;
  }
}

void hgeFont::printf(float x, float y, int align, const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vsnprintf(formatBuffer, sizeof(formatBuffer), format, args);
  va_end(args);
  Render(x, y, align, formatBuffer);
}

float hgeFont::GetStringWidth(const char* string, bool bMultiline) const {
  if (string == nullptr) return 0.0f;
  float widest = 0.0f;
  const char* p = string;
  while (*p != '\0') {
    float line = 0.0f;
    for (; *p != '\0' && *p != '\n'; ++p) {
      int i = 0;
      const hgeSprite* glyph = Glyph(static_cast<unsigned char>(*p), &i);
      if (glyph != nullptr) line += glyph->GetWidth() + pre[i] + post[i] + tracking;
    }
    if (!bMultiline) return line * scale * proportion;
    if (line > widest) widest = line;
    while (*p == '\n' || *p == '\r') ++p;
  }
  return widest * scale * proportion;
}

void hgeFont::SetColor(uint32_t col) {
  colour = col;
  for (hgeSprite* letter : letters) {
    if (letter != nullptr) letter->SetColor(col);
  }
}

void hgeFont::SetZ(float depth) {
  z = depth;
  for (hgeSprite* letter : letters) {
    if (letter != nullptr) letter->SetZ(depth);
  }
}

void hgeFont::SetBlendMode(int mode) {
  blend = mode;
  for (hgeSprite* letter : letters) {
    if (letter != nullptr) letter->SetBlendMode(mode);
  }
}
