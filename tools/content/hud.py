"""Game-screen interface pictures: the inventory panel, item frames, end-turn button and map tokens."""
import math

import art
import ini_values
import layout
import ui_kit
from art import Shape

V = ini_values.values()
FAINT = (150, 150, 200)


def _slot_icon(layer, kind, x, y, w, h):
    """A faint outline telling what belongs in an empty equipment slot."""
    cx, cy = x + w / 2, y + h / 2
    s = Shape()
    if kind == "armour":
        s.poly([(cx - 9, cy - 12), (cx + 9, cy - 12), (cx + 17, cy - 4), (cx + 12, cy + 1), (cx + 9, cy - 2),
                (cx + 9, cy + 13), (cx - 9, cy + 13), (cx - 9, cy - 2), (cx - 12, cy + 1), (cx - 17, cy - 4)])
    elif kind == "backpack":
        s.rect(cx - 10, cy - 11, cx + 10, cy + 13, 5).rect(cx - 5, cy - 15, cx + 5, cy - 9, 2)
        s.rect(cx - 7, cy + 2, cx + 7, cy + 10, 2, erase=True)
    elif kind == "hands":
        for dx in (-11, 11):
            s.rect(cx + dx - 7, cy - 9, cx + dx + 7, cy + 10, 4)
    elif kind == "holster":
        s.poly([(cx - 8, cy - 12), (cx + 8, cy - 12), (cx + 6, cy + 6), (cx + 1, cy + 13), (cx - 3, cy + 13),
                (cx - 6, cy)])
    else:
        s.circle(cx - 6, cy - 4, 6).circle(cx - 6, cy - 4, 3, erase=True)
        s.poly([(cx - 1, cy - 2), (cx + 12, cy + 8), (cx + 10, cy + 11), (cx + 7, cy + 9), (cx + 5, cy + 11),
                (cx - 4, cy + 2)])
    layer.fill(s, FAINT, alpha=0.16)


def panel():
    """The inventory panel along the bottom of the screen."""
    w, h = V["INTER_INV_W"], V["INTER_INV_H"]
    layer = ui_kit.plate(w, h, 45, tint=(30, 30, 56), rim=(84, 76, 124), radius=4)
    layer.fill(Shape().rect(0, 0, w, 1.6), layout.AMBER, alpha=0.6)
    ax, ay = V["INTER_INV_ACT_ITEM_X"], V["INTER_INV_ACT_ITEM_Y"]
    ui_kit.recess(layer, ax - 2, ay - 2, ax + 2 * V["INTER_ITEM_BIG_W"] + 2, ay + 2 * V["INTER_ITEM_BIG_H"] + 2, 5,
                  0.6)
    bx, by, step = V["INTER_INV_ITEMS_X"], V["INTER_INV_ITEMS_Y"], V["INTER_INV_ITEMS_STEP"]
    ui_kit.recess(layer, bx - 2, by - 2, bx + 8 * step + 2, by + V["INTER_ITEM_SMALL_H"] + 2, 4, 0.45)
    mx, my = V["INTER_MESSAGE_X"], V["INTER_MESSAGE_Y"]
    ui_kit.recess(layer, bx - 2, my - 8, V["INTER_INV_ARMOR_X"] - 10, my + 22, 4, 0.5)
    layer.fill(Shape().circle(mx - 6, my + 7.5, 1.8), layout.AMBER, alpha=0.6)
    big = (V["INTER_ITEM_BIG_W"], V["INTER_ITEM_BIG_H"])
    small = (V["INTER_ITEM_SMALL_W"], V["INTER_ITEM_SMALL_H"])
    for kind, key, size in [("armour", "ARMOR", big), ("backpack", "BAG", big), ("hands", "HANDS", big),
                            ("holster", "HOLSTER", small), ("keys", "KEYS", small)]:
        x, y = V["INTER_INV_%s_X" % key], V["INTER_INV_%s_Y" % key]
        ui_kit.recess(layer, x, y, x + size[0], y + size[1], 4, 0.5)
        _slot_icon(layer, kind, x, y, size[0], size[1])
    return layer.done()


def frame(w, h, lit):
    """An item frame: dark glass with a thin rim, amber and glowing when lit."""
    layer = art.Layer(w, h, 4)
    body = Shape().rect(1, 1, w - 1, h - 1, 4)
    layer.fill(body, (20, 20, 40), alpha=0.78)
    rim = Shape().rect(1, 1, w - 1, h - 1, 4).rect(2.6, 2.6, w - 2.6, h - 2.6, 3, erase=True)
    if lit:
        layer.glow(Shape().rect(2, 2, w - 2, h - 2, 3).rect(5, 5, w - 5, h - 5, 2, erase=True), layout.EMBER, 2.0, 0.9)
        layer.paint(rim, layout.AMBER, outline=None, light=0.4)
    else:
        layer.paint(rim, (92, 88, 132), outline=None, light=0.4)
        layer.fill(Shape().rect(3, 3, w - 3, h * 0.45, 3), (255, 255, 255), alpha=0.05)
    return layer.done()


# The words drawn into the pictures, by language.
WORDS = {
    "ru": {"end": "Конец хода", "team": "Ход команды", "zombies": "Ход зомби"},
    "en": {"end": "End turn", "team": "Team's turn", "zombies": "Zombies' turn"},
}


def end_button(words):
    """The end-of-turn button."""
    return ui_kit.button(V["END_BUTTON_W"], V["END_BUTTON_H"], words["end"], size=15)


def find_token():
    """A magnifying glass with a warm glow: something here can be searched."""
    w, h = V["FIND_TOKEN_W"], V["FIND_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    layer.glow(Shape().circle(w * 0.42, h * 0.42, 8), layout.AMBER, 2.5, 0.55)
    layer.paint(Shape().line([(w * 0.56, h * 0.56), (w - 4, h - 4)], 4.2), (90, 54, 30), light=0.4)
    ring = Shape().circle(w * 0.42, h * 0.42, 8.5).circle(w * 0.42, h * 0.42, 6.0, erase=True)
    layer.paint(Shape().circle(w * 0.42, h * 0.42, 6.5), (170, 210, 240), outline=None, light=0.6, glint=0.9,
                alpha=0.6)
    layer.paint(ring, layout.AMBER, ow=1.2, light=0.5, glint=0.5)
    return layer.done()


def bag_token():
    """A small tied bundle lying on the ground: items lie here."""
    w, h = V["BAG_TOKEN_W"], V["BAG_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    layer.glow(Shape().ellipse(w / 2, h - 3, 9, 2.4), (0, 0, 0), 1.2, 0.6)
    layer.paint(Shape().ellipse(w / 2, h * 0.62, 8.5, 6.5).poly([(w / 2 - 4, h * 0.3), (w / 2 + 4, h * 0.3),
                                                                   (w / 2 + 5, h * 0.5), (w / 2 - 5, h * 0.5)]),
                (178, 130, 78), ow=1.1, light=0.5, grain=0.1)
    layer.paint(Shape().ellipse(w / 2, h * 0.26, 5, 2.6), (150, 104, 60), ow=1.0, light=0.4)
    layer.fill(Shape().line([(w / 2 - 5, h * 0.42), (w / 2 + 5, h * 0.42)], 1.6), (196, 56, 48))
    return layer.done()


def heal_token():
    """A white disc with a red cross: the cursor while choosing whom to treat."""
    w, h = V["HEAL_TOKEN_W"], V["HEAL_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    disc = Shape().circle(w / 2, h / 2, w / 2 - 2)
    layer.glow(disc, (255, 255, 255), 1.5, 0.4)
    layer.paint(disc, (240, 238, 232), ow=1.2, light=0.4)
    layer.paint(Shape().rect(w / 2 - 3, h / 2 - 8, w / 2 + 3, h / 2 + 8, 1).rect(w / 2 - 8, h / 2 - 3, w / 2 + 8,
                                                                                 h / 2 + 3, 1),
                (210, 40, 44), outline=None, light=0.4)
    return layer.done()


def escape_token():
    """The escape cell: a green ring on the ground around a little car, unlike the cursor's amber corners."""
    w, h = V["ESCAPE_TOKEN_W"], V["ESCAPE_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    green, light = (70, 200, 110), (170, 250, 180)
    ring = Shape().ellipse(w / 2, h / 2, w / 2 - 2, h / 2 - 2).ellipse(w / 2, h / 2, w / 2 - 4.5, h / 2 - 4.2,
                                                                       erase=True)
    layer.glow(ring, green, 1.6, 0.8)
    layer.paint(ring, green, outline=(10, 40, 20), ow=0.6, light=0.4)
    cx, cy = w / 2, h / 2 + 1
    car = Shape().rect(cx - 8, cy - 2, cx + 8, cy + 3, 1.5).poly([(cx - 5, cy - 2), (cx - 3, cy - 6), (cx + 3, cy - 6),
                                                                  (cx + 5, cy - 2)])
    layer.paint(car, light, outline=(10, 40, 20), ow=0.7, light=0.4)
    layer.fill(Shape().circle(cx - 4.5, cy + 3.5, 1.8).circle(cx + 4.5, cy + 3.5, 1.8), (10, 30, 16))
    return layer.done()


def turn_banner(label, tint, rim, colour, seed):
    """A plate in the end-turn button's place saying whose turn it is: no button look, nothing to press."""
    w, h = V["TURN_BANNER_W"], V["TURN_BANNER_H"]
    layer = ui_kit.plate(w, h, seed, tint=tint, rim=rim, radius=10)
    layer.text(w / 2, h / 2, label, ui_kit.BOLD, 14, colour + (255,), anchor="mm",
               shadow=(0.8, 1.2, (0, 0, 0, 220), 0.6))
    return layer.done()


def attack_token():
    """A red crosshair."""
    w, h = V["ATTACK_TOKEN_W"], V["ATTACK_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    cx, cy = w / 2, h / 2
    s = Shape().circle(cx, cy, 10).circle(cx, cy, 8, erase=True)
    for a in range(4):
        dx, dy = math.cos(a * math.pi / 2), math.sin(a * math.pi / 2)
        s.line([(cx + dx * 5, cy + dy * 5), (cx + dx * 13, cy + dy * 13)], 1.8)
    layer.paint(s, (226, 50, 44), ow=0.8, light=0.3)
    return layer.done()


def pieces(language):
    """Every interface picture of the items texture with its top-left corner, with words in `language`."""
    words = WORDS[language]
    out = [(panel(), V["INTER_INV_TX"], V["INTER_INV_TY"])]
    for k in range(2):
        out.append((frame(V["INTER_ITEM_SMALL_W"], V["INTER_ITEM_SMALL_H"], k == 1),
                    V["INTER_ITEM_SMALL_TX"] + k * V["INTER_ITEM_SMALL_W"], V["INTER_ITEM_SMALL_TY"]))
        out.append((frame(V["INTER_ITEM_BIG_W"], V["INTER_ITEM_BIG_H"], k == 1),
                    V["INTER_ITEM_BIG_TX"] + k * V["INTER_ITEM_BIG_W"], V["INTER_ITEM_BIG_TY"]))
    out.append((end_button(words), V["END_BUTTON_TX"], V["END_BUTTON_TY"]))
    out.append((find_token(), V["FIND_TOKEN_TX"], V["FIND_TOKEN_TY"]))
    out.append((bag_token(), V["BAG_TOKEN_TX"], V["BAG_TOKEN_TY"]))
    out.append((heal_token(), V["HEAL_TOKEN_TX"], V["HEAL_TOKEN_TY"]))
    out.append((attack_token(), V["ATTACK_TOKEN_TX"], V["ATTACK_TOKEN_TY"]))
    out.append((escape_token(), V["ESCAPE_TOKEN_TX"], V["ESCAPE_TOKEN_TY"]))
    banners = [(words["team"], (36, 38, 70), (96, 86, 140), layout.AMBER),
               (words["zombies"], (62, 22, 34), (150, 40, 46), (244, 150, 130))]
    for k, (label, tint, rim, colour) in enumerate(banners):
        out.append((turn_banner(label, tint, rim, colour, 50 + k), V["TURN_BANNER_TX"] + k * V["TURN_BANNER_W"],
                    V["TURN_BANNER_TY"]))
    return out
