"""Writes Data/items.png: the 52 item pictures at their fixed rectangles and the game-screen interface pieces;
and Data/en/items.png, the same with the interface's words in English."""
import os
import sys

import art
import hud
import items_gear
import items_guns
import items_melee
import layout

SIZE = 1024
# Top-left corner of each item picture by item type; two-cell items are 160 x 80, the others 80 x 80.
RECTS = {
    0: (560, 80), 1: (480, 480), 2: (480, 80), 3: (480, 320), 4: (320, 320), 5: (160, 320),
    6: (400, 0), 7: (560, 0), 8: (640, 0), 9: (720, 0), 10: (800, 0), 11: (880, 0), 12: (800, 80),
    13: (0, 0), 14: (80, 0), 15: (160, 0), 16: (240, 0), 17: (320, 0), 18: (0, 80), 19: (0, 160),
    20: (80, 160), 21: (160, 160), 22: (240, 160),
    23: (640, 320), 24: (800, 320), 25: (800, 400), 26: (320, 480), 27: (480, 400), 28: (0, 320),
    29: (640, 400), 30: (320, 400), 31: (0, 480),
    32: (80, 80), 33: (320, 160), 34: (480, 160), 35: (480, 0), 36: (640, 80), 37: (0, 400), 38: (160, 480),
    39: (800, 240), 40: (160, 400), 41: (160, 80), 42: (240, 80), 43: (320, 80), 44: (400, 80),
    45: (640, 160), 46: (0, 240), 47: (160, 240), 48: (800, 160), 49: (320, 240), 50: (480, 240), 51: (640, 240),
}


def pictures():
    """Every item picture by type."""
    out = {}
    for module in (items_melee, items_gear, items_guns):
        out.update(module.PICTURES)
    assert sorted(out) == list(range(52)), sorted(set(range(52)) - set(out))
    return out


def main(out):
    """Writes this step's files under the output root `out`."""
    items = [(draw(), RECTS[t][0], RECTS[t][1]) for t, draw in sorted(pictures().items())]
    art.save(art.atlas(items + hud.pieces("ru"), (SIZE, SIZE)), out, layout.ITEMS_TEXTURE)
    os.makedirs(os.path.join(out, "Data", "en"), exist_ok=True)
    art.save(art.atlas(items + hud.pieces("en"), (SIZE, SIZE)), out, layout.ITEMS_TEXTURE.replace("Data/", "Data/en/"))


if __name__ == "__main__":
    main(sys.argv[1])
