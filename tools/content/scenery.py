"""Dusk and dawn scenery for the full-screen pictures: sky, sun, town skyline, trees, road, car, walkers."""
import math

import numpy as np

import art
import layout
from art import Shape

DUSK_SKY = [(0.0, (16, 16, 42)), (0.35, (44, 34, 86)), (0.62, (122, 62, 110)), (0.8, (226, 118, 70)),
            (1.0, (252, 186, 100))]
DAWN_SKY = [(0.0, (40, 52, 104)), (0.4, (112, 100, 150)), (0.7, (232, 150, 140)), (0.88, (252, 200, 140)),
            (1.0, (255, 232, 176))]


def sky(layer, horizon, stops, seed, stars=0.0):
    """Gradient sky down to the horizon line (picture pixels), soft clouds, optional stars near the top."""
    w, h = layer.img.size
    hz = int(horizon * layer.ss)
    rgb = art.vertical_gradient(w, hz, stops)
    clouds = art.noise(w, hz, 90 * layer.ss, seed, 4)
    band = np.linspace(0, 1, hz, dtype=np.float32)[:, None]
    streak = np.clip((clouds - 0.55) * 3, 0, 1) * (0.25 + 0.5 * band)
    rgb = rgb * (1 - streak[..., None] * 0.35) + np.array(layout.MAUVE, np.float32) * streak[..., None] * 0.3
    if stars > 0:
        rng = np.random.RandomState(seed + 7)
        n = int(stars * w * hz / (layer.ss * layer.ss * 900))
        xs, ys = rng.randint(0, w, n), (rng.rand(n) ** 2 * hz * 0.55).astype(int)
        for x, y, b in zip(xs, ys, rng.rand(n)):
            r = layer.ss // 2 + (1 if b > 0.85 else 0)
            rgb[max(0, y - r):y + r, max(0, x - r):x + r] += 120 * b * (1 - y / hz)
    layer.img.alpha_composite(art.to_image(rgb), (0, 0))


def ground(layer, horizon, top, bottom):
    """Ground from the horizon down: a gradient from top to bottom colour with a little grain."""
    w, h = layer.img.size
    hz = int(horizon * layer.ss)
    rgb = art.vertical_gradient(w, h - hz, [(0, top), (1, bottom)])
    rgb *= (0.92 + 0.16 * art.noise(w, h - hz, 30 * layer.ss, 11, 3))[..., None]
    layer.img.alpha_composite(art.to_image(rgb), (0, hz))


def sun(layer, x, y, r, colour=layout.AMBER, halo=layout.EMBER):
    """A low sun with a wide halo."""
    layer.glow(Shape().circle(x, y, r * 2.5), halo, r * 2.2, 0.35)
    layer.glow(Shape().circle(x, y, r), colour, r * 0.6, 0.8)
    layer.fill(Shape().circle(x, y, r), layout.GLOW)


def skyline(layer, base, x0, x1, seed, colour, tall=(40, 120), lit=0.25, window=layout.AMBER):
    """A row of building silhouettes standing on y = base, with some lit windows."""
    rng = np.random.RandomState(seed)
    x = x0
    while x < x1:
        bw = rng.randint(34, 80)
        bh = rng.randint(*tall)
        s = Shape().rect(x, base - bh, x + bw, base + 2)
        kind = rng.randint(0, 4)
        if kind == 0:
            s.poly([(x - 3, base - bh), (x + bw / 2, base - bh - bw * 0.35), (x + bw + 3, base - bh)])
        elif kind == 1:
            s.rect(x + bw * 0.6, base - bh - 14, x + bw * 0.6 + 5, base - bh)
        elif kind == 2:
            s.rect(x + 6, base - bh - 6, x + bw - 6, base - bh)
        layer.fill(s, colour)
        for wy in range(int(base - bh + 8), int(base - 8), 12):
            for wx in range(int(x + 6), int(x + bw - 8), 11):
                if rng.rand() < lit:
                    layer.fill(Shape().rect(wx, wy, wx + 4, wy + 6), window, alpha=0.6 + 0.4 * rng.rand())
        x += bw + rng.randint(-6, 10)


def trees(layer, base, x0, x1, seed, colour, size=(30, 60)):
    """Round-crowned and pointed tree silhouettes along y = base."""
    rng = np.random.RandomState(seed)
    x = x0
    while x < x1:
        h = rng.randint(*size)
        s = Shape().rect(x - 1.5, base - h * 0.4, x + 1.5, base + 2)
        if rng.rand() < 0.5:
            s.poly([(x - h * 0.3, base - h * 0.25), (x, base - h), (x + h * 0.3, base - h * 0.25)])
        else:
            for k in range(4):
                s.circle(x + rng.randint(-8, 9) * h / 60, base - h * (0.55 + 0.12 * k), h * (0.28 - 0.03 * k))
        layer.fill(s, colour)
        x += rng.randint(int(h * 0.35), int(h * 0.9))


def road(layer, vx, vy, bottom_l, bottom_r, bottom_y, colour, line=(236, 200, 130)):
    """A road narrowing to the vanishing point (vx, vy), with a dashed centre line."""
    layer.fill(Shape().poly([(vx - 3, vy), (vx + 3, vy), (bottom_r, bottom_y), (bottom_l, bottom_y)]), colour)
    mid = (bottom_l + bottom_r) / 2
    for k in range(14):
        t0, t1 = (k / 14) ** 1.8, ((k + 0.5) / 14) ** 1.8
        x0, y0 = vx + (mid - vx) * t0, vy + (bottom_y - vy) * t0
        x1, y1 = vx + (mid - vx) * t1, vy + (bottom_y - vy) * t1
        layer.fill(Shape().line([(x0, y0), (x1, y1)], 0.6 + 5 * t1), line, alpha=0.7)


def car(layer, x, y, s, body=(30, 26, 40), lights=True):
    """A small hatchback seen from behind, its wheels on y, centred on x, s pixels wide."""
    h = s * 0.62
    layer.glow(Shape().ellipse(x, y, s * 0.62, s * 0.08), (0, 0, 0), s * 0.05, 0.7)
    layer.paint(Shape().rect(x - s * 0.45, y - h * 0.35, x - s * 0.3, y + s * 0.02, s * 0.03)
                .rect(x + s * 0.3, y - h * 0.35, x + s * 0.45, y + s * 0.02, s * 0.03), (14, 12, 16), ow=0)
    layer.paint(Shape().rect(x - s / 2, y - h * 0.62, x + s / 2, y - h * 0.08, s * 0.08), body, ow=s * 0.02,
                light=0.25)
    layer.paint(Shape().poly([(x - s * 0.36, y - h * 0.6), (x - s * 0.28, y - h), (x + s * 0.28, y - h),
                              (x + s * 0.36, y - h * 0.6)]), body, ow=s * 0.02, light=0.25)
    layer.paint(Shape().poly([(x - s * 0.3, y - h * 0.64), (x - s * 0.24, y - h * 0.93), (x + s * 0.24, y - h * 0.93),
                              (x + s * 0.3, y - h * 0.64)]), (64, 70, 110), ow=s * 0.01, light=0.5, glint=0.4)
    if lights:
        for sx in (-1, 1):
            lx = x + sx * s * 0.4
            layer.glow(Shape().circle(lx, y - h * 0.45, s * 0.05), (255, 40, 30), s * 0.08, 0.9)
            layer.fill(Shape().rect(lx - s * 0.06, y - h * 0.52, lx + s * 0.06, y - h * 0.4, s * 0.02),
                       (255, 90, 70))


def walker(layer, x, base, h, colour, lean=0.0, arms=True):
    """A shambling figure silhouette, h pixels tall, feet on y = base."""
    hx = x + lean * h * 0.25
    s = Shape().circle(hx, base - h * 0.9, h * 0.09)
    s.poly([(x - h * 0.13, base - h * 0.78), (x + h * 0.13, base - h * 0.78), (x + h * 0.1, base - h * 0.42),
            (x - h * 0.1, base - h * 0.42)])
    s.line([(x - h * 0.05, base - h * 0.45), (x - h * 0.1, base)], h * 0.08)
    s.line([(x + h * 0.05, base - h * 0.45), (x + h * 0.12, base - h * 0.02)], h * 0.08)
    if arms:
        s.line([(x + h * 0.08, base - h * 0.74), (x + h * 0.32, base - h * 0.62)], h * 0.06)
        s.line([(x - h * 0.06, base - h * 0.74), (x + h * 0.24, base - h * 0.58)], h * 0.06)
    layer.fill(s, colour)


def vignette(layer, strength=0.6):
    """Darkens the corners of the whole picture."""
    w, h = layer.img.size
    ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
    d = np.sqrt(((xs - w / 2) / (w / 2)) ** 2 + ((ys - h / 2) / (h / 2)) ** 2) / math.sqrt(2)
    a = np.clip((d - 0.45) * 1.8, 0, 1) * strength
    rgb = np.zeros((h, w, 3), np.float32) + np.array(layout.NIGHT, np.float32)
    layer.img.alpha_composite(art.to_image(rgb, a))
