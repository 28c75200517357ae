"""Writes the figure sheets Data/man1.png .. man5.png and Data/zombie1.png (9 x 8 frames of 58 x 83)."""
import math
import sys

from PIL import Image

import art
import figure_draw as fd
import figure_pose as fp
import layout
import survivors
from art import Shape

W, H, SS = layout.FRAME_W, layout.FRAME_H, fd.SS
DEATH_COLUMNS = 5
# Falling away from the facing: right falls back to the left (counter-clockwise), and so on.
FALL_SENSE = {1: 1, 2: 1, 3: -1, 4: -1}


def _affine(img, angle, scale, squash, pivot_in, pivot_out):
    """The picture rotated (degrees, counter-clockwise), scaled and squashed vertically about pivots."""
    t = math.radians(angle)
    c, s = math.cos(t), math.sin(t)
    # forward: out = P_out + Sq * R * scale * (in - P_in)
    a, b = scale * c, scale * s
    d, e = -scale * s * squash, scale * c * squash
    det = a * e - b * d
    ia, ib, id_, ie = e / det, -b / det, -d / det, a / det
    ox, oy = pivot_out
    px, py = pivot_in
    cx = px - (ia * ox + ib * oy)
    cy = py - (id_ * ox + ie * oy)
    return img.transform(img.size, Image.AFFINE, (ia, ib, cx, id_, ie, cy), resample=Image.BICUBIC)


def _pool(layer, rx, ry, colour):
    cx, cy = layout.FEET_X, layout.FEET_Y - 6
    layer.fill(Shape().ellipse(cx, cy, rx, ry).ellipse(cx + rx * 0.55, cy + ry * 0.4, rx * 0.5, ry * 0.7)
               .ellipse(cx - rx * 0.6, cy - ry * 0.3, rx * 0.45, ry * 0.6), colour, alpha=0.9)
    layer.fill(Shape().ellipse(cx - rx * 0.2, cy - ry * 0.35, rx * 0.35, ry * 0.25), (190, 60, 60), alpha=0.5)


def _collapse(look, facing, k):
    """Frame k of the collapse (k = DEATH_COLUMNS - 1 lies flat)."""
    steps = [(0.0, 0.0), (22.0, 0.25), (52.0, 0.55), (80.0, 0.9), (90.0, 1.0)]
    angle, f = steps[k]
    col = fp.HURT if k < 3 else fp.STAND
    body = fd.render(look, facing, col, shadow=False).img
    out = art.Layer(W, H, SS)
    zombie = look.get("zombie", False)
    if k >= 2:
        _pool(out, 4 + 10 * f, 1.8 + 3.6 * f, (78, 26, 30) if zombie else (116, 14, 22))
    out.glow(Shape().ellipse(layout.FEET_X, layout.FEET_Y - 2 - 4 * f, 9 + 10 * f, 2.6 + 3 * f), (6, 6, 14),
             1.4, 0.5)
    pivot_in = (29 * SS, (48 + 28 * (1 - f)) * SS)
    pivot_out = (29 * SS, (48 + 28 * (1 - f) + 20 * f) * SS)
    moved = _affine(body, FALL_SENSE[facing] * angle, 1 - 0.1 * f, 1 - 0.25 * f, pivot_in, pivot_out)
    out.img.alpha_composite(moved)
    if zombie and k < 3:
        ch = (29, 40 + 8 * k)
        for i in range(7):
            a = i * 0.9 + k
            r = 6 + 3 * (i % 3) + 3 * k
            out.fill(Shape().circle(ch[0] + math.cos(a) * r, ch[1] + math.sin(a) * r * 0.7, 1.4 - 0.12 * i),
                     (150, 30, 30))
    return out.done()


def _fallen(look):
    """The fallen team member: flat on the ground in a pool of blood."""
    return _collapse(look, 2, DEATH_COLUMNS - 1)


def sheet(look):
    """The whole 9 x 8 sheet of one look."""
    img = Image.new("RGBA", (W * layout.FRAME_COLS, H * layout.FRAME_ROWS), (0, 0, 0, 0))
    for facing in range(1, 5):
        for col in range(layout.FRAME_COLS):
            img.alpha_composite(fd.render(look, facing, col).done(), (col * W, (facing - 1) * H))
        frames = [_collapse(look, facing, k) for k in range(DEATH_COLUMNS)]
        if not look.get("zombie"):
            frames[0] = _fallen(look) if facing == 1 else frames[-1]
        frames += [frames[-1]] * (layout.FRAME_COLS - DEATH_COLUMNS)
        for col, fr in enumerate(frames):
            img.alpha_composite(fr, (col * W, (facing + 3) * H))
    return img


def main(out):
    """Writes this step's files under the output root `out`."""
    for i, look in enumerate(survivors.SURVIVORS):
        art.save(sheet(look), out, layout.MAN_TEXTURES[i])
    art.save(sheet(survivors.ZOMBIE), out, layout.ZOMBIE_TEXTURE)


if __name__ == "__main__":
    main(sys.argv[1])
