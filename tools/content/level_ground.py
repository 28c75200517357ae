"""Paints the level's ground picture: grass, streets, yards and floors, with road marks, shade and lamplight."""

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

import layout
import level_paint as lp

CW, CH = layout.CELL_W, layout.CELL_H

# Ground kinds whose borders blend (nature) and those with sharp edges (built).
SOFT = set('.;%"~g')


def _col(lo, hi, t):
    """Colour field between colours lo and hi driven by the field t (h x w in [0, 1])."""
    lo, hi = np.array(lo, np.float32), np.array(hi, np.float32)
    return lo + (hi - lo) * t[..., None]


def _grass(h, w, s):
    t = 0.65 * lp.noise(h, w, 48, s) + 0.35 * lp.noise(h, w, 6, s + 1)
    img = _col((30, 48, 40), (62, 84, 56), t)
    blades = lp.speckle(h, w, s + 2)
    img += ((blades > 0.93) * 16 - (blades < 0.07) * 12)[..., None]
    return img


def _weeds(h, w, s):
    img = _grass(h, w, s) * 0.85
    pil = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8))
    d = ImageDraw.Draw(pil)
    r = lp.rng(s + 3)
    for _ in range(h * w // 40):
        x, y = int(r.integers(0, w)), int(r.integers(0, h))
        lean = int(r.integers(-3, 4))
        c = lp.mix((44, 70, 44), (96, 112, 62), float(r.random()))
        d.line([(x, y), (x + lean, y - int(r.integers(4, 9)))], fill=c)
    return np.asarray(pil, np.float32)


def _dirt(h, w, s):
    t = 0.6 * lp.noise(h, w, 40, s) + 0.4 * lp.noise(h, w, 5, s + 1)
    img = _col((66, 54, 50), (100, 82, 66), t)
    p = lp.speckle(h, w, s + 2)
    img += ((p > 0.97) * 22 - (p < 0.03) * 18)[..., None]
    return img


def _mud(h, w, s):
    t = lp.noise(h, w, 24, s)
    img = _col((40, 34, 34), (66, 54, 50), t)
    wet = np.clip((lp.noise(h, w, 10, s + 5) - 0.6) * 4, 0, 0.6)
    return img * (1 - wet[..., None]) + np.array((70, 72, 92), np.float32) * wet[..., None]


def _gravel(h, w, s):
    t = lp.noise(h, w, 30, s)
    img = _col((70, 68, 74), (96, 92, 94), t)
    p = lp.speckle(h, w, s + 1)
    img += ((p - 0.5) * 46)[..., None]
    return img


def _rubble(h, w, s):
    img = _dirt(h, w, s) * 0.9
    pil = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8))
    d = ImageDraw.Draw(pil)
    r = lp.rng(s + 7)
    for _ in range(h * w // 90):
        x, y = int(r.integers(0, w)), int(r.integers(0, h))
        bw, bh = int(r.integers(3, 8)), int(r.integers(2, 5))
        base = (118, 62, 50) if r.random() < 0.55 else (104, 104, 112)
        c = lp.shade(base, 0.7 + 0.5 * float(r.random()))
        d.rectangle([x, y, x + bw, y + bh], fill=c)
        d.line([(x, y), (x + bw, y)], fill=lp.shade(c, 1.3))
        d.line([(x, y + bh + 1), (x + bw, y + bh + 1)], fill=(30, 24, 30))
    return np.asarray(pil, np.float32)


def _asphalt(h, w, s):
    t = 0.5 * lp.noise(h, w, 60, s) + 0.5 * lp.noise(h, w, 3, s + 1)
    img = _col((40, 42, 52), (62, 64, 76), t)
    pil = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8))
    d = ImageDraw.Draw(pil)
    r = lp.rng(s + 4)
    for _ in range(h * w // 9000):
        x, y = float(r.integers(0, w)), float(r.integers(0, h))
        pts = [(x, y)]
        for _ in range(int(r.integers(3, 8))):
            x += float(r.normal(0, 6))
            y += float(r.normal(0, 4))
            pts.append((x, y))
        d.line(pts, fill=(28, 28, 36))
    return np.asarray(pil, np.float32)


def _pavement(h, w, s):
    t = lp.noise(h, w, 8, s + 1)
    img = _col((84, 86, 100), (108, 110, 124), t)
    sw, sh = CW // 2, CH // 2
    r = lp.rng(s)
    tone = r.random((h // sh + 2, w // sw + 2)).astype(np.float32)
    yy, xx = np.mgrid[0:h, 0:w]
    img *= (0.9 + 0.16 * tone[yy // sh, xx // sw])[..., None]
    joint = ((xx % sw) == 0) | ((yy % sh) == 0)
    img[joint] *= 0.72
    return img


def _wood(h, w, s):
    r = lp.rng(s)
    ph = 6
    yy, xx = np.mgrid[0:h, 0:w]
    plank = yy // ph
    offset = (r.integers(0, 72, h // ph + 2))[plank]
    seg = (xx + offset) // 72
    tone = r.random((h // ph + 2, w // 72 + 4)).astype(np.float32)[plank, seg]
    streak = lp.noise(h, w * 1, 3, s + 1)
    t = 0.55 * tone + 0.45 * streak
    img = _col((78, 52, 42), (128, 90, 62), t)
    img[(yy % ph) == 0] *= 0.55
    img[((xx + offset) % 72) == 0] *= 0.6
    return img


def _tiles(h, w, s):
    yy, xx = np.mgrid[0:h, 0:w]
    tw, th = CW // 3, CH // 2
    check = ((xx // tw + yy // th) % 2).astype(np.float32)
    img = _col((118, 126, 134), (150, 146, 134), check)
    img *= (0.94 + 0.1 * lp.noise(h, w, 20, s))[..., None]
    img[((xx % tw) == 0) | ((yy % th) == 0)] *= 0.7
    return img


def _concrete(h, w, s):
    t = 0.6 * lp.noise(h, w, 50, s) + 0.4 * lp.noise(h, w, 4, s + 1)
    img = _col((76, 78, 88), (104, 104, 112), t)
    stain = np.clip((lp.noise(h, w, 30, s + 3) - 0.62) * 4, 0, 0.5)
    return img * (1 - stain[..., None])


def _water(h, w, s):
    yy, xx = np.mgrid[0:h, 0:w].astype(np.float32)
    t = lp.noise(h, w, 30, s)
    img = _col((18, 26, 52), (36, 46, 86), t)
    ripple = np.sin(yy * 0.9 + lp.noise(h, w, 12, s + 1) * 9) > 0.93
    img[ripple] = img[ripple] * 0.6 + np.array((150, 110, 150), np.float32) * 0.4
    return img


PAINTERS = {".": _grass, '"': _weeds, ";": _dirt, "~": _mud, "g": _gravel, "%": _rubble, ",": _asphalt,
            "_": _pavement, "=": _wood, "t": _tiles, "u": _concrete, "W": _water}


def _masks(level, h, w):
    """Per ground kind, a float mask of where it lies (soft kinds with a ragged, blended border)."""
    kinds = sorted({k for row in level.ground for k in row})
    grid = np.array([[kinds.index(k) for k in row] for row in level.ground], np.int32)
    yy, xx = np.mgrid[0:h, 0:w]
    ragx = (lp.noise(h, w, 14, 91) - 0.5) * 14
    ragy = (lp.noise(h, w, 14, 92) - 0.5) * 10
    labels_hard = grid[yy // CH, xx // CW]
    sx = np.clip(((xx + ragx) // CW).astype(np.int32), 0, level.W - 1)
    sy = np.clip(((yy + ragy) // CH).astype(np.int32), 0, level.H - 1)
    labels_soft = grid[sy, sx]
    masks = {}
    for i, k in enumerate(kinds):
        if k in SOFT:
            # Soft kinds blend only with other soft kinds: near built ground the hard edge wins.
            m = ((labels_soft == i) & np.isin(labels_hard, [kinds.index(q) for q in kinds if q in SOFT]))
            m = m | (labels_hard == i) & ~np.isin(labels_soft, [kinds.index(q) for q in kinds if q in SOFT])
            pil = Image.fromarray((m * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(1.5))
            masks[k] = np.asarray(pil, np.float32) / 255.0
        else:
            masks[k] = (labels_hard == i).astype(np.float32)
    return masks


def _road_marks(level, img):
    """Dashed centre lines on the two-lane roads and kerbs where asphalt meets pavement."""
    d = ImageDraw.Draw(img)
    W, H = level.W, level.H
    g = level.ground

    def road(x, y):
        return 0 <= x < W and 0 <= y < H and g[y][x] == ","

    for y in range(1, H):
        for x in range(W):
            if road(x, y) and road(x, y - 1) and not road(x, y - 2) and not road(x, y + 1):
                if not (road(x - 1, y - 2) or road(x + 1, y - 2)) and x % 2 == 0:
                    d.rectangle([x * CW + 6, y * CH - 1, x * CW + 28, y * CH], fill=(176, 160, 96))
    for x in range(1, W):
        for y in range(H):
            if road(x, y) and road(x - 1, y) and not road(x - 2, y) and not road(x + 1, y) and y % 2 == 0:
                d.rectangle([x * CW - 1, y * CH + 4, x * CW, y * CH + 20], fill=(176, 160, 96))
    for y in range(H):
        for x in range(W):
            if g[y][x] != "_":
                continue
            x0, y0 = x * CW, y * CH
            if road(x, y + 1):
                d.rectangle([x0, y0 + CH - 3, x0 + CW - 1, y0 + CH - 1], fill=(132, 134, 146))
            if road(x, y - 1):
                d.rectangle([x0, y0, x0 + CW - 1, y0 + 1], fill=(132, 134, 146))
            if road(x + 1, y):
                d.rectangle([x0 + CW - 2, y0, x0 + CW - 1, y0 + CH - 1], fill=(132, 134, 146))
            if road(x - 1, y):
                d.rectangle([x0, y0, x0 + 1, y0 + CH - 1], fill=(132, 134, 146))


def _escape_mark(level, img):
    """A worn yellow parking box on the escape cell."""
    d = ImageDraw.Draw(img)
    x, y = level.escape
    x0, y0 = x * CW + 2, y * CH + 2
    for i in range(0, CW - 4, 6):
        d.line([(x0 + i, y0), (x0 + i + 3, y0)], fill=(196, 164, 70), width=2)
        d.line([(x0 + i, y0 + CH - 5), (x0 + i + 3, y0 + CH - 5)], fill=(196, 164, 70), width=2)
    d.line([(x0, y0), (x0, y0 + CH - 5)], fill=(196, 164, 70), width=2)
    d.line([(x0 + CW - 5, y0), (x0 + CW - 5, y0 + CH - 5)], fill=(196, 164, 70), width=2)


def paint_ground(level, shadows, lights):
    """The whole ground as an RGB image; `shadows` and `lights` are L-mode masks of the same size."""
    w, h = level.W * CW, level.H * CH
    masks = _masks(level, h, w)
    acc = np.zeros((h, w, 3), np.float32)
    weight = np.zeros((h, w), np.float32)
    for i, (k, m) in enumerate(sorted(masks.items())):
        if not m.any():
            continue
        acc += PAINTERS[k](h, w, 100 + 17 * i) * m[..., None]
        weight += m
    img = acc / np.maximum(weight, 1e-3)[..., None]
    pil = Image.fromarray(np.clip(img, 0, 255).astype(np.uint8))
    _road_marks(level, pil)
    _escape_mark(level, pil)
    a = np.asarray(pil, np.float32)
    sh = np.asarray(shadows.filter(ImageFilter.GaussianBlur(3)), np.float32) / 255.0
    a *= (1.0 - 0.55 * sh)[..., None]
    li = np.asarray(lights.filter(ImageFilter.GaussianBlur(6)), np.float32) / 255.0
    a += li[..., None] * np.array((120, 78, 30), np.float32)
    a *= np.array((0.92, 0.92, 1.02), np.float32)
    return Image.fromarray(np.clip(a, 0, 255).astype(np.uint8))
