"""Passport photos (72 x 88): head and shoulders of a survivor, the dead picture and the selection frame."""
import numpy as np
from PIL import Image

import art
import layout
from art import Shape, shade

W, H, SS = 72, 88, 4
INK = layout.INK


def _backdrop(layer, colour):
    """Studio-style backdrop: the survivor's colour lit from the upper left, dark in the top-right corner."""
    ys, xs = np.mgrid[0:H * SS, 0:W * SS].astype(np.float32) / SS
    d = np.sqrt((xs - 22) ** 2 + (ys - 26) ** 2) / 70
    k = np.clip(1.25 - d, 0.35, 1.25)[..., None]
    rgb = np.array(colour, np.float32) * k
    corner = np.clip(1 - np.sqrt((xs - W) ** 2 + ys ** 2) / 26, 0, 1)[..., None]
    rgb = rgb * (1 - 0.75 * corner)
    layer.img.alpha_composite(art.to_image(rgb))


def _shoulders(layer, look):
    top = look["top"]
    body = Shape().ellipse(36, 94, 34, 26).rect(2, 80, 70, 90)
    layer.paint(body, top, ow=1.2, light=0.45, edge=0.3, grain=0.06, glint=look.get("shine", 0.0))
    layer.rim(body, (150, 140, 255), -2.5, 1.5, 0.4)
    style = look["top_style"]
    if style in ("jacket", "leather", "field"):
        layer.paint(Shape().poly([(28, 70), (44, 70), (41, 90), (31, 90)]), look["shirt"], ow=1.0, light=0.3)
        layer.paint(Shape().poly([(27, 69), (33, 74), (30, 90), (20, 90)]), shade(top, 0.9), ow=1.0, light=0.3)
        layer.paint(Shape().poly([(45, 69), (39, 74), (42, 90), (52, 90)]), shade(top, 0.9), ow=1.0, light=0.3)
    if style == "hoodie":
        layer.paint(Shape().ellipse(36, 72, 16, 6).ellipse(36, 70, 10, 4, erase=True), shade(top, 0.85),
                    ow=1.0, light=0.3)
        for x in (31, 41):
            layer.fill(Shape().line([(x, 74), (x - 0.5, 86)], 1.2), (236, 228, 214))
    if style == "windbreaker":
        layer.paint(Shape().rect(6, 80, 66, 86), look["shirt"], ow=1.0, light=0.3)
        layer.paint(Shape().ellipse(36, 71, 11, 4.5), shade(top, 0.8), ow=1.0, light=0.2)
    if look.get("backpack") is not None:
        for x in (16, 56):
            layer.paint(Shape().line([(x, 70), (x + (2 if x < 36 else -2), 90)], 4), shade(look["backpack"], 0.8),
                        ow=1.0, light=0.2)


def _hair_back(layer, look):
    if look["hair_style"] == "ponytail":
        layer.paint(Shape().ellipse(36, 40, 21, 25).ellipse(22, 62, 5, 12).ellipse(50, 62, 5, 12), look["hair"],
                    ow=1.2, light=0.4, grain=0.15)


def _face(layer, look):
    skin = look["skin"]
    layer.paint(Shape().rect(29, 54, 43, 74, 3), shade(skin, 0.82), ow=1.2, light=0.2)
    for x in (17.5, 54.5):
        layer.paint(Shape().ellipse(x, 44, 3.4, 5.0), shade(skin, 0.92), ow=1.0, light=0.2)
    head = Shape().ellipse(36, 40, 17.5, 21).ellipse(36, 52, 13, 11)
    layer.paint(head, skin, ow=1.3, light=0.45, edge=0.35)
    layer.rim(head, (150, 140, 255), -2.2, 0.5, 0.45)
    dark = (30, 20, 26)
    for x in (29.0, 43.0):
        layer.fill(Shape().ellipse(x, 43, 3.2, 2.0), (240, 236, 228))
        layer.fill(Shape().circle(x + 0.4, 43.2, 1.5), look.get("eyes", (70, 54, 40)))
        layer.fill(Shape().circle(x + 0.4, 43.2, 0.7), dark)
        layer.fill(Shape().line([(x - 3.8, 38.6), (x + 3.4, 38.0)], 1.4), shade(look["hair"], 0.7))
    layer.fill(Shape().line([(36.5, 44), (35.0, 51), (37.5, 51.5)], 1.1), shade(skin, 0.7))
    layer.fill(Shape().line([(31.5, 56.5), (36, 57.5), (40.5, 56.3)], 1.3), (130, 62, 58))
    layer.fill(Shape().ellipse(26, 50, 3.2, 2), (230, 120, 100), alpha=0.25)
    layer.fill(Shape().ellipse(46, 50, 3.2, 2), (230, 120, 100), alpha=0.2)
    if look.get("beard"):
        b = Shape().ellipse(36, 54, 15.5, 12).ellipse(36, 45, 16, 9, erase=True).ellipse(36, 57, 5, 2.2, erase=True)
        layer.paint(b, look["hair"], ow=1.0, light=0.4, grain=0.2)
    if look.get("glasses") == "sun":
        g = Shape().rect(23, 39.5, 34.5, 47, 3).rect(37.5, 39.5, 49, 47, 3).line([(34, 41.5), (38, 41.5)], 1.4)
        layer.paint(g, (22, 22, 30), ow=0.8, light=0.6, glint=0.8)
    elif look.get("glasses") == "clear":
        for x in (29.0, 43.0):
            layer.paint(Shape().circle(x, 43, 5.2).circle(x, 43, 4.1, erase=True), (40, 36, 44), ow=0.4, light=0.2)
        layer.fill(Shape().line([(34, 42.5), (38, 42.5)], 1.0), (40, 36, 44))


def _hair(layer, look):
    style, hair = look["hair_style"], look["hair"]
    if style in ("short", "ponytail"):
        s = Shape().ellipse(36, 34, 19, 17).ellipse(36, 45, 20, 13, erase=True)
        s.ellipse(19.5, 40, 3, 7).ellipse(52.5, 40, 3, 7)
        layer.paint(s, hair, ow=1.2, light=0.45, edge=0.3, grain=0.18, glint=0.35)
    elif style == "slick":
        s = Shape().ellipse(37, 30, 20, 15).ellipse(36, 44, 21, 13, erase=True).ellipse(19.5, 40, 2.6, 6)
        s.ellipse(52.5, 40, 2.6, 6)
        layer.paint(s, hair, ow=1.2, light=0.5, edge=0.3, grain=0.1, glint=0.6)
    if look.get("beanie") is not None:
        b = look["beanie"]
        layer.paint(Shape().ellipse(36, 32, 19.5, 16).rect(10, 34, 62, 60, erase=True), b, ow=1.2, light=0.4,
                    grain=0.1)
        layer.paint(Shape().rect(16, 28, 56, 36, 3), shade(b, 0.82), ow=1.2, light=0.3, grain=0.1)
    if look.get("cap") is not None:
        c = look["cap"]
        layer.paint(Shape().ellipse(36, 31, 19.5, 14).rect(10, 32, 62, 60, erase=True), c, ow=1.2, light=0.45)
        layer.paint(Shape().ellipse(38, 33, 20, 4.5), shade(c, 0.8), ow=1.2, light=0.3)
        layer.fill(Shape().circle(36, 17.5, 1.6), shade(c, 0.7))


def photo(look):
    """The passport photo of a survivor."""
    layer = art.Layer(W, H, SS)
    _backdrop(layer, look["backdrop"])
    _hair_back(layer, look)
    _shoulders(layer, look)
    _face(layer, look)
    _hair(layer, look)
    return _framed(layer)


def _framed(layer):
    """A thin dark border and an inner light edge, as on a printed photo."""
    layer.fill(Shape().rect(0, 0, W, H).rect(1.2, 1.2, W - 1.2, H - 1.2, erase=True), (12, 10, 18))
    layer.fill(Shape().rect(1.2, 1.2, W - 1.2, H - 1.2).rect(2.0, 2.0, W - 2.0, H - 2.0, erase=True),
               (255, 236, 200), alpha=0.25)
    return layer.done()


def dead():
    """The picture of a fallen team member: a chalk outline on grey, a black mourning band."""
    layer = art.Layer(W, H, SS)
    ys = np.mgrid[0:H * SS, 0:W * SS][0].astype(np.float32) / SS
    rgb = np.stack([40 + ys * 0.2, 40 + ys * 0.15, 48 + ys * 0.2], -1)
    layer.img.alpha_composite(art.to_image(rgb))
    sil = Shape().ellipse(36, 40, 17, 20).ellipse(36, 94, 34, 26)
    layer.fill(sil, (22, 22, 28))
    ring = Shape().ellipse(36, 40, 17, 20).ellipse(36, 40, 15.8, 18.8, erase=True)
    layer.fill(ring, (200, 200, 206), alpha=0.7)
    layer.fill(Shape().ellipse(36, 94, 34, 26).ellipse(36, 94, 32.8, 24.8, erase=True).rect(0, 0, W, 68, erase=True),
               (200, 200, 206), alpha=0.7)
    layer.paint(Shape().poly([(W - 30, 0), (W - 16, 0), (W, 16), (W, 30)]), (14, 12, 16), ow=0.6, light=0.3)
    layer.paint(Shape().line([(20, 30), (52, 56)], 3.2).line([(52, 30), (20, 56)], 3.2), layout.BLOOD, ow=0.8,
                light=0.3)
    return _framed(layer)


def selection():
    """A glowing amber frame drawn over the selected member's photo (clear in the middle)."""
    layer = art.Layer(W, H, SS)
    edge = Shape().rect(0.5, 0.5, W - 0.5, H - 0.5, 3).rect(3.5, 3.5, W - 3.5, H - 3.5, 2, erase=True)
    layer.glow(edge, layout.EMBER, 1.5, 0.8)
    layer.paint(edge, layout.AMBER, outline=None, light=0.3)
    for (x, y, dx, dy) in [(1, 1, 1, 1), (W - 1, 1, -1, 1), (1, H - 1, 1, -1), (W - 1, H - 1, -1, -1)]:
        layer.paint(Shape().line([(x, y + 14 * dy), (x, y), (x + 14 * dx, y)], 3), layout.GLOW, ow=0.6)
    img = layer.done()
    a = np.asarray(img).copy()
    a[6:H - 6, 6:W - 6, 3] = 0
    return Image.fromarray(a, "RGBA")
