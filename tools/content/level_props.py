"""Furniture, bins, crates, lamps, trees and cars: the level's single objects, drawn in our own style."""

import math

from PIL import ImageDraw

import layout
import level_paint as lp
from level_piece import Piece

CW, CH = layout.CELL_W, layout.CELL_H
RIM = (236, 140, 80)  # low evening sun from the west lights the left edges
INK = (16, 12, 24)


def _box(d, x, y, fw, fd, z, top, front, rim=True):
    """An upright box: top face fw x fd at (x, y), front face fw x z below it, outlined."""
    d.rectangle([x, y, x + fw - 1, y + fd - 1], fill=top + (255,))
    lp.gradient_rect(d, (x, y + fd, x + fw - 1, y + fd + z - 1), front, lp.shade(front, 0.72))
    d.rectangle([x, y, x + fw - 1, y + fd + z - 1], outline=INK + (255,))
    d.line([(x, y + fd), (x + fw - 1, y + fd)], fill=lp.shade(top, 0.6) + (255,))
    if rim:
        d.line([(x + 1, y + 1), (x + 1, y + fd + z - 2)], fill=lp.mix(front, RIM, 0.45) + (255,))


def _piece(cx, cy, img, fw, name, front_gap=3):
    """A picture fw wide standing centred on cell (cx, cy), its bottom `front_gap` above the cell's bottom."""
    x = cx * CW + (CW - fw) // 2
    y = cy * CH + CH - front_gap - img.height
    p = Piece(img, x, y, y + img.height, name=name)
    p.shadows.append([(x + fw, y + img.height - 12), (x + fw + 10, y + img.height - 10),
                      (x + fw + 10, y + img.height), (x + fw, y + img.height)])
    return p


def bin_(cx, cy, seed):
    img, d = lp.layer(22, 40)
    body = (52, 82, 64) if seed % 2 else (70, 74, 90)
    _box(d, 2, 6, 18, 10, 22, lp.shade(body, 1.2), body)
    d.rectangle([1, 4, 20, 9], fill=lp.shade(body, 0.8) + (255,), outline=INK + (255,))
    d.ellipse([3, 34, 8, 39], fill=(20, 20, 24, 255))
    d.ellipse([14, 34, 19, 39], fill=(20, 20, 24, 255))
    d.rectangle([8, 20, 14, 23], fill=lp.shade(body, 1.4) + (255,))
    return _piece(cx, cy, img, 22, "bin")


def crates(cx, cy, seed):
    img, d = lp.layer(34, 46)
    wood = (138, 100, 62)
    _box(d, 1, 20, 30, 10, 16, lp.shade(wood, 1.15), wood)
    _box(d, 6, 4, 22, 8, 14, lp.shade(wood, 1.2), lp.shade(wood, 0.95))
    for x0, y0, w, h in ((1, 30, 30, 16), (6, 12, 22, 14)):
        d.line([(x0, y0), (x0 + w - 1, y0 + h - 1)], fill=lp.shade(wood, 0.6) + (255,))
        d.line([(x0, y0 + h // 2), (x0 + w - 1, y0 + h // 2)], fill=lp.shade(wood, 0.7) + (255,))
    lp.grain(img, 0.25, seed)
    return _piece(cx, cy, img, 34, "crates")


def cupboard(cx, cy, seed):
    img, d = lp.layer(34, 44)
    wood = (150, 120, 96)
    _box(d, 1, 2, 32, 12, 28, (180, 172, 160), wood)
    for x in (1, 17):
        d.rectangle([x + 2, 17, x + 13, 40], outline=lp.shade(wood, 0.6) + (255,))
        d.rectangle([x + 10, 27, x + 11, 30], fill=(200, 190, 150, 255))
    d.rectangle([6, 4, 14, 10], fill=(110, 110, 126, 255))  # a sink
    return _piece(cx, cy, img, 34, "cupboard", front_gap=2)


def fridge(cx, cy, seed):
    img, d = lp.layer(28, 62)
    _box(d, 2, 2, 24, 12, 46, (206, 210, 214), (176, 182, 192))
    d.line([(3, 30), (24, 30)], fill=(110, 116, 130, 255))
    d.rectangle([21, 18, 22, 27], fill=(120, 126, 140, 255))
    d.rectangle([21, 34, 22, 50], fill=(120, 126, 140, 255))
    return _piece(cx, cy, img, 28, "fridge", front_gap=2)


def wardrobe(cx, cy, seed):
    img, d = lp.layer(34, 66)
    wood = (104, 70, 52)
    _box(d, 1, 2, 32, 12, 50, lp.shade(wood, 1.25), wood)
    d.line([(17, 15), (17, 62)], fill=lp.shade(wood, 0.55) + (255,))
    d.rectangle([14, 34, 15, 40], fill=(210, 180, 110, 255))
    d.rectangle([19, 34, 20, 40], fill=(210, 180, 110, 255))
    lp.grain(img, 0.2, seed)
    return _piece(cx, cy, img, 34, "wardrobe", front_gap=2)


def mailbox(cx, cy, seed):
    img, d = lp.layer(18, 40)
    d.rectangle([8, 14, 10, 39], fill=(60, 50, 46, 255))
    _box(d, 2, 4, 14, 6, 10, (84, 100, 150), (60, 76, 128))
    d.pieslice([2, 0, 15, 9], 180, 360, fill=(84, 100, 150, 255), outline=INK + (255,))
    d.rectangle([15, 4, 16, 9], fill=(200, 40, 40, 255))
    return _piece(cx, cy, img, 18, "mailbox")


def shelf(cx, cy, seed):
    img, d = lp.layer(36, 56)
    metal = (120, 124, 136)
    _box(d, 1, 2, 34, 12, 40, lp.shade(metal, 1.2), lp.shade(metal, 0.8))
    r = lp.rng(seed)
    goods = [(196, 70, 60), (220, 180, 80), (80, 140, 190), (110, 170, 90), (230, 230, 220), (170, 90, 160)]
    for row, y in enumerate((17, 29, 41)):
        d.line([(2, y + 9), (33, y + 9)], fill=(70, 72, 84, 255))
        x = 3
        while x < 31:
            w = int(r.integers(3, 7))
            c = goods[int(r.integers(0, len(goods)))]
            h = int(r.integers(5, 9))
            d.rectangle([x, y + 9 - h, min(32, x + w - 1), y + 8], fill=lp.shade(c, 0.8) + (255,))
            x += w + 1
    return _piece(cx, cy, img, 36, "shelf", front_gap=2)


def workbench(cx, cy, seed):
    img, d = lp.layer(36, 44)
    wood = (124, 92, 64)
    _box(d, 1, 16, 34, 12, 6, lp.shade(wood, 1.2), wood)
    for x in (3, 30):
        d.rectangle([x, 34, x + 2, 43], fill=lp.shade(wood, 0.6) + (255,))
    _box(d, 6, 6, 14, 6, 8, (190, 60, 50), (160, 40, 36))  # a red toolbox
    d.line([(22, 14), (32, 18)], fill=(170, 170, 180, 255), width=2)  # a wrench
    d.rectangle([27, 10, 31, 17], fill=(80, 80, 90, 255))  # a vice
    return _piece(cx, cy, img, 36, "workbench", front_gap=2)


def junk(cx, cy, seed):
    img, d = lp.layer(40, 34)
    r = lp.rng(seed)
    d.line([(4, 12), (30, 2)], fill=(120, 88, 60, 255), width=3)
    for i in range(6):
        x = int(r.integers(0, 22))
        y = int(r.integers(8, 18))
        c = lp.shade((40, 40, 48), 0.8 + 0.5 * float(r.random()))
        d.ellipse([x, y, x + 16, y + 14], fill=c + (255,), outline=INK + (255,))
        d.arc([x + 3, y + 2, x + 10, y + 8], 180, 270, fill=(110, 110, 130, 255))
    d.rectangle([24, 18, 36, 30], fill=(140, 110, 80, 255), outline=INK + (255,))
    return _piece(cx, cy, img, 40, "junk")


def drums(cx, cy, seed):
    img, d = lp.layer(34, 40)
    cols = [(170, 86, 44), (60, 86, 130)]
    for i, (x, y) in enumerate(((2, 8), (16, 12))):
        c = cols[(i + seed) % 2]
        d.rectangle([x, y + 4, x + 15, y + 26], fill=c + (255,))
        d.line([(x + 1, y + 4), (x + 1, y + 26)], fill=lp.mix(c, RIM, 0.5) + (255,))
        d.rectangle([x + 11, y + 4, x + 15, y + 26], fill=lp.shade(c, 0.7) + (255,))
        for yy in (y + 11, y + 19):
            d.line([(x, yy), (x + 15, yy)], fill=lp.shade(c, 0.55) + (255,))
        d.ellipse([x, y, x + 15, y + 8], fill=lp.shade(c, 1.25) + (255,), outline=INK + (255,))
        d.rectangle([x, y + 4, x + 15, y + 26], outline=INK + (255,))
    return _piece(cx, cy, img, 34, "drums")


def table(cx, cy, seed):
    img, d = lp.layer(34, 30)
    wood = (132, 96, 70)
    for x in (4, 27):
        d.rectangle([x, 14, x + 2, 28], fill=lp.shade(wood, 0.6) + (255,))
    _box(d, 1, 2, 32, 12, 4, lp.shade(wood, 1.15), wood)
    d.ellipse([8, 4, 14, 9], fill=(220, 220, 210, 255))
    return _piece(cx, cy, img, 34, "table")


def bed(cells, seed):
    x0 = min(c[0] for c in cells)
    x1 = max(c[0] for c in cells)
    cy = cells[0][1]
    fw = (x1 - x0 + 1) * CW - 6
    img, d = lp.layer(fw, 32)
    blanket = [(120, 60, 70), (60, 90, 130), (90, 110, 70)][seed % 3]
    _box(d, 0, 2, fw, 18, 10, (200, 196, 190), (110, 80, 60))
    d.rectangle([fw // 3, 3, fw - 2, 19], fill=blanket + (255,))
    d.line([(fw // 3, 4), (fw // 3, 19)], fill=lp.shade(blanket, 1.3) + (255,))
    d.rounded_rectangle([3, 5, fw // 3 - 4, 16], 3, fill=(232, 230, 224, 255))
    p = Piece(img, x0 * CW + 3, cy * CH + CH - 2 - 32, cy * CH + CH - 2, name="bed")
    return p


def dumpster(cells, seed):
    x0 = min(c[0] for c in cells)
    cy = cells[0][1]
    fw = 2 * CW - 4
    img, d = lp.layer(fw, 48)
    green = (44, 90, 70)
    _box(d, 0, 8, fw, 14, 22, lp.shade(green, 1.1), green)
    d.polygon([(0, 8), (fw - 1, 8), (fw - 4, 2), (3, 2)], fill=lp.shade(green, 0.75) + (255,), outline=INK + (255,))
    for x in range(6, fw - 4, 10):
        d.line([(x, 24), (x, 42)], fill=lp.shade(green, 0.6) + (255,))
    d.ellipse([4, 41, 10, 47], fill=(20, 20, 24, 255))
    d.ellipse([fw - 11, 41, fw - 5, 47], fill=(20, 20, 24, 255))
    lp.grain(img, 0.3, seed)
    p = Piece(img, x0 * CW + 2, cy * CH + CH - 2 - 48, cy * CH + CH - 2, name="dumpster")
    p.shadows.append([(x0 * CW + fw, cy * CH + 4), (x0 * CW + fw + 16, cy * CH + 6),
                      (x0 * CW + fw + 16, cy * CH + CH - 2), (x0 * CW + fw, cy * CH + CH - 2)])
    return p


def lamp(cx, cy, seed):
    img, d = lp.layer(70, 118)
    pole = (58, 62, 74)
    d.rectangle([33, 16, 36, 112], fill=pole + (255,))
    d.line([(33, 16), (33, 112)], fill=lp.mix(pole, RIM, 0.5) + (255,))
    d.rectangle([30, 108, 39, 114], fill=lp.shade(pole, 0.8) + (255,), outline=INK + (255,))
    d.line([(36, 16), (48, 12)], fill=pole + (255,), width=3)
    halo = lp.glow(70, 118, 50, 20, 22, 18, (255, 214, 140), 0.55)
    img.alpha_composite(halo)
    d = ImageDraw.Draw(img)
    d.polygon([(42, 10), (56, 10), (53, 16), (45, 16)], fill=(40, 42, 50, 255), outline=INK + (255,))
    d.rectangle([46, 16, 52, 18], fill=(255, 236, 180, 255))
    x, y = cx * CW + CW // 2 - 35, cy * CH + CH - 6 - 112
    p = Piece(img, x, y, cy * CH + CH - 6, name="lamp")
    p.lights.append((cx * CW + CW // 2 + 14, cy * CH + CH - 4, 70, 44, 1.0))
    p.shadows.append([(cx * CW + 20, cy * CH + 18), (cx * CW + 70, cy * CH + 16),
                      (cx * CW + 70, cy * CH + 19), (cx * CW + 20, cy * CH + 21)])
    return p


def tree(cx, cy, seed):
    r = lp.rng(seed)
    w, h = 104, 124
    img, d = lp.layer(w, h)
    bark = (70, 52, 46)
    d.polygon([(47, 120), (57, 120), (55, 60), (49, 60)], fill=bark + (255,))
    d.line([(48, 118), (50, 62)], fill=lp.mix(bark, RIM, 0.45) + (255,))
    leaf = [(34, 62, 52), (46, 80, 58), (60, 94, 62)][seed % 3]
    blobs = []
    for _ in range(16):
        a = float(r.random()) * 2 * math.pi
        rad = float(r.random()) ** 0.5
        bx = 52 + math.cos(a) * 32 * rad
        by = 46 + math.sin(a) * 26 * rad
        br = float(r.integers(14, 22))
        blobs.append((bx, by, br))
    blobs.sort(key=lambda b: b[1])
    for bx, by, br in blobs:
        d.ellipse([bx - br - 1, by - br - 1, bx + br + 1, by + br + 1], fill=INK + (255,))
    for bx, by, br in blobs:
        light = 0.75 + 0.35 * (1 - (by - 20) / 60)
        c = lp.shade(leaf, light)
        d.ellipse([bx - br, by - br, bx + br, by + br], fill=c + (255,))
        d.ellipse([bx - br + 2, by - br + 2, bx + br * 0.2, by + br * 0.1],
                  fill=lp.mix(c, (150, 130, 90), 0.25) + (255,))
    leaves = lp.speckle(h, w, seed + 9)
    lp.grain(img, 0.5, seed + 3, 2)
    for _ in range(260):
        x, y = int(r.integers(8, w - 8)), int(r.integers(6, 90))
        if img.getpixel((x, y))[3] > 200:
            img.putpixel((x, y), lp.shade(leaf, 0.55 + 0.9 * float(leaves[y, x])) + (255,))
    x, y = cx * CW + CW // 2 - 52, cy * CH + CH - 4 - 120
    p = Piece(img, x, y, cy * CH + CH - 4, hide=True, name="tree")
    gx, gy = cx * CW + CW // 2, cy * CH + CH - 6
    p.shadows.append([(gx + 10 + 34 * math.cos(t) + 20, gy + 10 * math.sin(t)) for t in
                      [i * math.pi / 8 for i in range(16)]])
    return p


def car(cells, seed, getaway=False, boot=None):
    """A car three cells long and two deep, seen from the side; `boot` opens its boot."""
    x0 = min(c[0] for c in cells)
    y0 = min(c[1] for c in cells)
    fw, fd = 3 * CW - 8, 2 * CH - 20
    body_h, cab_h = 16, 11
    w, h = fw + 4, cab_h + fd + body_h + 6
    img, d = lp.layer(w, h)
    palette = [(150, 60, 54), (70, 96, 130), (170, 160, 140), (80, 110, 90), (120, 120, 132)]
    paint = (186, 74, 46) if getaway else palette[seed % len(palette)]
    left = getaway or seed % 2 == 0  # the bonnet points left
    glass, dark_glass = (84, 100, 138), (40, 48, 70)
    top0, side0 = cab_h, cab_h + fd  # body top face and side face start
    L, R = 2, fw + 1
    if getaway:
        c0, c1 = (10, 44)
    else:
        c0, c1 = (30, fw - 26) if left else (26, fw - 30)
    # body top (bonnet and boot)
    d.rounded_rectangle([L, top0, R, side0 + 2], 5, fill=lp.shade(paint, 1.12) + (255,), outline=INK + (255,))
    if getaway:
        d.rectangle([c1 + 12, top0 + 3, R - 4, side0 - 2], fill=(52, 40, 38, 255), outline=INK + (255,))
        d.line([(c1 + 13, side0 - 3), (R - 5, side0 - 3)], fill=lp.shade(paint, 0.7) + (255,), width=2)
    # windscreens, cabin roof, side windows
    fx0, bx1 = (c0 - 10, c1 + 8) if left else (c0 - 8, c1 + 10)
    r0, r1 = 5, fd - 6  # the cabin roof is narrower than the body
    d.polygon([(c0, r0), (c0, r1), (fx0, top0 + fd - 2), (fx0, top0 + 2)], fill=glass + (255,), outline=INK + (255,))
    d.polygon([(c1, r0), (c1, r1), (bx1, top0 + fd - 2), (bx1, top0 + 2)], fill=dark_glass + (255,),
              outline=INK + (255,))
    d.rectangle([c0, r0, c1, r1], fill=lp.shade(paint, 1.22) + (255,), outline=INK + (255,))
    d.polygon([(c0, r1), (c1, r1), (bx1, side0), (fx0, side0)], fill=dark_glass + (255,), outline=INK + (255,))
    mid = (c0 + c1) // 2
    d.line([(mid, r1), (mid + (bx1 - c1 + fx0 - c0) // 2, side0)], fill=lp.shade(paint, 0.8) + (255,), width=3)
    d.line([(c0 + 3, r1 + 2), (c0 + 8, side0 - 2)], fill=(150, 150, 186, 255))
    # body side with wheels and lights
    lp.gradient_rect(d, (L, side0, R, side0 + body_h), paint, lp.shade(paint, 0.55))
    d.rectangle([L, side0, R, side0 + body_h], outline=INK + (255,))
    d.line([(L + 1, side0 + 1), (R - 1, side0 + 1)], fill=lp.mix(paint, RIM, 0.45) + (255,))
    d.line([(L + 4, side0 + 9), (R - 4, side0 + 9)], fill=lp.shade(paint, 0.7) + (255,))
    for wx in (L + 15, R - 15):
        d.ellipse([wx - 8, side0 + body_h - 8, wx + 8, side0 + body_h + 6], fill=(16, 16, 20, 255))
        d.ellipse([wx - 4, side0 + body_h - 4, wx + 4, side0 + body_h + 2], fill=(104, 104, 114, 255))
    head, tail = (L, R - 3) if left else (R - 3, L)
    d.rectangle([head, side0 + 3, head + 3, side0 + 7], fill=(252, 236, 180, 255))
    d.rectangle([tail, side0 + 3, tail + 3, side0 + 7], fill=(200, 40, 40, 255))
    if boot is not None:
        b0 = R - 26 if left else L + 4
        d.rectangle([b0, top0 + 2, b0 + 22, side0 - 1], fill=(20, 16, 24, 255))
        d.polygon([(b0, top0 + 2), (b0 + 22, top0 + 2), (b0 + 24, top0 - 12), (b0 - 2, top0 - 12)],
                  fill=lp.shade(paint, 0.9) + (255,), outline=INK + (255,))
    if seed % 3 == 1 and not getaway:
        r = lp.rng(seed)
        for _ in range(16):
            x, y = int(r.integers(L + 3, R - 3)), int(r.integers(side0 + 2, side0 + body_h - 2))
            d.ellipse([x, y, x + 3, y + 2], fill=(112, 62, 40, 255))
    lp.grain(img, 0.12, seed)
    X, Y = x0 * CW + 2, y0 * CH + 8 - top0
    if getaway:
        beam = lp.glow(w + 40, h, 20, side0 + 5, 26, 10, (255, 232, 170), 0.9)
        beam.alpha_composite(img, (40, 0))
        img, X = beam, X - 40
    p = Piece(img, X, Y, y0 * CH + 2 * CH - 4, name="getaway" if getaway else "car")
    base = y0 * CH + 2 * CH - 6
    p.shadows.append([(x0 * CW + 6, base), (x0 * CW + fw + 24, base - 2), (x0 * CW + fw + 24, y0 * CH + 12),
                      (x0 * CW + fw, y0 * CH + 8)])
    if getaway:
        p.lights.append((x0 * CW - 16, base - 4, 46, 22, 0.8))
    return p
