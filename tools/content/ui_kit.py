"""Interface pieces shared by the menu, the team screen and the game screen: buttons, panels, titles."""
import numpy as np

import art
import layout
from art import Shape

BOLD = "DejaVuSans-Bold.ttf"
SERIF = "DejaVuSerif-Bold.ttf"


def button(w, h, label, pressed=False, disabled=False, size=None):
    """A w x h button picture: dark glass in an amber rim; pressed sinks, disabled greys out."""
    size = size or h * 0.4
    layer = art.Layer(w, h, 4)
    r = h * 0.22
    body = Shape().rect(1.5, 1.5, w - 1.5, h - 1.5, r)
    if disabled:
        top, bottom, rim_c, text_c = (64, 62, 76), (40, 38, 50), (110, 104, 116), (150, 146, 156)
    elif pressed:
        top, bottom, rim_c, text_c = (40, 30, 58), (70, 44, 70), layout.EMBER, layout.AMBER
    else:
        top, bottom, rim_c, text_c = (96, 62, 110), (40, 32, 74), layout.AMBER, layout.GLOW
    layer.glow(body, (0, 0, 0), 1.2, 0.6)
    layer.paint(body, top, outline=layout.INK, ow=1.3, light=0.2, edge=0.15, grad=(top, bottom))
    layer.paint(Shape().rect(3, 3, w - 3, h - 3, r * 0.8).rect(4.6, 4.6, w - 4.6, h - 4.6, r * 0.7, erase=True),
                rim_c, outline=None, light=0.4)
    if not pressed and not disabled:
        layer.fill(Shape().rect(6, 5.5, w - 6, h * 0.42, r * 0.6), (255, 255, 255), alpha=0.1)
    dy = 1.2 if pressed else 0.0
    layer.text(w / 2, h / 2 + dy, label, BOLD, size, text_c + (255,), anchor="mm",
               shadow=(0.8, 1.2, (0, 0, 0, 200), 0.6))
    return layer.done()


def title(layer, x, y, text, size, anchor="mm", face=SERIF):
    """A big title in warm gold with a dark outline and a soft shadow."""
    layer.text(x + 2, y + 4, text, face, size, (0, 0, 0, 150), anchor=anchor, stroke=size * 0.06,
               stroke_fill=(0, 0, 0, 150))
    layer.text(x, y, text, face, size, layout.AMBER + (255,), anchor=anchor, stroke=size * 0.05,
               stroke_fill=(40, 14, 20, 255))
    layer.text(x, y - size * 0.03, text, face, size, layout.GLOW + (120,), anchor=anchor)


def plate(w, h, seed, tint=(34, 36, 64), rim=layout.SLATE, radius=6.0):
    """A dark textured plate with a bevel: the base of panels and cards."""
    layer = art.Layer(w, h, 2)
    body = Shape().rect(0.5, 0.5, w - 0.5, h - 0.5, radius)
    layer.paint(body, tint, outline=layout.INK, ow=1.0, light=0.15, edge=0.05,
                grad=(art.mix(tint, (255, 255, 255), 0.08), art.mix(tint, (0, 0, 0), 0.25)))
    n = art.noise(w * 2, h * 2, 16, seed, 4)
    a = np.clip((n - 0.5) * 0.16, -0.05, 0.05)
    rgb = np.zeros((h * 2, w * 2, 3), np.float32)
    rgb[...] = 255 * (a > 0)[..., None]
    mask = np.asarray(layer.img, np.float32)[..., 3] / 255
    layer.img.alpha_composite(art.to_image(rgb, np.abs(a) * mask))
    layer.paint(Shape().rect(2, 2, w - 2, h - 2, radius - 1).rect(3.4, 3.4, w - 3.4, h - 3.4, radius - 2,
                                                                   erase=True), rim, outline=None, light=0.5)
    return layer


def recess(layer, x0, y0, x1, y1, r=3.0, alpha=0.55):
    """A sunken area on a plate: darker inside, light lower edge."""
    layer.fill(Shape().rect(x0, y0, x1, y1, r), (6, 6, 16), alpha=alpha)
    layer.fill(Shape().rect(x0, y1 - 1.2, x1, y1, r).rect(x0, y0, x1, y1 - 1.2, r, erase=True), (170, 160, 200),
               alpha=0.25)
    layer.fill(Shape().rect(x0, y0, x1, y0 + 1.2, r).rect(x0, y0 + 1.2, x1, y1, r, erase=True), (0, 0, 0), alpha=0.4)
