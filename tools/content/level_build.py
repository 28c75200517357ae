"""Walls, fences, hedges, raised ground and roofed buildings of the level, drawn from the plan's edges."""

from PIL import ImageDraw

import layout
import level_paint as lp
from level_piece import Piece
from level_props import INK, RIM, _box

CW, CH = layout.CELL_W, layout.CELL_H
RAISED = layout.RAISED_H
HOUSE_WALL = 58  # height of a building's front wall under its roof

# Look of each kind of edge: height, thickness (pixels), top colour, face colour.
EDGE_LOOK = {
    "wall": (30, 6, (196, 186, 168), (150, 138, 124)),
    "fence": (22, 4, (150, 142, 128), (126, 118, 104)),
    "hedge": (26, 10, (60, 96, 58), (42, 72, 48)),
    "high": (50, 8, (150, 92, 80), (120, 66, 56)),
    "ruin": (30, 6, (70, 62, 60), (58, 50, 50)),
    "railing": (44, 4, (120, 126, 136), (92, 98, 110)),
}
KIND_OF_EDGE = {"-": "wall", "|": "wall", "w": "wall", "f": "fence", "h": "hedge", "H": "high", "r": "railing"}


def _runs(level, kind):
    """Straight runs of edges of one look: ('top', row, x0, x1, chars) or ('right', col, y0, y1, chars)."""
    runs = []
    for y in range(1, level.H):
        x = 0
        while x < level.W:
            if KIND_OF_EDGE.get(level.top_edge[y][x]) == kind:
                start = x
                while x + 1 < level.W and KIND_OF_EDGE.get(level.top_edge[y][x + 1]) == kind:
                    x += 1
                runs.append(("top", y, start, x, [level.top_edge[y][i] for i in range(start, x + 1)]))
            x += 1
    for x in range(level.W - 1):
        y = 0
        while y < level.H:
            if KIND_OF_EDGE.get(level.right_edge[y][x]) == kind:
                start = y
                while y + 1 < level.H and KIND_OF_EDGE.get(level.right_edge[y + 1][x]) == kind:
                    y += 1
                runs.append(("right", x, start, y, [level.right_edge[i][x] for i in range(start, y + 1)]))
            y += 1
    return runs


def _jag(img, t, seed):
    """Breaks the top of a burnt wall into a jagged, sooty edge."""
    r = lp.rng(seed)
    d = ImageDraw.Draw(img)
    x = 0
    while x < img.width:
        w = int(r.integers(5, 14))
        depth = int(r.integers(0, 16))
        if depth > 3:
            d.polygon([(x, 0), (x + w, 0), (x + w // 2, depth)], fill=(0, 0, 0, 0))
        x += w
    for _ in range(img.width // 3):
        x, y = int(r.integers(0, img.width)), int(r.integers(t, img.height))
        d.point((x, y), fill=(24, 20, 22, 255))


def _face_detail(d, kind, x0, y0, x1, y1, chars, seed):
    """Texture of a wall's front face: bricks, pickets, leaves or plaster with windows."""
    r = lp.rng(seed)
    if kind == "high":
        for row, y in enumerate(range(y0, y1, 5)):
            d.line([(x0, y), (x1, y)], fill=(84, 48, 44, 255))
            for x in range(x0 + (row % 2) * 6, x1, 12):
                d.line([(x, y), (x, min(y1, y + 5))], fill=(84, 48, 44, 255))
    elif kind == "fence":
        for x in range(x0 + 1, x1, 6):
            d.rectangle([x, y0 - 3, x + 3, y1], fill=(158, 150, 136, 255), outline=(70, 64, 64, 255))
        d.rectangle([x0, y0 + 5, x1, y0 + 7], fill=(120, 112, 100, 255))
        d.rectangle([x0, y1 - 7, x1, y1 - 5], fill=(120, 112, 100, 255))
    elif kind == "railing":
        for x in range(x0 + 2, x1, 5):
            d.line([(x, y0 - 2), (x, y1)], fill=(70, 74, 86, 255), width=2)
        d.rectangle([x0, y0 + 2, x1, y0 + 4], fill=(150, 156, 168, 255))
    elif kind == "hedge":
        for _ in range(max(4, (x1 - x0) * (y1 - y0) // 12)):
            x, y = int(r.integers(x0, x1 + 1)), int(r.integers(y0 - 6, y1))
            c = lp.shade((54, 92, 56), 0.6 + 0.7 * float(r.random()))
            d.ellipse([x - 3, y - 3, x + 3, y + 3], fill=c + (255,))
    else:
        for i, ch in enumerate(chars):
            if ch == "w":
                wx = x0 + i * CW + 8
                d.rectangle([wx, y0 + 6, wx + CW - 16, y1 - 8], fill=(96, 118, 150, 255), outline=(230, 226, 210, 255))


def _roofed(level, side, fixed, a, b):
    """Whether a wall run belongs to a roofed building (else it is a burnt-out ruin)."""
    for _, x0, y0, x1, y1, _, _ in level.buildings:
        if side == "top" and y0 <= fixed <= y1 + 1 and x0 <= a and b <= x1:
            return True
        if side == "right" and x0 - 1 <= fixed <= x1 and y0 <= a and b <= y1:
            return True
    return False


def edge_pieces(level, seed=300):
    """Every wall, fence, hedge, high wall and railing run as one piece each."""
    pieces = []
    for look in ("wall", "fence", "hedge", "high", "railing"):
        for n, (side, fixed, a, b, chars) in enumerate(_runs(level, look)):
            kind = look if look != "wall" or _roofed(level, side, fixed, a, b) else "ruin"
            z, t, top, face = EDGE_LOOK[kind]
            s = seed + 31 * n + len(kind)
            if side == "top":
                X0, X1 = a * CW - t // 2, (b + 1) * CW + t // 2
                base = fixed * CH + t // 3
                img, d = lp.layer(X1 - X0, z + t)
                _box(d, 0, 0, X1 - X0, t - t // 3 if kind != "hedge" else 6, z, top, face)
                if kind == "ruin":
                    _jag(img, t, s)
                _face_detail(d, kind, 0, t - t // 3, X1 - X0 - 1, z + t - 1, chars, s)
                p = Piece(img, X0, base - z - t + 1, base + 1, name=kind)
                p.shadows.append([(X1, base - t), (X1 + z // 2, base - t), (X1 + z // 2, base), (X1, base)])
            else:
                X = (fixed + 1) * CW
                top_y, bottom = a * CH - t // 2, (b + 1) * CH + t // 3
                img, d = lp.layer(t, bottom - top_y + z)
                d.rectangle([0, 0, t - 1, bottom - top_y], fill=top + (255,))
                lp.gradient_rect(d, (0, bottom - top_y, t - 1, bottom - top_y + z - 1), face, lp.shade(face, 0.7))
                d.rectangle([0, 0, t - 1, bottom - top_y + z - 1], outline=INK + (255,))
                d.line([(1, 1), (1, bottom - top_y - 1)], fill=lp.mix(top, RIM, 0.4) + (255,))
                if kind == "hedge":
                    _face_detail(d, kind, 0, 4, t - 1, bottom - top_y + z - 1, chars, s)
                elif kind == "fence":
                    for y in range(4, bottom - top_y, 7):
                        d.rectangle([0, y, t - 1, y + 2], fill=(160, 152, 138, 255), outline=(70, 64, 64, 255))
                p = Piece(img, X - t // 2, top_y - z, bottom, name=kind)
                p.shadows.append([(X, a * CH), (X + z // 2 + 4, a * CH), (X + z // 2 + 4, bottom), (X, bottom)])
            pieces.append(p)
    return pieces


RAISED_LOOK = {
    "dock": ((116, 118, 126), (84, 84, 94)),
    "mound": ((58, 88, 56), (84, 66, 52)),
    "porch": ((140, 100, 68), (100, 70, 50)),
}


def raised_piece(kind, cells, seed):
    """A raised platform (dock, mound, porch): its top 22 pixels up and the face below its front row."""
    x0, x1 = min(c[0] for c in cells), max(c[0] for c in cells)
    y0, y1 = min(c[1] for c in cells), max(c[1] for c in cells)
    assert len(cells) == (x1 - x0 + 1) * (y1 - y0 + 1), "raised ground must be a rectangle"
    top, face = RAISED_LOOK[kind]
    w, h = (x1 - x0 + 1) * CW, (y1 - y0 + 1) * CH + RAISED
    img, d = lp.layer(w, h)
    th = (y1 - y0 + 1) * CH
    if kind == "mound":
        d.rounded_rectangle([0, 0, w - 1, h - 1], 14, fill=face + (255,))
        d.rounded_rectangle([0, 0, w - 1, th + 4], 14, fill=top + (255,))
        lp.grain(img, 0.5, seed, 3)
    else:
        d.rectangle([0, 0, w - 1, th - 1], fill=top + (255,))
        lp.gradient_rect(d, (0, th, w - 1, h - 1), face, lp.shade(face, 0.65))
        if kind == "porch":
            for y in range(0, th, 5):
                d.line([(0, y), (w - 1, y)], fill=lp.shade(top, 0.7) + (255,))
            for x in range(4, w, 12):
                d.line([(x, th + 2), (x, h - 2)], fill=lp.shade(face, 0.6) + (255,))
        else:
            for x in range(0, w, 12):
                d.polygon([(x, th), (x + 6, th), (x + 2, th + 5), (x - 4, th + 5)], fill=(200, 170, 60, 255))
            for x in range(0, w, CW):
                d.line([(x, 0), (x, th - 1)], fill=lp.shade(top, 0.8) + (255,))
            lp.grain(img, 0.25, seed, 2)
        d.rectangle([0, 0, w - 1, h - 1], outline=INK + (255,))
        d.line([(0, th), (w - 1, th)], fill=lp.shade(top, 1.2) + (255,))
    p = Piece(img, x0 * CW, y0 * CH - RAISED, (y1 + 1) * CH, top_row=y0, name=kind)
    p.shadows.append([((x1 + 1) * CW, y0 * CH), ((x1 + 1) * CW + 14, y0 * CH),
                      ((x1 + 1) * CW + 14, (y1 + 1) * CH), ((x1 + 1) * CW, (y1 + 1) * CH)])
    return p


ROOF_LOOK = {
    "red": ((132, 62, 52), (96, 44, 40)),
    "slate": ((78, 86, 108), (56, 62, 82)),
    "green": ((66, 94, 78), (46, 68, 58)),
    "tar": ((70, 68, 76), (52, 50, 58)),
    "tin": ((112, 116, 124), (84, 88, 98)),
}
SIDING = {"red": (176, 160, 134), "slate": (150, 150, 160), "green": (170, 156, 128),
          "tar": (140, 120, 100), "tin": (120, 124, 130)}


def building_piece(level, name, x0, y0, x1, y1, colour, lit, seed):
    """A building's roof with its front wall below: a hiding piece drawn after everyone inside."""
    r = lp.rng(seed)
    over = 6
    left, right = x0 * CW - over, (x1 + 1) * CW + over
    front = (y1 + 1) * CH + 2
    back = y0 * CH
    flat = colour in ("tar",)
    ridge_rise = 0 if flat else 34
    top_y = back - HOUSE_WALL - ridge_rise - over
    w, h = right - left, front - top_y
    img, d = lp.layer(w, h + 1)
    ox, oy = -left, -top_y
    eave = front - HOUSE_WALL
    roof, dark = ROOF_LOOK[colour]
    siding = SIDING[colour]
    # front wall with windows and doors
    wall_box = (x0 * CW + ox, eave + oy, (x1 + 1) * CW - 1 + ox, front + oy)
    lp.gradient_rect(d, wall_box, siding, lp.shade(siding, 0.62))
    for y in range(wall_box[1] + 4, wall_box[3], 5):
        d.line([(wall_box[0], y), (wall_box[2], y)], fill=lp.shade(siding, 0.78) + (255,))
    d.line([(wall_box[0] + 1, wall_box[1]), (wall_box[0] + 1, wall_box[3])], fill=lp.mix(siding, RIM, 0.5) + (255,))
    for x in range(x0, x1 + 1):
        e = level.top_edge[y1 + 1][x] if y1 + 1 < level.H else "-"
        cx0 = x * CW + ox
        if e == "w":
            glass = (250, 200, 110) if lit else (40, 46, 66)
            d.rectangle([cx0 + 8, eave + oy + 14, cx0 + CW - 9, eave + oy + 36], fill=glass + (255,),
                        outline=(232, 226, 210, 255), width=2)
            d.line([(cx0 + CW // 2, eave + oy + 14), (cx0 + CW // 2, eave + oy + 36)], fill=(232, 226, 210, 255))
            if not lit and r.random() < 0.6:
                for k in range(3):
                    yy = eave + oy + 17 + 7 * k
                    d.line([(cx0 + 6, yy), (cx0 + CW - 7, yy + 2)], fill=(112, 84, 58, 255), width=3)
        elif e in ("o", " "):
            d.rectangle([cx0 + 7, eave + oy + 12, cx0 + CW - 8, front + oy - 1], fill=(26, 20, 24, 255),
                        outline=(120, 90, 70, 255), width=2)
            d.rectangle([cx0 + 10, eave + oy + 15, cx0 + CW - 11, front + oy - 1], fill=(48, 34, 34, 255))
    # roof
    if flat:
        d.rectangle([ox + left, oy + top_y, ox + right - 1, oy + eave + 2], fill=roof + (255,), outline=INK + (255,))
        d.rectangle([ox + left, oy + eave - 3, ox + right - 1, oy + eave + 2], fill=lp.shade(roof, 1.3) + (255,))
        for k in range(2):
            bx = ox + left + 30 + k * (w // 2)
            _box(d, bx, oy + top_y + 24, 28, 14, 12, (150, 152, 160), (110, 112, 122))
    else:
        ridge = (back + front) // 2 - HOUSE_WALL - ridge_rise
        back_eave = back - HOUSE_WALL - over
        d.polygon([(ox + left, oy + back_eave), (ox + right - 1, oy + back_eave), (ox + right - 1, oy + ridge),
                   (ox + left, oy + ridge)], fill=dark + (255,))
        d.polygon([(ox + left, oy + ridge), (ox + right - 1, oy + ridge), (ox + right - 1, oy + eave + 3),
                   (ox + left, oy + eave + 3)], fill=roof + (255,))
        for y in range(ridge + 6, eave + 3, 6):
            d.line([(ox + left, oy + y), (ox + right - 1, oy + y)], fill=lp.shade(roof, 0.75) + (255,))
            off = (y // 6) % 2 * 7
            for x in range(left + off, right, 14):
                d.line([(ox + x, oy + y - 5), (ox + x, oy + y)], fill=lp.shade(roof, 0.82) + (255,))
        d.line([(ox + left, oy + ridge), (ox + right - 1, oy + ridge)], fill=lp.shade(roof, 1.35) + (255,), width=3)
        d.line([(ox + left, oy + eave + 3), (ox + right - 1, oy + eave + 3)], fill=lp.shade(roof, 0.5) + (255,), width=2)
        d.line([(ox + left + 1, oy + ridge), (ox + left + 1, oy + eave + 2)], fill=lp.mix(roof, RIM, 0.5) + (255,))
        d.rectangle([ox + left, oy + back_eave, ox + right - 1, oy + eave + 3], outline=INK + (255,))
        if colour != "tin":
            cx = ox + left + 24 + int(r.integers(0, max(1, w - 60)))
            _box(d, cx, oy + ridge - 18, 14, 6, 20, (150, 80, 64), (118, 58, 48))
    lp.grain(img, 0.18, seed, 2)
    # Drawn after the building's own walls, which share its front line.
    p = Piece(img, left, top_y, front + 3, hide=True, name=name)
    p.shadows.append([((x1 + 1) * CW, back), ((x1 + 1) * CW + 40, back), ((x1 + 1) * CW + 40, front),
                      ((x1 + 1) * CW, front)])
    if lit:
        for x in range(x0, x1 + 1):
            if y1 + 1 < level.H and level.top_edge[y1 + 1][x] == "w":
                p.lights.append((x * CW + CW // 2, front + 12, 26, 16, 0.7))
    return p
