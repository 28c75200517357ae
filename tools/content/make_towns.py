"""Writes Data/towns.png: the team screen's town choice: its panel, a preview of every town, arrows, random;
and Data/en/towns.png, the same with English words."""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import ini_values  # noqa: E402
import layout  # noqa: E402
import level_preview  # noqa: E402
import level_towns  # noqa: E402
import ui_kit  # noqa: E402
from art import Layer, Shape  # noqa: E402

V = ini_values.values()
TEXTURE = "Data/towns.png"
FRAME = 3  # the preview's dark frame, in pixels
# The words drawn into the pictures, by language.
WORDS = {"ru": {"random": "Случайный город"}, "en": {"random": "Random town"}}


def panel():
    """The plate behind the choice, with a sunken bed for the preview."""
    w, h = V["TOWN_PANEL_W"], V["TOWN_PANEL_H"]
    layer = ui_kit.plate(w, h, 31, tint=(30, 28, 52))
    x0, y0 = V["TOWN_PREVIEW_X"] - V["TOWN_PANEL_X"], V["TOWN_PREVIEW_Y"] - V["TOWN_PANEL_Y"]
    ui_kit.recess(layer, x0 - 3, y0 - 3, x0 + V["TOWN_PREVIEW_W"] + 3, y0 + V["TOWN_PREVIEW_H"] + 3)
    return layer.done()


def preview(root, town):
    """The town as the game draws it, shrunk into the preview's frame and centred on the night colour."""
    w, h = V["TOWN_PREVIEW_W"], V["TOWN_PREVIEW_H"]
    full = level_preview.render(root, [], map_file=town.map_file).convert("RGB")
    inner_w, inner_h = w - 2 * FRAME, h - 2 * FRAME
    scale = min(inner_w / full.width, inner_h / full.height)
    size = (max(1, round(full.width * scale)), max(1, round(full.height * scale)))
    small = full.resize(size, Image.LANCZOS)
    out = Image.new("RGBA", (w, h), layout.INK + (255,))
    inner = Image.new("RGBA", (inner_w, inner_h), layout.NIGHT + (255,))
    inner.paste(small, ((inner_w - size[0]) // 2, (inner_h - size[1]) // 2))
    out.paste(inner, (FRAME, FRAME))
    return out


def arrow(pointing_left, pressed):
    """An arrow button: the button look of the screen with a triangle in place of a label."""
    w, h = V["TOWN_ARROW_W"], V["TOWN_ARROW_H"]
    layer_img = ui_kit.button(w, h, "", pressed=pressed)
    tri = Layer(w, h, 4)
    cx, cy, r = w / 2, h / 2 + (1.2 if pressed else 0.0), min(w, h) * 0.22
    points = [(cx + r * 0.8, cy - r), (cx + r * 0.8, cy + r), (cx - r * 0.9, cy)]
    if not pointing_left:
        points = [(2 * cx - x, y) for x, y in points]
    tri.paint(Shape().poly(points), layout.AMBER if pressed else layout.GLOW, outline=layout.INK, ow=1.0)
    layer_img.alpha_composite(tri.done())
    return layer_img


def pieces(root, words):
    """Every picture of the texture with its top-left corner, the words in the language of `words`."""
    out = [(panel(), V["TOWN_PANEL_TX"], V["TOWN_PANEL_TY"])]
    for k, town in enumerate(level_towns.TOWNS):
        out.append((preview(root, town), V["TOWN_PREVIEW_TX"] + k * V["TOWN_PREVIEW_W"], V["TOWN_PREVIEW_TY"]))
    aw = V["TOWN_ARROW_W"]
    for k, left in enumerate([True, False]):
        for p in (0, 1):
            out.append((arrow(left, p == 1), V["TOWN_ARROW_TX"] + (2 * k + p) * aw, V["TOWN_ARROW_TY"]))
    rw, rh = V["TOWN_RANDOM_W"], V["TOWN_RANDOM_H"]
    for p in (0, 1):
        out.append((ui_kit.button(rw, rh, words["random"], pressed=p == 1, size=15),
                    V["TOWN_RANDOM_TX"] + p * rw, V["TOWN_RANDOM_TY"]))
    return out


def build(root):
    """Draws the texture in both languages and writes them under `root`."""
    for language, texture in (("ru", TEXTURE), ("en", TEXTURE.replace("Data/", "Data/en/"))):
        parts = pieces(root, WORDS[language])
        w = max(x + img.width for img, x, _ in parts)
        h = max(y + img.height for img, _, y in parts)
        tex = Image.new("RGBA", (w, h), (0, 0, 0, 0))
        for img, x, y in parts:
            tex.alpha_composite(img, (x, y))
        os.makedirs(os.path.dirname(os.path.join(root, texture)), exist_ok=True)
        tex.save(os.path.join(root, texture), optimize=True)


if __name__ == "__main__":
    build(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", ".."))
