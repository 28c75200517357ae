"""Gathers the level's pieces and decides which cell draws each one and which cells fade it."""

import numpy as np

import layout
import level_build
import level_props
from level_piece import composite

CW, CH = layout.CELL_W, layout.CELL_H
# A figure's body inside its cell: columns from the cell's left edge, and the foot line below its top.
BODY_X0, BODY_X1 = 5, 31
FEET = layout.FEET_Y + layout.FIGURE_DY  # 17: where a figure's feet touch its cell, below its top
BODY_H = 64
# Grid values are single printable characters: code - 40 may be at most 126 - 40.
MAX_SPRITES = 87

PROPS = {"b": level_props.bin_, "c": level_props.crates, "k": level_props.cupboard, "r": level_props.fridge,
         "w": level_props.wardrobe, "m": level_props.mailbox, "s": level_props.shelf, "x": level_props.workbench,
         "j": level_props.junk, "X": level_props.drums, "A": level_props.table, "L": level_props.lamp,
         "T": level_props.tree}


def gather(level):
    """Every piece of the level (props, groups, edges, raised ground, buildings)."""
    pieces = []
    for n, (x, y) in enumerate(level.singles("".join(PROPS))):
        pieces.append(PROPS[level.cell[y][x]](x, y, 7 * x + 13 * y + n))
    for n, (kind, cells) in enumerate(level.groups):
        seed = 11 * n + cells[0][0]
        if kind == "car":
            boots = [c for c in cells if level.cell[c[1]][c[0]] == "K"]
            pieces.append(level_props.car(cells, seed, boot=boots[0] if boots else None))
        elif kind == "getaway":
            pieces.append(level_props.car(cells, seed, getaway=True))
        elif kind == "bed":
            pieces.append(level_props.bed(cells, seed))
        elif kind == "dumpster":
            pieces.append(level_props.dumpster(cells, seed))
        elif kind in ("dock", "mound", "porch"):
            pieces.append(level_build.raised_piece(kind, cells, seed))
    pieces.extend(level_build.edge_pieces(level))
    for n, (name, x0, y0, x1, y1, colour, lit) in enumerate(level.buildings):
        pieces.append(level_build.building_piece(level, name, x0, y0, x1, y1, colour, lit, 500 + n))
    return pieces


def drawing_row(level, piece):
    """Row whose cells draw the piece: the row holding its front line (raised ground: its first row)."""
    if piece.top_row is not None:
        return piece.top_row
    return max(0, min(level.H - 1, (piece.depth - 1) // CH))


def first_overlapped_column(piece):
    """The first column whose standing figure would overlap the piece."""
    return max(0, (piece.x - BODY_X1) // CW + 1)


def _clusters(pieces, gap):
    """Splits a row's plain pieces into groups separated by at least `gap` empty pixels."""
    pieces = sorted(pieces, key=lambda p: p.x)
    groups, right = [], None
    for p in pieces:
        if right is None or p.x - right > gap:
            groups.append([p])
        else:
            groups[-1].append(p)
        right = max(right or 0, p.x + p.img.width)
    return groups


def arrange(level, pieces):
    """Merges plain pieces row by row and names a drawing cell for each sprite.

    Returns (sprites, decoration, warnings): the pieces to become sprites, a map from drawing cell index to
    a position in that list, and notes on pieces that could not be drawn in depth order. Cell 0 is left
    to the ground, which the caller adds as sprite 0.
    """
    rows = {}
    for p in pieces:
        rows.setdefault(drawing_row(level, p), []).append(p)
    hides = sum(1 for p in pieces if p.hide)
    groups = {}
    for r, ps in rows.items():
        groups[r] = _clusters([p for p in ps if not p.hide], 3 * CW)
    budget = MAX_SPRITES - 1 - hides

    def count():
        return sum(len(g) for g in groups.values())

    while count() > budget:
        best = None
        for r, gs in groups.items():
            for i in range(len(gs) - 1):
                a_right = max(p.x + p.img.width for p in gs[i])
                b_left = min(p.x for p in gs[i + 1])
                if best is None or b_left - a_right < best[0]:
                    best = (b_left - a_right, r, i)
        _, r, i = best
        groups[r][i:i + 2] = [groups[r][i] + groups[r][i + 1]]
    sprites, decoration, warnings = [], {}, []
    for r in sorted(rows):
        items = [composite(g, "row%d" % r) if len(g) > 1 else g[0] for g in groups[r]]
        items += [p for p in rows[r] if p.hide]
        items.sort(key=lambda p: (p.depth, p.hide, p.x))
        used = {0} if r == 0 else set()
        prev = 0
        for p in items:
            limit = first_overlapped_column(p)
            c = prev
            while c in used:
                c += 1
            if c > limit or c >= level.W:
                free = [k for k in range(min(limit, level.W - 1), -1, -1) if k not in used]
                if not free:
                    raise AssertionError("no free drawing cell in row %d" % r)
                c = free[0]
                warnings.append("row %d: %s drawn before a piece behind it" % (r, p.name))
            used.add(c)
            prev = c
            decoration[r * level.W + c] = len(sprites)
            sprites.append(p)
    return sprites, decoration, warnings


def hiding(level, sprites, decoration):
    """For every cell, the hiding sprite that covers a figure standing there most (or None)."""
    best = {}
    named = {s: cell for cell, s in decoration.items()}
    for s, p in enumerate(sprites):
        if not p.hide:
            continue
        alpha = np.asarray(p.img)[..., 3] > 128
        for y in range(level.H):
            for x in range(level.W):
                if y * level.W + x >= named[s]:
                    break
                lift = -layout.RAISED_H if level.floor[y][x] == 2 else 0
                bx0, bx1 = x * CW + BODY_X0 - p.x, x * CW + BODY_X1 - p.x
                by1 = y * CH + FEET + lift - p.y
                by0 = by1 - BODY_H
                cx0, cx1 = max(0, bx0), min(p.img.width, bx1)
                cy0, cy1 = max(0, by0), min(p.img.height, by1)
                if cx0 >= cx1 or cy0 >= cy1:
                    continue
                cover = alpha[cy0:cy1, cx0:cx1].sum() / float((bx1 - bx0) * (by1 - by0))
                if cover >= 0.3 and cover > best.get((x, y), (0, None))[0]:
                    best[(x, y)] = (cover, s)
    return {cell: s for cell, (_, s) in best.items()}
