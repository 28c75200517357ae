"""Writes Data/font.fnt and Data/font.png: DejaVu Sans rasterised white with alpha, CP1251 byte values."""
import os
import sys

from PIL import Image, ImageDraw

import art

SIZE = 13
ATLAS_W, ATLAS_H = 256, 256
PAD = 8  # margin of the scratch picture a glyph is measured in
# Bytes with a glyph: printable ASCII, every Cyrillic letter, and the punctuation of Russian texts.
EXTRA = "ЁёАБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯабвгдежзийклмнопрстуфхцчшщъыьэюя«»—–№…„“”°"
CHARS = sorted(set([chr(c) for c in range(0x20, 0x7F)] + list(EXTRA)), key=lambda ch: ch.encode("cp1251"))


def ink(f, ch):
    """The glyph drawn alone: (picture, ink box) with the pen at (PAD, PAD) on the ascender line."""
    im = Image.new("L", (SIZE * 3 + 2 * PAD, SIZE * 2 + 2 * PAD), 0)
    ImageDraw.Draw(im).text((PAD, PAD), ch, font=f, fill=255, anchor="la")
    return im, im.getbbox()


def main(out):
    """Writes this step's files under the output root `out`."""
    f = art.font("DejaVuSans.ttf", SIZE)
    glyphs = [(ch,) + ink(f, ch) for ch in CHARS]
    top = min(b[1] for _, _, b in glyphs if b)
    bottom = max(b[3] for _, _, b in glyphs if b)
    line_h = bottom - top
    atlas = Image.new("L", (ATLAS_W, ATLAS_H), 0)
    lines = ["[HGEFONT]", "", "Bitmap = font.png", ""]
    x, y = 1, 1
    for ch, im, box in glyphs:
        advance = int(round(f.getlength(ch)))
        left, right = (box[0], box[2]) if box else (PAD, PAD + 1)  # the space keeps one blank column
        w = right - left
        if x + w + 1 > ATLAS_W:
            x, y = 1, y + line_h + 2
        assert y + line_h < ATLAS_H, "font atlas too small"
        atlas.paste(im.crop((left, top, right, bottom)), (x, y))
        b = ch.encode("cp1251")[0]
        name = '"%s"' % ch if 0x20 < b < 0x7F and ch != '"' else "%02X" % b
        pre = left - PAD
        lines.append("Char = %s, %d, %d, %d, %d, %d, %d" % (name, x, y, w, line_h, pre, advance - pre - w))
        x += w + 2
    white = Image.new("RGBA", atlas.size, (255, 255, 255, 0))
    white.putalpha(atlas)
    art.save(white, out, "Data/font.png")
    with open(os.path.join(out, "Data", "font.fnt"), "w", encoding="ascii", newline="\n") as fh:
        fh.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
