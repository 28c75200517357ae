"""Writes and reads the level file: sizes, escape cell, search spots, texture blocks and five grids."""

GRID_BASE = 40  # a grid character's code minus this is its value


def grid_text(values):
    """One grid token: each value as the character whose code is value + 40."""
    chars = []
    for v in values:
        code = v + GRID_BASE
        assert 33 <= code <= 126, "grid value %d has no printable character" % v
        chars.append(chr(code))
    return "".join(chars)


def write(path, level, cell_w, cell_h, textures, grids):
    """Writes the map file. textures: [(file, [(tx, ty, w, h, x, y), ...])]; grids: five lists of W*H ints."""
    lines = ["%d %d" % (level.W, level.H), "%d %d" % (cell_w, cell_h), "%d %d" % level.escape,
             str(len(level.spots))]
    lines += ["%d %d" % s for s in level.spots]
    lines.append(str(len(textures)))
    for name, records in textures:
        lines.append(name)
        lines.append(str(len(records)))
        lines += [" ".join(str(v) for v in rec) for rec in records]
    for g in grids:
        lines.append(grid_text(g))
    with open(path, "w", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


def read(path):
    """Parses a map file back into a dict (the same token rules as the game: white space separates)."""
    tokens = open(path).read().split()
    pos = [0]

    def nxt():
        pos[0] += 1
        return tokens[pos[0] - 1]

    m = {"W": int(nxt()), "H": int(nxt()), "CW": int(nxt()), "CH": int(nxt())}
    m["escape"] = (int(nxt()), int(nxt()))
    m["spots"] = [(int(nxt()), int(nxt())) for _ in range(int(nxt()))]
    m["textures"] = []
    for _ in range(int(nxt())):
        name = nxt()
        records = [tuple(int(nxt()) for _ in range(6)) for _ in range(int(nxt()))]
        m["textures"].append((name, records))
    m["grids"] = []
    for _ in range(5):
        token = nxt()
        m["grids"].append([ord(c) - GRID_BASE for c in token])
    assert pos[0] == len(tokens), "tokens left over at the end of the map file"
    return m
