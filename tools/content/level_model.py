"""Turns the town plan into the level's grids: floor types, barriers, ground kinds and standing objects."""

from collections import Counter

import level_plan

# Floor type of every cell character.
FLOOR = {}
for chars, floor in ((".,_;gE=tu", 0), ('%"~', 1), ("^np", 2), ("TCPLWBADX", 3), ("Kbckrwmdsxj", 4)):
    for ch in chars:
        FLOOR[ch] = floor

# Barrier type of every edge character.
BARRIER = {" ": 0, "o": 3, "-": 2, "|": 2, "f": 1, "h": 4, "H": 6, "w": 6, "r": 5}

# Ground painted under a cell (characters that stand for an object take their surroundings' ground).
GROUND_KINDS = ".,_;gE=tu%\"~W"

# Objects that cover several cells: each connected group of these characters is one object.
GROUPS = {"C": "car", "K": "car", "P": "getaway", "B": "bed", "W": "pond", "D": "dumpster",
          "d": "dumpster", "^": "dock", "n": "mound", "p": "porch"}


class Level:
    """The parsed plan: W x H cells, their floor types, barriers, ground and objects."""

    def __init__(self, plan=level_plan.PLAN, buildings=level_plan.BUILDINGS):
        lines = plan.split("\n")[1:-1]
        assert len(lines) % 2 == 0, "the plan needs two lines per row"
        self.H = len(lines) // 2
        self.W = max(len(line) for line in lines) // 2 + (max(len(line) for line in lines) % 2)
        lines = [line.ljust(2 * self.W) for line in lines]
        self.cell = [[lines[2 * y + 1][2 * x] for x in range(self.W)] for y in range(self.H)]
        self.right_edge = [[lines[2 * y + 1][2 * x + 1] for x in range(self.W)] for y in range(self.H)]
        self.top_edge = [[lines[2 * y][2 * x] for x in range(self.W)] for y in range(self.H)]
        for y in range(self.H):
            for x in range(self.W):
                assert self.cell[y][x] in FLOOR, "unknown cell %r at %d,%d" % (self.cell[y][x], x, y)
                for e in (self.right_edge[y][x], self.top_edge[y][x]):
                    assert e in BARRIER, "unknown edge %r at %d,%d" % (e, x, y)
        self.floor = [[FLOOR[c] for c in row] for row in self.cell]
        self.right = [[BARRIER[e] for e in row] for row in self.right_edge]
        self.top = [[BARRIER[e] for e in row] for row in self.top_edge]
        escapes = [(x, y) for y in range(self.H) for x in range(self.W) if self.cell[y][x] == "E"]
        assert len(escapes) == 1, "the plan needs exactly one escape cell"
        self.escape = escapes[0]
        self.spots = [(x, y) for y in range(self.H) for x in range(self.W) if self.floor[y][x] == 4]
        self.buildings = buildings
        self.ground = self._ground()
        self.groups = self._groups()

    def _ground(self):
        """Ground kind of every cell; object cells borrow the most common ground of their open neighbours."""
        ground = [[c if c in GROUND_KINDS and c != "E" else None for c in row] for row in self.cell]
        changed = True
        while changed:
            changed = False
            filled = [row[:] for row in ground]
            for y in range(self.H):
                for x in range(self.W):
                    if ground[y][x] is not None:
                        continue
                    around = Counter()
                    for nx, ny, barrier in self._neighbours(x, y):
                        if barrier in (0, 3) and ground[ny][nx] not in (None, "W"):
                            around[ground[ny][nx]] += 1
                    if around:
                        filled[y][x] = sorted(around.items(), key=lambda kv: (-kv[1], kv[0]))[0][0]
                        changed = True
            ground = filled
        return ground

    def _neighbours(self, x, y):
        """The orthogonal neighbours of a cell with the barrier between: (x, y, barrier)."""
        if y > 0:
            yield x, y - 1, self.top[y][x]
        if x + 1 < self.W:
            yield x + 1, y, self.right[y][x]
        if y + 1 < self.H:
            yield x, y + 1, self.top[y + 1][x]
        if x > 0:
            yield x - 1, y, self.right[y][x - 1]

    def _groups(self):
        """Connected groups of multi-cell objects: list of (kind, sorted cell list)."""
        seen = set()
        groups = []
        for y in range(self.H):
            for x in range(self.W):
                kind = GROUPS.get(self.cell[y][x])
                if kind is None or (x, y) in seen:
                    continue
                stack, cells = [(x, y)], []
                seen.add((x, y))
                while stack:
                    cx, cy = stack.pop()
                    cells.append((cx, cy))
                    for nx, ny in ((cx + 1, cy), (cx - 1, cy), (cx, cy + 1), (cx, cy - 1)):
                        if (0 <= nx < self.W and 0 <= ny < self.H and (nx, ny) not in seen
                                and GROUPS.get(self.cell[ny][nx]) == kind):
                            seen.add((nx, ny))
                            stack.append((nx, ny))
                groups.append((kind, sorted(cells, key=lambda c: (c[1], c[0]))))
        return groups

    def singles(self, chars):
        """Cells holding one of the given one-cell object characters, row by row."""
        return [(x, y) for y in range(self.H) for x in range(self.W) if self.cell[y][x] in chars]
