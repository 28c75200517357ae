"""Writes Data/person.png: team-selection background, passport card, buttons, photos, life bar, markers, tokens;
and Data/en/person.png, the same with English words."""
import os
import sys

import art
import ini_values
import layout
import portrait
import scenery
import survivors
import ui_kit
from art import Shape

V = ini_values.values()
SIZE = 1024

# The words drawn into the pictures, by language.
WORDS = {
    "ru": {"free": "свободное место", "optional": "по желанию", "title": "Соберите команду",
           "rules": ["Каждый раз вам встретятся двое выживших:", "возьмите одного. В команде от двух до четырёх."],
           "survivor": "ВЫЖИВШИЙ", "which": "Кого взять с собой?", "or": "или", "add": "Добавить",
           "again": "Заново", "start": "В путь!"},
    "en": {"free": "free place", "optional": "optional", "title": "Gather a team",
           "rules": ["Each time you meet two survivors:", "take one. A team has two to four."],
           "survivor": "SURVIVOR", "which": "Whom to take along?", "or": "or", "add": "Add",
           "again": "Again", "start": "Go!"},
}


def background(words):
    """The team-selection screen: dusk over the town, the team column on the left, buttons bottom right."""
    layer = art.Layer(800, 600, 2, bg=layout.NIGHT + (255,))
    scenery.sky(layer, 430, scenery.DUSK_SKY, 21, stars=1.0)
    scenery.sun(layer, 660, 430, 26)
    scenery.skyline(layer, 432, 380, 820, 5, (52, 36, 72), tall=(60, 150), lit=0.12)
    scenery.skyline(layer, 440, 360, 820, 6, (30, 22, 46), tall=(30, 110), lit=0.22)
    scenery.ground(layer, 436, (26, 20, 40), (10, 10, 20))
    scenery.road(layer, 640, 436, 470, 820, 600, (34, 30, 46))
    scenery.trees(layer, 446, 380, 820, 9, (16, 12, 26), size=(24, 60))
    scenery.car(layer, 650, 470, 70)
    for x, h, lean in [(452, 34, 0.2), (545, 26, 0.1), (770, 30, -0.1)]:
        scenery.walker(layer, x, 452 + h * 0.3, h, (14, 10, 22), lean)
    scenery.vignette(layer, 0.5)
    # team column
    column = art.vertical_gradient(800, 1200, [(0, (24, 22, 46)), (1, (10, 10, 22))])
    column *= (0.94 + 0.12 * art.noise(800, 1200, 40, 3, 4))[..., None]
    layer.img.alpha_composite(art.to_image(column))
    layer.fill(Shape().rect(399, 0, 401, 600), layout.AMBER, alpha=0.35)
    for i in range(4):
        x, y = V["PASS_X"], V["PASS_Y"] + i * V["PASS_Y_STEP"]
        slot = Shape().rect(x, y, x + V["PASS_W"], y + V["PASS_H"], 8)
        slot.rect(x + 2, y + 2, x + V["PASS_W"] - 2, y + V["PASS_H"] - 2, 7, erase=True)
        layer.fill(slot, layout.SLATE, alpha=0.8)
        layer.text(x + V["PASS_W"] / 2, y + V["PASS_H"] / 2 - 8, str(i + 1), ui_kit.SERIF, 40, (90, 90, 140, 110),
                   anchor="mm")
        hint = words["free"] if i < 2 else words["optional"]
        layer.text(x + V["PASS_W"] / 2, y + V["PASS_H"] / 2 + 26, hint, ui_kit.BOLD, 12, (120, 116, 160, 150),
                   anchor="mm")
    ui_kit.title(layer, 600, 34, words["title"], 30)
    for k, line in enumerate(words["rules"]):
        layer.text(600, 74 + k * 18, line, ui_kit.BOLD, 12.5, (236, 222, 206, 235), anchor="mm",
                   shadow=(1, 1, (0, 0, 0, 220), 0.8))
    bx0, by0 = V["PASS_ADD_X"] - 8, V["PASS_ADD_Y"] - 8
    bx1, by1 = V["PASS_START_X"] + V["PASS_START_W"] + 8, V["PASS_START_Y"] + V["PASS_START_H"] + 8
    layer.fill(Shape().rect(bx0, by0, bx1, by1, 10), layout.NIGHT, alpha=0.75)
    return layer.done()


def card(words):
    """The blank passport card: a dark ID card with a photo slot and ruled text areas."""
    w, h = V["PASS_W"], V["PASS_H"]
    layer = ui_kit.plate(w, h, 33, tint=(36, 38, 70), rim=(96, 86, 140), radius=8)
    px, py = V["PASS_PHOTO_X"], V["PASS_PHOTO_Y"]
    pw, ph = V["PASS_PHOTO_W"], V["PASS_PHOTO_H"]
    ui_kit.recess(layer, px - 3, py - 3, px + pw + 3, py + ph + 3, 3, 0.7)
    layer.fill(Shape().rect(V["PASS_NAME_X"] - 4, V["PASS_DESC_Y"] - 4, w - 10, V["PASS_DESC_Y"] - 2.8),
               layout.AMBER, alpha=0.7)
    layer.fill(Shape().rect(10, V["PASS_SKILL_Y"] - 3, w - 10, V["PASS_SKILL_Y"] - 2), (140, 130, 180), alpha=0.4)
    layer.text(w - 14, 10, words["survivor"], ui_kit.BOLD, 9, (230, 160, 90, 150), anchor="ra")
    layer.text(w - 30, h - 36, "№", ui_kit.SERIF, 34, (255, 255, 255, 14), anchor="mm")
    return layer.done()


def life_bar(life, frames):
    """Life-bar frame for a life value: filled segments warm red, empty ones dark."""
    w, h = V["LIFEBAR_W"], V["LIFEBAR_H"]
    layer = art.Layer(w, h, 4)
    layer.paint(Shape().rect(0.5, 0.5, w - 0.5, h - 0.5, 2), (16, 14, 26), outline=layout.INK, ow=0.8, light=0)
    seg = frames - 1
    gap, x0 = 1.6, 2.2
    sw = (w - 2 * x0 - gap * (seg - 1)) / seg
    for i in range(seg):
        x = x0 + i * (sw + gap)
        s = Shape().rect(x, 2.2, x + sw, h - 2.2, 1.2)
        if i < life:
            c = art.mix((200, 40, 44), (250, 150, 70), i / max(1, seg - 1))
            layer.paint(s, c, outline=None, light=0.5, edge=0.1, glint=0.5)
        else:
            layer.fill(s, (52, 44, 70))
    return layer.done()


def marker_bottom():
    """Amber ring on the ground under the selected member."""
    w, h = V["PLAYER_MARKER_BOTTOM_W"], V["PLAYER_MARKER_BOTTOM_H"]
    layer = art.Layer(w, h, 4)
    ring = Shape().ellipse(w / 2, h / 2, w / 2 - 2, h / 2 - 3).ellipse(w / 2, h / 2, w / 2 - 5, h / 2 - 5.5,
                                                                        erase=True)
    layer.glow(ring, layout.EMBER, 1.2, 0.7)
    layer.paint(ring, layout.AMBER, outline=(60, 20, 10), ow=0.6, light=0.4)
    return layer.done()


def marker_top(k):
    """Cursor cell: 0 a soft patch on the ground, 1 corner brackets drawn over everything."""
    w, h = V["PLAYER_MARKER_TOP_W"], V["PLAYER_MARKER_TOP_H"]
    layer = art.Layer(w, h, 4)
    if k == 0:
        layer.fill(Shape().rect(2, 2, w - 2, h - 2, 4), (200, 210, 255), alpha=0.22)
    else:
        s = Shape()
        for (x, y, dx, dy) in [(1.5, 1.5, 1, 1), (w - 1.5, 1.5, -1, 1), (1.5, h - 1.5, 1, -1), (w - 1.5, h - 1.5, -1, -1)]:
            s.line([(x, y + 6 * dy), (x, y), (x + 8 * dx, y)], 1.6)
        layer.paint(s, layout.GLOW, outline=layout.INK, ow=0.6, light=0.2)
    return layer.done()


def path_token(k):
    """Path marks: 0 reachable and 1 too far on the ground; 2 and 3 the same as faint dots over everything."""
    w, h = V["PATH_TOKEN_W"], V["PATH_TOKEN_H"]
    layer = art.Layer(w, h, 4)
    colour = layout.AMBER if k % 2 == 0 else (170, 70, 130)
    if k < 2:
        disc = Shape().ellipse(w / 2, h / 2, w / 2 - 2.5, h / 2 - 2.5)
        layer.glow(disc, colour, 1.0, 0.5)
        layer.paint(disc, colour, outline=layout.INK, ow=0.8, light=0.5, glint=0.5)
    else:
        layer.paint(Shape().ellipse(w / 2, h / 2, 2.6, 1.9), colour, outline=layout.INK, ow=0.5, light=0.3,
                    alpha=0.75)
    return layer.done()


def change_one(words):
    """The choice title over the two offered cards."""
    w, h = V["PASS_CHANGE_ONE_W"], V["PASS_CHANGE_ONE_H"]
    layer = art.Layer(w, h, 2)
    layer.fill(Shape().rect(1, 2, w - 1, h - 2, 10), layout.NIGHT)
    layer.fill(Shape().rect(8, h - 5, w - 8, h - 3.5), layout.AMBER, alpha=0.7)
    ui_kit.title(layer, w / 2, h / 2, words["which"], 21, face=ui_kit.BOLD)
    return layer.done()


def change_or(words):
    """The word between the two offered cards."""
    w, h = V["PASS_CHANGE_OR_W"], V["PASS_CHANGE_OR_H"]
    layer = art.Layer(w, h, 4)
    layer.paint(Shape().rect(2, 2, w - 2, h - 2, h / 2 - 2), (60, 40, 86), ow=1.0, light=0.3,
                grad=((96, 62, 110), (40, 32, 74)))
    layer.text(w / 2, h / 2, words["or"], ui_kit.BOLD, 16, layout.GLOW + (255,), anchor="mm",
               shadow=(0.8, 1, (0, 0, 0, 200), 0.5))
    return layer.done()


def pieces(words):
    """Every picture of the texture with its top-left corner."""
    out = [(background(words), 0, 0), (card(words), V["PASS_TX"], V["PASS_TY"])]
    bw, bh = V["PASS_ADD_W"], V["PASS_ADD_H"]
    for k, (label, dis) in enumerate([(words["add"], False), (words["again"], False)]):
        for p in (0, 1):
            out.append((ui_kit.button(bw, bh, label, pressed=p == 1, disabled=dis, size=19),
                        V["PASS_ADD_TX"] + (2 * k + p) * bw, V["PASS_ADD_TY"]))
    sw, sh = V["PASS_START_W"], V["PASS_START_H"]
    for k, dis in enumerate([False, True]):
        for p in (0, 1):
            out.append((ui_kit.button(sw, sh, words["start"], pressed=p == 1 and not dis, disabled=dis, size=19),
                        V["PASS_START_TX"] + (2 * k + p) * sw, V["PASS_START_TY"]))
    n = V["PASS_PHOTO_NUM"]
    photos = [portrait.photo(s) for s in survivors.SURVIVORS[:n]] + [portrait.dead(), portrait.selection()]
    for i, p in enumerate(photos):
        out.append((p, V["PASS_PHOTO_TX"] + i * V["PASS_PHOTO_W"], V["PASS_PHOTO_TY"]))
    frames = V["LIFEBAR_CADR"]
    for i in range(frames):
        out.append((life_bar(i, frames), V["LIFEBAR_TX"] + i * V["LIFEBAR_W"], V["LIFEBAR_TY"]))
    out.append((marker_bottom(), V["PLAYER_MARKER_BOTTOM_TX"], V["PLAYER_MARKER_BOTTOM_TY"]))
    for k in range(2):
        out.append((marker_top(k), V["PLAYER_MARKER_TOP_TX"] + k * V["PLAYER_MARKER_TOP_W"], V["PLAYER_MARKER_TOP_TY"]))
    for k in range(4):
        out.append((path_token(k), V["PATH_TOKEN_TX"] + k * V["PATH_TOKEN_W"], V["PATH_TOKEN_TY"]))
    out.append((change_one(words), V["PASS_CHANGE_ONE_TX"], V["PASS_CHANGE_ONE_TY"]))
    out.append((change_or(words), V["PASS_CHANGE_OR_TX"], V["PASS_CHANGE_OR_TY"]))
    return out


def main(out):
    """Writes this step's files under the output root `out`."""
    art.save(art.atlas(pieces(WORDS["ru"]), (SIZE, SIZE)), out, layout.PERSON_TEXTURE)
    os.makedirs(os.path.join(out, "Data", "en"), exist_ok=True)
    art.save(art.atlas(pieces(WORDS["en"]), (SIZE, SIZE)), out, layout.PERSON_TEXTURE.replace("Data/", "Data/en/"))


if __name__ == "__main__":
    main(sys.argv[1])
