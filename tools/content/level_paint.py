"""Small painting helpers for the level's art: seeded noise, colour mixing and shaded shapes."""

import numpy as np
from PIL import Image, ImageDraw


def rng(seed):
    """A numpy generator with a fixed seed, so every run paints the same pixels."""
    return np.random.default_rng(seed)


def noise(h, w, cell, seed, octaves=3):
    """Smooth value noise in [0, 1] of size h x w; `cell` is the size of the coarsest blobs in pixels."""
    r = rng(seed)
    total = np.zeros((h, w), np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        gh, gw = max(2, h // max(1, cell) + 2), max(2, w // max(1, cell) + 2)
        grid = Image.fromarray((r.random((gh, gw)) * 255).astype(np.uint8))
        big = grid.resize((w + 2 * cell, h + 2 * cell), Image.BICUBIC)
        total += amp * np.asarray(big, np.float32)[cell:cell + h, cell:cell + w] / 255.0
        norm += amp
        amp *= 0.5
        cell = max(1, cell // 2)
    return np.clip(total / norm, 0.0, 1.0)


def speckle(h, w, seed):
    """Per-pixel random values in [0, 1]."""
    return rng(seed).random((h, w)).astype(np.float32)


def mix(a, b, t):
    """Blends two colours (or colour arrays) by t."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, f):
    """Scales a colour's brightness by f."""
    return tuple(max(0, min(255, int(round(v * f)))) for v in c)


def layer(w, h):
    """A transparent RGBA image and its drawing context."""
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def grain(img, amount, seed, cell=2):
    """Adds brightness grain to the opaque pixels of an RGBA image, in place."""
    a = np.asarray(img, np.float32)
    n = noise(a.shape[0], a.shape[1], cell, seed, 2) - 0.5
    a[..., :3] *= (1.0 + amount * n)[..., None]
    img.paste(Image.fromarray(np.clip(a, 0, 255).astype(np.uint8), "RGBA"))
    return img


def gradient_rect(draw, box, top, bottom):
    """Fills a box with a vertical gradient from colour `top` to colour `bottom`."""
    x0, y0, x1, y1 = box
    span = max(1, y1 - y0)
    for y in range(y0, y1 + 1):
        draw.line([(x0, y), (x1, y)], fill=mix(top, bottom, (y - y0) / span) + (255,))


def glow(w, h, cx, cy, rx, ry, color, strength):
    """An RGBA image holding a soft elliptic glow (alpha falls off from the centre)."""
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    d = ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2
    a = np.clip(1.0 - d, 0.0, 1.0) ** 2 * strength
    out = np.zeros((h, w, 4), np.uint8)
    out[..., :3] = color
    out[..., 3] = np.clip(a * 255, 0, 255).astype(np.uint8)
    return Image.fromarray(out, "RGBA")
