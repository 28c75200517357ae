"""Joint positions of a figure for every pose column, seen from the front, the back or the side."""

# Sheet columns.
STAND, STEP_A, STEP_B, CLIMB, STRIKE, HURT, FIRE_ONE, FIRE_TWO, USE = range(9)

# Standing, frame pixels (feet at y = 77). Front and back views share joints; "l" is screen-left.
FRONT = {
    "head": (29.0, 25.0), "neck": (29.0, 32.0),
    "sh_l": (22.0, 35.5), "sh_r": (36.0, 35.5),
    "el_l": (20.2, 44.5), "el_r": (37.8, 44.5),
    "ha_l": (20.6, 52.5), "ha_r": (37.4, 52.5),
    "hip_l": (25.6, 53.5), "hip_r": (32.4, 53.5),
    "kn_l": (25.4, 64.0), "kn_r": (32.6, 64.0),
    "ft_l": (25.2, 74.0), "ft_r": (32.8, 74.0),
    "chest": (29.0, 34.0), "waist": (29.0, 54.0), "lean": 0.0,
}
# Facing right; "l" is the far side, "r" the near side.
SIDE = {
    "head": (30.0, 25.0), "neck": (29.5, 32.0),
    "sh_l": (28.4, 35.5), "sh_r": (29.6, 35.5),
    "el_l": (28.0, 44.5), "el_r": (29.4, 44.8),
    "ha_l": (29.4, 52.5), "ha_r": (30.6, 52.8),
    "hip_l": (28.6, 53.5), "hip_r": (29.6, 53.5),
    "kn_l": (28.9, 64.0), "kn_r": (30.0, 64.0),
    "ft_l": (28.4, 74.0), "ft_r": (29.6, 74.0),
    "chest": (29.5, 34.0), "waist": (29.2, 54.0), "lean": 0.0,
}

UPPER = ("head", "neck", "sh_l", "sh_r", "el_l", "el_r", "ha_l", "ha_r", "chest")


def _move(j, names, dx, dy):
    for n in names:
        x, y = j[n]
        j[n] = (x + dx, y + dy)


def _front(j, col, back):
    """Front and back views; back mirrors the sense of forward (the figure faces away)."""
    if col in (STEP_A, STEP_B):
        s = 1 if col == STEP_A else -1
        lift, other = ("l", "r") if s == 1 else ("r", "l")
        _move(j, ["kn_" + lift], 0, -2.6)
        _move(j, ["ft_" + lift], 0, -3.6)
        _move(j, ["kn_" + other], 0, 0.4)
        _move(j, ["ha_" + other], 0.6 * s, -1.6)
        _move(j, ["ha_" + lift], 0, 1.0)
        _move(j, UPPER + ("hip_l", "hip_r", "waist"), 0, -0.7)
    elif col == CLIMB:
        j.update({"el_l": (19.0, 27.0), "el_r": (39.0, 27.0), "ha_l": (21.0, 17.0), "ha_r": (37.0, 17.0)})
        _move(j, ["kn_l"], -0.5, -6.0)
        _move(j, ["ft_l"], -0.5, -8.0)
        _move(j, UPPER + ("hip_l", "hip_r", "waist"), 0, -1.5)
    elif col == STRIKE:
        j.update({"el_r": (41.0, 29.0), "ha_r": (40.0, 19.5), "el_l": (22.5, 43.0), "ha_l": (26.0, 48.0)})
    elif col == HURT:
        j.update({"el_l": (16.5, 40.0), "ha_l": (13.5, 44.0), "el_r": (41.5, 40.0), "ha_r": (44.5, 44.0)})
        _move(j, ["head"], 1.2, -1.5 if not back else 0.8)
        _move(j, UPPER, 0, -0.8)
    elif col == FIRE_ONE:
        if back:
            j.update({"el_l": (23.0, 42.0), "el_r": (35.0, 42.0), "ha_l": (27.0, 38.0), "ha_r": (31.0, 38.0)})
        else:
            j.update({"el_l": (23.0, 44.0), "el_r": (35.0, 44.0), "ha_l": (27.5, 46.0), "ha_r": (30.5, 46.0)})
    elif col == FIRE_TWO:
        if back:
            j.update({"el_l": (24.0, 41.0), "el_r": (38.0, 42.0), "ha_l": (31.0, 36.0), "ha_r": (36.0, 38.0)})
        else:
            j.update({"el_l": (23.0, 44.0), "el_r": (36.5, 43.5), "ha_l": (27.0, 47.5), "ha_r": (33.0, 41.0)})
    elif col == USE:
        _move(j, UPPER + ("hip_l", "hip_r", "waist"), 0, 5.0)
        j.update({"kn_l": (22.5, 66.5), "kn_r": (35.5, 66.5)})
        if back:
            j.update({"el_l": (23.0, 48.0), "el_r": (35.0, 48.0), "ha_l": (26.0, 46.0), "ha_r": (32.0, 46.0)})
        else:
            j.update({"el_l": (22.0, 49.5), "el_r": (36.0, 49.5), "ha_l": (25.5, 58.5), "ha_r": (32.5, 58.5)})


def _side(j, col):
    if col in (STEP_A, STEP_B):
        near, far = ("r", "l") if col == STEP_A else ("l", "r")
        j["kn_" + near] = (32.6, 63.2)
        j["ft_" + near] = (35.2, 73.6)
        j["kn_" + far] = (27.4, 64.2)
        j["ft_" + far] = (22.8, 72.6)
        j["el_" + near], j["ha_" + near] = (27.0, 44.2), (24.6, 51.6)
        j["el_" + far], j["ha_" + far] = (31.0, 44.2), (34.4, 51.2)
        _move(j, UPPER + ("hip_l", "hip_r", "waist"), 0, -0.8)
    elif col == CLIMB:
        j.update({"el_l": (33.0, 30.0), "ha_l": (36.0, 21.5), "el_r": (34.5, 31.0), "ha_r": (38.0, 23.0)})
        j.update({"kn_r": (35.0, 58.5), "ft_r": (34.0, 67.0)})
        _move(j, UPPER + ("hip_l", "hip_r", "waist"), 0.5, -1.0)
    elif col == STRIKE:
        _move(j, UPPER, 1.5, 0.5)
        j.update({"el_r": (37.0, 36.0), "ha_r": (43.5, 35.0), "el_l": (26.5, 43.0), "ha_l": (24.0, 49.5)})
        j.update({"kn_r": (33.0, 63.5), "ft_r": (35.0, 74.0), "kn_l": (27.0, 64.0), "ft_l": (24.0, 74.0)})
    elif col == HURT:
        _move(j, ["head"], -3.0, 0.5)
        _move(j, UPPER[1:], -1.5, 0.3)
        j.update({"el_r": (33.5, 40.0), "ha_r": (38.0, 44.0), "el_l": (24.0, 40.0), "ha_l": (21.0, 45.0)})
    elif col == FIRE_ONE:
        j.update({"el_r": (34.5, 36.5), "ha_r": (40.0, 36.5), "el_l": (33.0, 38.0), "ha_l": (39.0, 37.5)})
    elif col == FIRE_TWO:
        j.update({"el_r": (30.5, 42.0), "ha_r": (36.0, 38.5), "el_l": (36.0, 39.5), "ha_l": (41.0, 37.5)})
    elif col == USE:
        _move(j, UPPER, 2.5, 5.5)
        _move(j, ["hip_l", "hip_r", "waist"], 0, 5.0)
        j.update({"kn_r": (35.0, 64.0), "kn_l": (33.5, 64.5), "ft_r": (30.0, 74.0), "ft_l": (28.5, 74.0)})
        j.update({"el_r": (35.0, 47.5), "ha_r": (39.5, 55.0), "el_l": (33.5, 47.0), "ha_l": (38.0, 54.5)})


def _zombie(j, view, col):
    """Hunched, head pushed forward, arms reaching out."""
    if view == "side":
        _move(j, ["head"], 3.6, 3.5)
        _move(j, ["neck", "chest", "sh_l", "sh_r"], 1.6, 1.6)
        if col in (STAND, STEP_A, STEP_B, STRIKE):
            reach = 4.0 if col == STRIKE else 0.0
            j.update({"el_r": (35.0 + reach / 2, 39.5), "ha_r": (41.5 + reach, 40.0),
                      "el_l": (34.0 + reach / 2, 40.5), "ha_l": (40.0 + reach, 41.5)})
    else:
        _move(j, ["head"], 0, 3.2 if view == "front" else 1.6)
        _move(j, ["sh_l", "sh_r"], 0, -0.8)
        if col in (STAND, STEP_A, STEP_B, STRIKE):
            lift = -3.0 if col == STRIKE else 0.0
            j.update({"el_l": (21.5, 41.5 + lift), "ha_l": (24.0, 44.0 + lift),
                      "el_r": (36.5, 41.5 + lift), "ha_r": (34.0, 44.0 + lift)})
    if col in (STEP_A, STEP_B):  # a dragging shuffle instead of a stride
        for n in ("ft_l", "ft_r", "kn_l", "kn_r"):
            x, y = j[n]
            j[n] = (29 + (x - 29) * 0.7, y + 0.8)


def joints(view, col, zombie=False):
    """Joint positions for view "front", "back" or "side" (facing right) and a sheet column."""
    j = dict(SIDE if view == "side" else FRONT)
    if view == "side":
        _side(j, col)
    else:
        _front(j, col, view == "back")
    if zombie:
        _zombie(j, view, col)
    return j
