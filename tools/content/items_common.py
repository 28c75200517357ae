"""Materials and helpers for the item pictures: a rotated drawing frame, parts of tools and guns, shadows."""
import math

import numpy as np
from PIL import Image, ImageFilter

import art
from art import Shape

SS = 4
OW = 1.7  # outline width of item parts, picture pixels

STEEL = (172, 178, 194)
DARK_STEEL = (70, 72, 84)
GUNMETAL = (52, 54, 64)
BLACK = (34, 34, 42)
WOOD = (156, 98, 52)
DARK_WOOD = (104, 62, 36)
LEATHER = (128, 74, 40)
RED = (196, 46, 44)
ORANGE = (236, 124, 40)
YELLOW = (236, 190, 52)
BRASS = (214, 170, 78)
OLIVE = (96, 106, 62)
WHITE = (232, 230, 222)
RUBBER = (46, 44, 50)


class Frame:
    """Maps item-local coordinates (the item lying along +x, centred on 0, 0) into the picture."""

    def __init__(self, cx, cy, angle=0.0, scale=1.0):
        self.cx, self.cy, self.s = cx, cy, scale
        self.c, self.n = math.cos(math.radians(angle)), math.sin(math.radians(angle))

    def p(self, x, y):
        """One item-local point in picture coordinates."""
        x, y = x * self.s, y * self.s
        return (self.cx + x * self.c - y * self.n, self.cy + x * self.n + y * self.c)

    def pts(self, pts):
        """Item-local points in picture coordinates."""
        return [self.p(x, y) for x, y in pts]

    def poly(self, pts, shape=None, erase=False):
        """A polygon (added to shape when given)."""
        return (shape or Shape()).poly(self.pts(pts), erase)

    def rect(self, x0, y0, x1, y1, shape=None, erase=False):
        """A turned rectangle."""
        return self.poly([(x0, y0), (x1, y0), (x1, y1), (x0, y1)], shape, erase)

    def line(self, pts, w, shape=None, erase=False):
        """A thick polyline, w item-local pixels wide."""
        return (shape or Shape()).line(self.pts(pts), w * self.s, erase)

    def ellipse(self, x, y, rx, ry, shape=None, erase=False, n=28):
        """A turned ellipse, as a polygon."""
        return self.poly([(x + rx * math.cos(2 * math.pi * k / n), y + ry * math.sin(2 * math.pi * k / n))
                          for k in range(n)], shape, erase)

    def circle(self, x, y, r, shape=None, erase=False):
        """A circle."""
        cx, cy = self.p(x, y)
        return (shape or Shape()).circle(cx, cy, r * self.s, erase)


def metal(layer, shape, colour=STEEL, glint=0.6):
    """Polished metal: strong light and a highlight."""
    layer.paint(shape, colour, ow=OW, light=0.55, edge=0.25, glint=glint)


def wood(layer, shape, colour=WOOD):
    """Wood with a grain."""
    layer.paint(shape, colour, ow=OW, light=0.45, edge=0.3, grain=0.12)


def plastic(layer, shape, colour, glint=0.35):
    """Plastic, rubber or paint: soft light, a small highlight."""
    layer.paint(shape, colour, ow=OW, light=0.45, edge=0.3, glint=glint)


def cloth(layer, shape, colour):
    """Fabric or leather with a fine weave."""
    layer.paint(shape, colour, ow=OW, light=0.4, edge=0.35, grain=0.1)


def detail(layer, shape, colour, alpha=1.0):
    """A flat mark without outline: stripes, holes, rivets."""
    layer.fill(shape, colour, alpha)


def grip_wrap(layer, f, x0, x1, w, colour=(30, 28, 34), step=4.0):
    """Diagonal wraps across a handle from x0 to x1 (item-local), w wide."""
    x = x0
    while x < x1:
        detail(layer, f.line([(x, -w / 2), (x + 2.5, w / 2)], 1.0), colour, 0.6)
        x += step


def finish(layer):
    """The picture scaled down, with a soft drop shadow beneath it."""
    img = layer.done()
    a = img.split()[3]
    sh = Image.new("L", img.size, 0)
    sh.paste(a, (2, 3))
    sh = sh.filter(ImageFilter.GaussianBlur(2.0))
    arr = np.zeros((img.height, img.width, 4), np.uint8)
    arr[..., 3] = (np.asarray(sh, np.float32) * 0.55).astype(np.uint8)
    out = Image.fromarray(arr, "RGBA")
    out.alpha_composite(img)
    return out


def new(w):
    """A blank item layer, 80 or 160 wide and 80 high."""
    return art.Layer(w, 80, SS)
