// Reading an "[HGEFONT]" description from memory into its Bitmap and Char lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// One line of a font description that the font acts on, in file order.
struct FontLine {
  enum Kind { kBitmap, kChar } kind = kChar;
  std::string bitmap;              // kBitmap: the file name as written ("" when the line names none)
  unsigned char code = 0;          // kChar: the byte value the glyph stands for
  int x = 0, y = 0, w = 0, h = 0;  // kChar: the glyph's rectangle in the texture
  int pre = 0, post = 0;           // kChar: space before and after the glyph
};

// A font description as read: whether its header was right, and the lines to act on.
struct FontDescription {
  bool headerOk = false;        // the first line is exactly "[HGEFONT]"
  std::vector<FontLine> lines;  // Bitmap and well-formed Char lines (empty without the header)
};

// Longest line the reader looks at; the rest of a longer line is ignored.
constexpr size_t kFontLineMax = 255;

// Reads `size` bytes of a font description (no terminator needed). Never fails: lines it cannot use
// (Char lines with a value above FF, without a character or with fewer than six numbers) are left out.
FontDescription ParseFontDescription(const char* data, size_t size);

// Where the font's bitmap lives: `bitmap` in the folder of `fontFile` (after its last '\', else its
// last '/'), or `bitmap` alone when the font file name has no folder.
std::string FontBitmapPath(const std::string& fontFile, const std::string& bitmap);
