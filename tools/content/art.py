"""Drawing helpers for the picture scripts: supersampled layers, shaded outlined shapes, gradients, noise, text."""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

import layout

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
LIGHT = (-0.55, -0.83)  # the sun sets to the upper left


def font(name, size):
    """A DejaVu face by file name at a pixel size."""
    return ImageFont.truetype(FONT_DIR + name, int(round(size)))


def mix(a, b, t):
    """Colour between a and b (t = 0 gives a)."""
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def shade(c, k):
    """Colour scaled by k (k < 1 darker, toward the dusk blue; k > 1 lighter, toward amber)."""
    if k < 1:
        return mix(tuple(int(v * k) for v in c), layout.DEEP_BLUE, (1 - k) * 0.25)
    return mix(c, layout.GLOW, min(1.0, k - 1))


class Shape:
    """A mask built from filled primitives in picture coordinates; primitives with erase=True cut it."""

    def __init__(self):
        self.ops = []

    def ellipse(self, cx, cy, rx, ry, erase=False):
        """An ellipse by centre and radii."""
        self.ops.append(("e", (cx - rx, cy - ry, cx + rx, cy + ry), erase))
        return self

    def circle(self, cx, cy, r, erase=False):
        """A circle by centre and radius."""
        return self.ellipse(cx, cy, r, r, erase)

    def poly(self, pts, erase=False):
        """A filled polygon."""
        self.ops.append(("p", [tuple(p) for p in pts], erase))
        return self

    def line(self, pts, w, erase=False):
        """Thick polyline with round caps and joints."""
        self.ops.append(("l", ([tuple(p) for p in pts], w), erase))
        return self

    def rect(self, x0, y0, x1, y1, r=0.0, erase=False):
        """A rectangle by corners, with corner radius r."""
        self.ops.append(("r", (x0, y0, x1, y1, r), erase))
        return self

    def add(self, other):
        """Appends another shape's primitives."""
        self.ops += other.ops
        return self

    def bbox(self):
        """Bounding box of the filled primitives."""
        xs, ys = [], []
        for kind, a, erase in self.ops:
            if erase:
                continue
            if kind in ("e", "r"):
                xs += [a[0], a[2]]
                ys += [a[1], a[3]]
            elif kind == "p":
                xs += [p[0] for p in a]
                ys += [p[1] for p in a]
            else:
                xs += [p[0] - a[1] for p in a[0]] + [p[0] + a[1] for p in a[0]]
                ys += [p[1] - a[1] for p in a[0]] + [p[1] + a[1] for p in a[0]]
        return min(xs), min(ys), max(xs), max(ys)

    def render(self, ss, pad):
        """The mask at ss times the size, padded; returns (mask, ox, oy): point x maps to x*ss - ox."""
        x0, y0, x1, y1 = self.bbox()
        ox, oy = int(math.floor(x0 * ss)) - pad, int(math.floor(y0 * ss)) - pad
        w, h = int(math.ceil(x1 * ss)) - ox + pad, int(math.ceil(y1 * ss)) - oy + pad
        m = Image.new("L", (max(1, w), max(1, h)), 0)
        d = ImageDraw.Draw(m)

        def t(p):
            return (p[0] * ss - ox, p[1] * ss - oy)

        for kind, a, erase in self.ops:
            fill = 0 if erase else 255
            if kind == "e":
                d.ellipse(t(a[:2]) + t(a[2:]), fill=fill)
            elif kind == "r":
                box = t(a[:2]) + t(a[2:4])
                if a[4] > 0:
                    d.rounded_rectangle(box, radius=a[4] * ss, fill=fill)
                else:
                    d.rectangle(box, fill=fill)
            elif kind == "p":
                d.polygon([t(p) for p in a], fill=fill)
            else:
                pts, lw = [t(p) for p in a[0]], a[1] * ss
                if len(pts) > 1:
                    d.line(pts, fill=fill, width=max(1, int(round(lw))), joint="curve")
                for p in pts:
                    d.ellipse((p[0] - lw / 2, p[1] - lw / 2, p[0] + lw / 2, p[1] + lw / 2), fill=fill)
        return m, ox, oy


def dilate(mask, r):
    """Round, soft-edged growth of a mask by r pixels."""
    if r <= 0:
        return mask
    b = mask.filter(ImageFilter.GaussianBlur(r * 0.55))
    return b.point(lambda v: 255 if v >= 24 else v * 10)


def noise(w, h, scale, seed, octaves=3):
    """Smooth value noise in 0..1 of size w x h; scale is the size of the coarsest blobs in pixels."""
    rng = np.random.RandomState(seed)
    total = np.zeros((h, w), np.float32)
    amp, norm = 1.0, 0.0
    for _ in range(octaves):
        gw, gh = max(2, int(w / scale) + 2), max(2, int(h / scale) + 2)
        grid = Image.fromarray(rng.rand(gh, gw).astype(np.float32), "F")
        total += amp * np.asarray(grid.resize((w, h), Image.BICUBIC), np.float32)
        norm += amp
        amp *= 0.5
        scale = max(1.0, scale / 2)
    total /= norm
    lo, hi = total.min(), total.max()
    return (total - lo) / max(1e-6, hi - lo)


class Layer:
    """An RGBA picture drawn at ss times its final size; done() scales it down smoothly."""

    def __init__(self, w, h, ss=4, bg=(0, 0, 0, 0)):
        self.w, self.h, self.ss = w, h, ss
        self.img = Image.new("RGBA", (w * ss, h * ss), bg)
        self.seed = 1

    def _composite(self, rgb, alpha, ox, oy):
        """Blends an RGB array with an alpha array (0..1) onto the picture at big-pixel (ox, oy)."""
        h, w = alpha.shape
        x0, y0 = max(0, ox), max(0, oy)
        x1, y1 = min(self.img.width, ox + w), min(self.img.height, oy + h)
        if x1 <= x0 or y1 <= y0:
            return
        a = np.clip(alpha[y0 - oy:y1 - oy, x0 - ox:x1 - ox], 0, 1)
        src = np.zeros((y1 - y0, x1 - x0, 4), np.uint8)
        src[..., :3] = np.clip(rgb[y0 - oy:y1 - oy, x0 - ox:x1 - ox], 0, 255)
        src[..., 3] = (a * 255 + 0.5).astype(np.uint8)
        self.img.alpha_composite(Image.fromarray(src, "RGBA"), dest=(x0, y0))

    def fill(self, shape, colour, alpha=1.0):
        """Flat fill, no outline."""
        m, ox, oy = shape.render(self.ss, 2)
        a = np.asarray(m, np.float32) / 255 * alpha
        self._composite(np.broadcast_to(np.array(colour[:3], np.float32), a.shape + (3,)), a, ox, oy)

    def paint(self, shape, colour, outline=layout.INK, ow=1.0, light=0.32, edge=0.3, grain=0.0,
              alpha=1.0, grad=None, glint=0.0):
        """A shaded shape: dark outline ow pixels wide, lit from the upper left, darker at its rim.

        grad = (top colour, bottom colour) replaces the flat colour with a vertical gradient;
        grain adds fine noise (cloth, wood); glint adds a small bright highlight toward the light."""
        ss = self.ss
        pad = int((ow + 2) * ss) + 2
        m, ox, oy = shape.render(ss, pad)
        if outline is not None and ow > 0:
            om = np.asarray(dilate(m, ow * ss), np.float32) / 255 * alpha
            self._composite(np.broadcast_to(np.array(outline[:3], np.float32), om.shape + (3,)), om, ox, oy)
        a = np.asarray(m, np.float32) / 255
        h, w = a.shape
        bx = m.getbbox()
        if bx is None:
            return
        cx, cy = (bx[0] + bx[2]) / 2, (bx[1] + bx[3]) / 2
        hw, hh = max(1, (bx[2] - bx[0]) / 2), max(1, (bx[3] - bx[1]) / 2)
        ys, xs = np.mgrid[0:h, 0:w].astype(np.float32)
        u, v = (xs - cx) / hw, (ys - cy) / hh
        d = (u * LIGHT[0] + v * LIGHT[1]) / 1.4
        er = max(1.0, min(hw, hh) * 0.35)
        inner = np.asarray(m.filter(ImageFilter.GaussianBlur(er)), np.float32) / 255
        rim = np.clip(1 - (inner - 0.5) * 2.2, 0, 1)
        k = 1 + light * d - edge * rim
        if grain > 0:
            self.seed += 1
            k = k * (1 + grain * (noise(w, h, 3 * ss, self.seed, 2) - 0.5) * 2)
        if glint > 0:
            gx, gy = cx + LIGHT[0] * hw * 0.45, cy + LIGHT[1] * hh * 0.45
            gr = max(1.0, min(hw, hh) * 0.35)
            k = k + glint * np.exp(-(((xs - gx) ** 2 + (ys - gy) ** 2) / (2 * gr * gr)))
        if grad is None:
            base = np.broadcast_to(np.array(colour[:3], np.float32), (h, w, 3))
        else:
            t = np.clip((ys - bx[1]) / max(1, bx[3] - bx[1]), 0, 1)[..., None]
            base = np.array(grad[0], np.float32) * (1 - t) + np.array(grad[1], np.float32) * t
        rgb = base * k[..., None]
        warm = np.clip(k - 1, 0, 1)[..., None] * 0.6
        cool = np.clip(1 - k, 0, 1)[..., None] * 0.35
        rgb = rgb * (1 - warm) + np.array(layout.AMBER, np.float32) * warm
        rgb = rgb * (1 - cool) + np.array(layout.DEEP_BLUE, np.float32) * cool
        self._composite(rgb, a * alpha, ox, oy)

    def rim(self, shape, colour, dx, dy, alpha=0.5):
        """A thin crescent of light along the edge of a shape facing away from (dx, dy)."""
        m, ox, oy = shape.render(self.ss, int(abs(dx) + abs(dy)) * self.ss + 2)
        shifted = Image.new("L", m.size, 0)
        shifted.paste(m, (int(dx * self.ss), int(dy * self.ss)))
        a = np.clip(np.asarray(m, np.float32) - np.asarray(shifted, np.float32), 0, 255) / 255 * alpha
        a = np.asarray(Image.fromarray((a * 255).astype(np.uint8)).filter(ImageFilter.GaussianBlur(self.ss * 0.4)),
                       np.float32) / 255
        self._composite(np.broadcast_to(np.array(colour[:3], np.float32), a.shape + (3,)), a, ox, oy)

    def glow(self, shape, colour, radius, strength=1.0):
        """Soft light around a shape (blurred, blended over)."""
        pad = int(radius * 3 * self.ss) + 2
        m, ox, oy = shape.render(self.ss, pad)
        b = m.filter(ImageFilter.GaussianBlur(radius * self.ss))
        a = np.asarray(b, np.float32) / 255 * strength
        self._composite(np.broadcast_to(np.array(colour[:3], np.float32), a.shape + (3,)), a, ox, oy)

    def _text_mask(self, x, y, s, f, anchor, stroke):
        m = Image.new("L", self.img.size, 0)
        ImageDraw.Draw(m).text((x * self.ss, y * self.ss), s, font=f, fill=255, anchor=anchor,
                               stroke_width=int(stroke * self.ss), stroke_fill=255)
        return m

    def _blend_mask(self, m, colour, blur=0.0):
        if blur > 0:
            m = m.filter(ImageFilter.GaussianBlur(blur * self.ss))
        box = m.getbbox()
        if box is None:
            return
        a = np.asarray(m.crop(box), np.float32) / 255 * (colour[3] / 255 if len(colour) > 3 else 1)
        self._composite(np.broadcast_to(np.array(colour[:3], np.float32), a.shape + (3,)), a, box[0], box[1])

    def text(self, x, y, s, face, size, fill, anchor="la", stroke=0.0, stroke_fill=layout.INK,
             shadow=None):
        """Text at picture point (x, y); stroke draws an outline, shadow = (dx, dy, colour, blur)."""
        f = font(face, size * self.ss)
        if shadow is not None:
            dx, dy, col, blur = shadow
            self._blend_mask(self._text_mask(x + dx, y + dy, s, f, anchor, stroke), col, blur)
        if stroke > 0:
            self._blend_mask(self._text_mask(x, y, s, f, anchor, stroke), tuple(stroke_fill))
        self._blend_mask(self._text_mask(x, y, s, f, anchor, 0), tuple(fill))

    def paste(self, img, x, y):
        """Blends a picture of final-size pixels scaled up to this layer at picture point (x, y)."""
        big = img.resize((img.width * self.ss, img.height * self.ss), Image.LANCZOS)
        self.img.alpha_composite(big, dest=(int(x * self.ss), int(y * self.ss)))

    def done(self):
        """The picture at its final size."""
        if self.ss == 1:
            return self.img.copy()
        return self.img.convert("RGBa").resize((self.w, self.h), Image.LANCZOS).convert("RGBA")


def vertical_gradient(w, h, stops):
    """An RGB array (h, w, 3) with colour stops [(t, colour), ...] from top (t = 0) to bottom (t = 1)."""
    t = np.linspace(0, 1, h, dtype=np.float32)
    out = np.zeros((h, 3), np.float32)
    for c in range(3):
        out[:, c] = np.interp(t, [s[0] for s in stops], [s[1][c] for s in stops])
    return np.broadcast_to(out[:, None, :], (h, w, 3)).copy()


def to_image(rgb, alpha=None):
    """An RGBA picture from an RGB float array and an optional alpha array (0..1)."""
    h, w = rgb.shape[:2]
    out = np.zeros((h, w, 4), np.uint8)
    out[..., :3] = np.clip(rgb + 0.5, 0, 255)
    out[..., 3] = 255 if alpha is None else np.clip(alpha * 255 + 0.5, 0, 255)
    return Image.fromarray(out, "RGBA")


def atlas(parts, size):
    """One texture from (picture, x, y) pieces; refuses pieces that overlap or leave the texture."""
    img = Image.new("RGBA", size, (0, 0, 0, 0))
    boxes = []
    for p, x, y in parts:
        box = (int(x), int(y), int(x) + p.width, int(y) + p.height)
        assert box[0] >= 0 and box[1] >= 0 and box[2] <= size[0] and box[3] <= size[1], box
        for b in boxes:
            assert box[2] <= b[0] or b[2] <= box[0] or box[3] <= b[1] or b[3] <= box[1], (box, b)
        boxes.append(box)
        img.paste(p, box[:2])
    return img


def save(img, out, name):
    """Writes a picture under the output root (PNG, no timestamps)."""
    img.save(out.rstrip("/") + "/" + name, optimize=True)
