"""Renders a picture of a written level the way the game draws it, with stand-in figures on some cells.

Usage: level_preview.py ROOT OUT.png [MAP] [x,y ...]   (MAP: the map file under ROOT, default Data/map1.dhm;
figures on the given cells, default: a few fixed ones)
"""

import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout  # noqa: E402
import level_file  # noqa: E402

FIGURE_SPOTS = [(5, 5), (9, 7), (24, 21), (26, 16), (30, 11), (36, 20), (20, 27), (45, 10), (22, 28), (13, 30)]


def _figure(colour):
    """A stand-in figure of the sheet's frame size, feet where the figure sheets put them."""
    img = Image.new("RGBA", (layout.FRAME_W, layout.FRAME_H), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    fx, fy = layout.FEET_X, layout.FEET_Y
    d.ellipse([fx - 12, fy - 4, fx + 12, fy + 3], fill=(0, 0, 0, 90))
    d.rectangle([fx - 8, fy - 50, fx + 8, fy - 20], fill=colour + (255,), outline=(10, 10, 10, 255))
    d.rectangle([fx - 7, fy - 20, fx - 2, fy], fill=(40, 40, 60, 255))
    d.rectangle([fx + 2, fy - 20, fx + 7, fy], fill=(40, 40, 60, 255))
    d.ellipse([fx - 7, fy - 66, fx + 7, fy - 50], fill=(220, 180, 150, 255), outline=(10, 10, 10, 255))
    return img


def render(root, figures, faded_cell=None, min_alpha=70, map_file="Data/map1.dhm"):
    """The whole map drawn cell by cell: decorations, then the figures bound to the cell."""
    m = level_file.read(os.path.join(root, map_file))
    W, H, CW, CH = m["W"], m["H"], m["CW"], m["CH"]
    sprites = []
    for name, records in m["textures"]:
        tex = Image.open(os.path.join(root, name)).convert("RGBA")
        for tx, ty, w, h, x, y in records:
            sprites.append((tex.crop((tx, ty, tx + w, ty + h)), x, y))
    floor, deco, hide = m["grids"][0], m["grids"][3], m["grids"][4]
    faded = hide[faded_cell] if faded_cell is not None else -1
    canvas = Image.new("RGBA", (W * CW, H * CH), (0, 0, 0, 255))
    colours = [(200, 60, 50), (60, 120, 200), (220, 190, 60), (90, 170, 90), (150, 90, 170)]
    figs = {y * W + x: _figure(colours[k % len(colours)]) for k, (x, y) in enumerate(figures)}
    for i in range(W * H):
        if 0 <= deco[i] < len(sprites):
            img, x, y = sprites[deco[i]]
            if deco[i] == faded:
                g = min_alpha
                px = img.split()
                rgb = Image.merge("RGB", px[:3]).point(lambda v: v * g // 255)
                img = Image.merge("RGBA", (*rgb.split(), px[3].point(lambda v: v * g // 255)))
            canvas.alpha_composite(img, (x, y))
        if i in figs:
            lift = -layout.RAISED_H if floor[i] == 2 else 0
            x, y = (i % W) * CW + layout.FIGURE_DX, (i // W) * CH + layout.FIGURE_DY + lift
            canvas.alpha_composite(figs[i], (max(0, x), max(0, y)))
    return canvas


if __name__ == "__main__":
    args = sys.argv[3:]
    map_file = args.pop(0) if args and "," not in args[0] else "Data/map1.dhm"
    cells = [tuple(int(v) for v in a.split(",")) for a in args] or FIGURE_SPOTS
    render(sys.argv[1], cells, map_file=map_file).convert("RGB").save(sys.argv[2])
