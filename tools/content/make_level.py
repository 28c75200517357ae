"""Builds the towns: each map file (Data/map1.dhm, ...) with its ground and object textures, from its plan."""

import os
import sys

from PIL import Image, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout  # noqa: E402
import level_atlas  # noqa: E402
import level_check  # noqa: E402
import level_file  # noqa: E402
import level_ground  # noqa: E402
import level_model  # noqa: E402
import level_sprites  # noqa: E402
import level_towns  # noqa: E402

CW, CH = layout.CELL_W, layout.CELL_H


def _effects(level, pieces):
    """Masks of the shade and lamplight the pieces throw on the ground."""
    size = (level.W * CW, level.H * CH)
    shadows, lights = Image.new("L", size, 0), Image.new("L", size, 0)
    ds, dl = ImageDraw.Draw(shadows), ImageDraw.Draw(lights)
    for p in pieces:
        for poly in p.shadows:
            ds.polygon([(int(x), int(y)) for x, y in poly], fill=200)
        for cx, cy, rx, ry, strength in p.lights:
            for k in range(12, 0, -1):
                f = k / 12.0
                v = int(min(255, (1 - f) ** 1.5 * 255 * strength))
                dl.ellipse([cx - rx * f, cy - ry * f, cx + rx * f, cy + ry * f], fill=v)
    return shadows, lights


def build(root, town):
    """Writes one town's map and textures under `root`; returns the checker's report."""
    level = level_model.Level(town.plan, town.buildings)
    ground_file, object_files = town.ground_file, town.object_files
    pieces = level_sprites.gather(level)
    sprites, decoration, warnings = level_sprites.arrange(level, pieces)
    for w in warnings:
        print("%s: %s" % (town.name, w))
    hide = level_sprites.hiding(level, sprites, decoration)
    shadows, lights = _effects(level, pieces)
    ground = level_ground.paint_ground(level, shadows, lights)
    os.makedirs(os.path.join(root, "Data"), exist_ok=True)
    ground.save(os.path.join(root, ground_file), optimize=True)
    sizes, places = level_atlas.pack([s.img for s in sprites])
    assert len(sizes) <= len(object_files)
    for name, tex in zip(object_files, level_atlas.render([s.img for s in sprites], sizes, places)):
        tex.save(os.path.join(root, name), optimize=True)
    for name in object_files[len(sizes):]:
        if os.path.exists(os.path.join(root, name)):
            os.remove(os.path.join(root, name))
    # Sprite 0 is the ground; the others follow texture by texture, so their indices shift.
    textures = [(ground_file, [(0, 0, ground.width, ground.height, 0, 0)])]
    index = {}
    for t in range(len(sizes)):
        records = []
        for s, (tt, tx, ty) in enumerate(places):
            if tt == t:
                index[s] = 1 + sum(len(r) for _, r in textures[1:]) + len(records)
                p = sprites[s]
                records.append((tx, ty, p.img.width, p.img.height, p.x, p.y))
        textures.append((object_files[t], records))
    n = level.W * level.H
    deco = [-1] * n
    deco[0] = 0
    for cell, s in decoration.items():
        deco[cell] = index[s]
    hides = [-1] * n
    for (x, y), s in hide.items():
        hides[y * level.W + x] = index[s]
    grids = [[level.floor[i // level.W][i % level.W] for i in range(n)],
             [level.right[i // level.W][i % level.W] for i in range(n)],
             [level.top[i // level.W][i % level.W] for i in range(n)], deco, hides]
    path = os.path.join(root, town.map_file)
    level_file.write(path, level, CW, CH, textures, grids)
    return level_check.check(path, root)


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..")
    for t in level_towns.TOWNS:
        report = build(out, t)
        report["name"] = t.name
        print("%(name)s: %(size)s cells of %(cell)s px, %(spots)d search spots, %(sprites)d sprites, "
              "escape %(escape)s" % report)
