"""Checks a written level file against the game's rules: spots, sprite indices, reachability, open border."""

from collections import deque

from PIL import Image

import level_file

UP, RIGHT, DOWN, LEFT = 1, 2, 3, 4


def member_step_cost(m, x, y, d, gymnast=False, allow_spot=False):
    """Cost for a team member to step from (x, y) in direction d, or -1 (the game's rules, no figures)."""
    W, H = m["W"], m["H"]
    floor, right, top = m["grids"][0], m["grids"][1], m["grids"][2]
    if (d == UP and y == 0) or (d == RIGHT and x == W - 1) or (d == DOWN and y == H - 1) or (d == LEFT and x == 0):
        return -1
    tx, ty = x + (d == RIGHT) - (d == LEFT), y + (d == DOWN) - (d == UP)
    here, there = y * W + x, ty * W + tx
    barrier = {UP: top[here], RIGHT: right[here], DOWN: top[there], LEFT: right[there]}[d]
    if barrier in (0, 3):
        f = floor[there]
        if f == 0:
            return 1
        if f in (1, 2):
            return 3
        if f == 4 and allow_spot:
            return 0
        return -1
    if barrier in (1, 4):
        return 3
    if barrier in (5, 6):
        return 3 if gymnast else -1
    return -1


def reachable(m, gymnast=False, sources=None):
    """Cells an ordinary member (or a gymnast) can reach from `sources` (default: any edge cell), with their
    least cost."""
    W, H = m["W"], m["H"]
    dist = {}
    queue = deque()
    if sources is None:
        sources = [(x, y) for y in range(H) for x in range(W)
                   if (x in (0, W - 1) or y in (0, H - 1)) and m["grids"][0][y * W + x] in (0, 1, 2)]
    for s in sources:
        dist[s] = 0
        queue.append(s)
    while queue:
        x, y = queue.popleft()
        for d in (UP, RIGHT, DOWN, LEFT):
            c = member_step_cost(m, x, y, d, gymnast)
            if c < 0:
                continue
            n = (x + (d == RIGHT) - (d == LEFT), y + (d == DOWN) - (d == UP))
            if n not in dist or dist[n] > dist[(x, y)] + c:
                dist[n] = dist[(x, y)] + c
                queue.append(n)
    return dist


def check(path, root):
    """Asserts the level file is sound; returns a short report of what it holds."""
    m = level_file.read(path)
    W, H = m["W"], m["H"]
    assert W >= 40 and H >= 30 and W * H < 32768
    floor = m["grids"][0]
    for g in m["grids"]:
        assert len(g) == W * H
    assert all(0 <= f <= 4 for f in floor)
    for g in m["grids"][1:3]:
        assert all(v in (0, 1, 2, 3, 4, 5, 6) for v in g)
    spots = [(i % W, i // W) for i in range(W * H) if floor[i] == 4]
    assert m["spots"] == spots, "search-spot list must name the floor-4 cells in row-major order"
    assert 15 <= len(spots) <= 30
    count = 0
    for name, records in m["textures"]:
        tw, th = Image.open(root + "/" + name).size
        assert tw <= 2048 and th <= 2048
        for tx, ty, w, h, x, y in records:
            assert 0 <= tx and 0 <= ty and tx + w <= tw and ty + h <= th, "sprite outside " + name
        count += len(records)
    for g in m["grids"][3:5]:
        assert all(-1 <= v < count for v in g), "a grid names a sprite that does not exist"
    ex, ey = m["escape"]
    assert floor[ey * W + ex] == 0
    plain = reachable(m)
    assert (ex, ey) in plain, "the escape cell cannot be reached from the edge"
    anybody = reachable(m, gymnast=True)
    for sx, sy in spots:
        ok = False
        for d in (UP, RIGHT, DOWN, LEFT):
            n = (sx - (d == RIGHT) + (d == LEFT), sy - (d == DOWN) + (d == UP))
            if n in anybody and member_step_cost(m, n[0], n[1], d, True, True) >= 0:
                ok = True
        assert ok, "search spot %d,%d cannot be reached by anybody" % (sx, sy)
    # A low barrier lets a member into any floor: keep fences and hedges away from blocked cells.
    bad = []
    for y in range(H):
        for x in range(W):
            i = y * W + x
            if m["grids"][1][i] in (1, 4) and x + 1 < W and (floor[i] > 2 or floor[i + 1] > 2):
                bad.append("right of %d,%d" % (x, y))
            if m["grids"][2][i] in (1, 4) and y > 0 and (floor[i] > 2 or floor[i - W] > 2):
                bad.append("top of %d,%d" % (x, y))
    assert not bad, "low barrier beside a blocked cell: " + ", ".join(bad)
    edge = [(x, y) for y in range(H) for x in range(W) if x in (0, W - 1) or y in (0, H - 1)]
    open_edge = sum(1 for x, y in edge if floor[y * W + x] == 0)
    assert open_edge >= 0.9 * len(edge), "the border must be mostly open ground"
    assert all(floor[y * W + x] <= 2 for x, y in edge), "members start on edge cells: each must be enterable"
    # Barriers stop both ways and every open floor can be entered, so what the escape reaches reaches it.
    back = reachable(m, sources=[(ex, ey)])
    cut = [(x, y) for x, y in edge if (x, y) not in back]
    assert not cut, "edge cells from which the escape cannot be reached: %s" % cut
    near = [(x, y) for x, y in edge if max(abs(x - ex), abs(y - ey)) < 12]
    assert not near, "edge cells closer than 12 cells to the escape: %s" % near
    far = sum(1 for x, y in edge if abs(x - ex) + abs(y - ey) > 12)
    return {"size": (W, H), "cell": (m["CW"], m["CH"]), "spots": len(spots), "sprites": count,
            "escape": (ex, ey), "escape_cost": plain[(ex, ey)], "edge_far": far / float(len(edge))}

