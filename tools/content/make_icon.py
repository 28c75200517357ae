"""Writes the desktop icon: a striped sun setting behind the town, on a rounded dusk tile (Data/icon*.png)."""
import sys

import numpy as np
from PIL import Image

import art
import layout
import scenery
from art import Shape

S = 256  # the icon is drawn on a 256 x 256 picture
SIZES = {256: "Data/icon.png", 128: "Data/icon128.png", 64: "Data/icon64.png"}
SILHOUETTE = (10, 8, 20)


def _tile():
    """The rounded tile as an alpha mask at the layer's size."""
    m, ox, oy = Shape().rect(8, 8, S - 8, S - 8, 44).render(4, 0)
    a = np.zeros((S * 4, S * 4), np.float32)
    a[oy:oy + m.height, ox:ox + m.width] = np.asarray(m, np.float32) / 255
    return a


def icon():
    """The icon at 256 x 256 with a transparent surround."""
    layer = art.Layer(S, S, 4)
    tile = _tile()
    sky = art.vertical_gradient(S * 4, S * 4, scenery.DUSK_SKY[:3] + [(0.8, layout.EMBER), (1.0, layout.NIGHT)])
    layer.img.alpha_composite(art.to_image(sky, tile))

    cx, cy, r = 128, 132, 74
    layer.glow(Shape().circle(cx, cy, r), layout.EMBER, 22, 0.45)
    sun = Shape().circle(cx, cy, r)
    for k in range(4):
        y = cy + 10 + k * 13
        sun.rect(cx - r - 2, y, cx + r + 2, y + 3 + k * 1.5, erase=True)
    m, ox, oy = sun.render(4, 2)
    a = np.zeros((S * 4, S * 4), np.float32)
    a[oy:oy + m.height, ox:ox + m.width] = np.asarray(m, np.float32) / 255
    glow = art.vertical_gradient(S * 4, S * 4, [(0, layout.GLOW), (0.4, layout.GLOW), (0.55, layout.AMBER),
                                                (0.75, layout.EMBER)])
    layer.img.alpha_composite(art.to_image(glow, a * tile))

    town = Shape()
    for x0, x1, top in [(8, 44, 160), (40, 70, 138), (66, 98, 170), (158, 190, 150), (186, 214, 126),
                        (210, 248, 166)]:
        town.rect(x0, top, x1, 210)
    town.poly([(36, 138), (55, 112), (74, 138)])            # the church's roof
    town.rect(53, 96, 57, 114).rect(49, 100, 61, 103)       # and its cross
    town.rect(196, 110, 201, 126)                           # a chimney
    town.rect(8, 200, S - 8, S - 8)
    layer.fill(town, SILHOUETTE)
    for wx, wy in [(20, 172), (30, 186), (78, 182), (168, 162), (168, 178), (194, 140), (222, 178), (232, 192)]:
        layer.fill(Shape().rect(wx, wy, wx + 5, wy + 7), layout.AMBER, alpha=0.85)
    scenery.walker(layer, 126, 216, 58, SILHOUETTE, lean=0.25)

    frame = Shape().rect(8, 8, S - 8, S - 8, 44).rect(12, 12, S - 12, S - 12, 40, erase=True)
    layer.fill(frame, layout.AMBER, alpha=0.55)
    pixels = np.asarray(layer.img).copy()
    pixels[..., 3] = (pixels[..., 3] * tile + 0.5).astype(np.uint8)  # nothing leaves the rounded tile
    layer.img = Image.fromarray(pixels, "RGBA")
    return layer.done()


def main(out):
    big = icon()
    for size, name in SIZES.items():
        picture = big if size == S else big.convert("RGBa").resize((size, size), Image.LANCZOS).convert("RGBA")
        art.save(picture, out, name)


if __name__ == "__main__":
    main(sys.argv[1])
