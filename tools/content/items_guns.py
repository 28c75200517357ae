"""Item pictures of the firearms, the bow and the crossbow."""
from art import Shape
from items_common import (BLACK, BRASS, DARK_STEEL, DARK_WOOD, GUNMETAL, ORANGE, RUBBER, STEEL, WHITE, WOOD,
                          YELLOW, Frame, detail, finish, metal, new, plastic, wood)


def _trigger(l, f, x, y, r=5.0):
    metal(l, f.ellipse(x, y + r * 0.6, r, r * 0.8).add(f.ellipse(x, y + r * 0.6, r - 1.8, r * 0.8 - 1.8,
                                                                  erase=True)), GUNMETAL, glint=0.2)


def item_32():
    """A flare gun."""
    l = new(80)
    f = Frame(32, 34, 0, 1.3)
    _trigger(l, f, -2, 1)
    plastic(l, f.poly([(-14, -2), (2, -2), (6, 2), (-2, 28), (-16, 28), (-17, 6)]), ORANGE)
    plastic(l, f.rect(-16, -16, 30, 0), ORANGE)
    plastic(l, f.rect(26, -17, 32, 1), (40, 38, 44))
    detail(l, f.circle(29, -8, 3.4), (20, 18, 22))
    plastic(l, f.rect(-20, -14, -14, -6), BLACK)
    for y in (10, 16, 22):
        detail(l, f.line([(-14, y), (-4, y)], 1.0), (170, 80, 24), 0.8)
    return finish(l)


def item_41():
    """A revolver."""
    l = new(80)
    f = Frame(32, 34, 0, 1.15)
    _trigger(l, f, -4, 2)
    wood(l, f.poly([(-14, 0), (-4, 0), (-2, 8), (-10, 30), (-24, 28), (-20, 6)]), DARK_WOOD)
    metal(l, f.rect(-16, -12, 6, 4))
    metal(l, f.rect(4, -11, 38, -4))
    metal(l, f.rect(8, -4, 30, -1), DARK_STEEL)
    metal(l, f.rect(35, -14, 38, -11))
    metal(l, f.ellipse(-5, -4, 8, 7.5), (150, 156, 170))
    for y in (-8, -4, 0):
        detail(l, f.line([(-11, y), (1, y)], 1.0), (80, 84, 96), 0.8)
    metal(l, f.poly([(-16, -12), (-22, -16), (-20, -10)]), DARK_STEEL)
    return finish(l)


def item_42():
    """A pistol."""
    l = new(80)
    f = Frame(36, 34, 0, 1.32)
    _trigger(l, f, 0, 2)
    plastic(l, f.poly([(-18, -2), (-6, -2), (-2, 4), (-8, 28), (-21, 27), (-20, 2)]), BLACK)
    for y in range(6, 26, 4):
        detail(l, f.line([(-18, y), (-8, y)], 0.8), (60, 60, 70), 0.7)
    plastic(l, f.rect(-14, -4, 24, 3), (40, 40, 48))
    metal(l, f.rect(-20, -15, 30, -3), GUNMETAL, glint=0.5)
    for x in range(-17, -8, 2):
        detail(l, f.line([(x, -13), (x, -5)], 0.7), (20, 20, 26), 0.8)
    detail(l, f.circle(28, -9, 1.6), (10, 10, 12))
    return finish(l)


def item_43():
    """A nail gun."""
    l = new(80)
    f = Frame(38, 36, 0, 1.3)
    plastic(l, f.poly([(-16, -4), (-4, -4), (2, 24), (-12, 24)]), BLACK)
    detail(l, f.rect(-12, 4, -4, 18), (70, 70, 80), 0.6)
    metal(l, f.poly([(-2, 2), (30, 2), (34, 12), (2, 12)]), (150, 156, 170))
    for x in range(2, 30, 3):
        detail(l, f.line([(x, 3), (x + 2, 11)], 0.8), (90, 94, 106))
    plastic(l, f.poly([(-22, -20), (24, -20), (28, -12), (24, -2), (-22, -2)]), YELLOW)
    plastic(l, f.rect(-22, -20, -10, -2), BLACK)
    metal(l, f.rect(24, -14, 36, -4))
    _trigger(l, f, -4, -2, 3.5)
    return finish(l)


def item_44():
    """A sawn-off shotgun."""
    l = new(80)
    f = Frame(40, 36, -8, 1.18)
    wood(l, f.poly([(-12, -6), (-28, 4), (-32, 22), (-20, 24), (-10, 6)]), WOOD)
    _trigger(l, f, -8, 3)
    metal(l, f.rect(-14, -12, 0, 5), DARK_STEEL)
    metal(l, f.line([(0, -8.5), (34, -8.5)], 5), (120, 124, 138))
    metal(l, f.line([(0, -3), (34, -3)], 5), (120, 124, 138))
    wood(l, f.rect(2, 0, 22, 5), WOOD)
    detail(l, f.circle(34, -8.5, 1.4).add(f.circle(34, -3, 1.4)), (10, 10, 12))
    return finish(l)


def item_33():
    """A bow with an arrow."""
    l = new(160)
    f = Frame(80, 58, 0)
    metal(l, f.line([(-66, 4), (66, 4)], 2.6), DARK_STEEL, glint=0.2)
    metal(l, f.poly([(-66, 0), (60, -2.5), (66, 0), (60, 2.5)]).add(f.rect(-66, -1, 58, 1)), (200, 190, 160),
          glint=0)
    for dy in (-1, 1):
        detail(l, f.poly([(-66, 0), (-54, dy * 6), (-50, 0)]), (196, 56, 48))
    pts = [(x, -22 + 0.0052 * x * x) for x in range(-68, 69, 8)]
    tips = [(-74, -3), (74, -3)]
    limb = Frame(80, 40, 0)
    wood(l, limb.line([tips[0]] + pts + [tips[1]], 5.5), (120, 70, 40))
    l.paint(limb.line([(-8, -21), (8, -21)], 9), (40, 34, 30), light=0.3, grain=0.1)
    detail(l, limb.line([tips[0], tips[1]], 1.0), WHITE, 0.9)
    return finish(l)


def item_34():
    """A crossbow."""
    l = new(160)
    f = Frame(82, 42, 0)
    wood(l, f.poly([(-72, 2), (-30, -4), (40, -4), (40, 4), (-20, 6), (-44, 14), (-72, 14)]), WOOD)
    _trigger(l, f, -24, 5)
    metal(l, f.rect(-10, -7, 44, -3), DARK_STEEL)
    prod = [(40 - 0.012 * y * y, y) for y in range(-32, 33, 4)]
    metal(l, f.line(prod, 4.5), GUNMETAL, glint=0.3)
    detail(l, f.line([prod[0], (0, -5), prod[-1]], 1.0), WHITE, 0.9)
    metal(l, f.ellipse(48, 0, 5, 6).add(f.ellipse(48, 0, 2.5, 3.5, erase=True)), DARK_STEEL)
    metal(l, f.line([(0, -5), (36, -5)], 1.6), (220, 200, 150))
    return finish(l)


def _ak(l, f, furniture, metal_c, mag_colour, folding):
    if folding:
        metal(l, f.line([(-30, -4), (-66, -2), (-68, 10), (-30, 4)], 3), metal_c, glint=0.2)
        metal(l, f.rect(-70, -4, -64, 12), metal_c)
    else:
        wood(l, f.poly([(-30, -6), (-72, -1), (-72, 14), (-60, 14), (-30, 4)]), furniture)
    metal(l, f.line([(44, -1), (70, -1)], 3.6), metal_c)
    metal(l, f.rect(64, -3, 72, 2), DARK_STEEL)
    metal(l, f.rect(60, -9, 63, -2), DARK_STEEL)
    metal(l, f.rect(22, -10, 50, -6), metal_c)
    wood(l, f.rect(22, -6, 46, 4), furniture)
    metal(l, f.poly([(-4, 3), (10, 3), (18, 22), (10, 32), (-2, 12)]), mag_colour, glint=0.3)
    wood(l, f.poly([(-22, 2), (-10, 2), (-12, 8), (-20, 24), (-30, 22), (-24, 6)]), furniture)
    _trigger(l, f, -8, 3, 4.5)
    metal(l, f.rect(-32, -9, 24, 4), metal_c, glint=0.4)
    detail(l, f.line([(-20, -7.5), (20, -7.5)], 1.0), (20, 20, 26), 0.6)
    metal(l, f.rect(4, -12, 10, -9), DARK_STEEL)


def item_45():
    """An AK-47."""
    l = new(160)
    _ak(l, Frame(82, 36, 0), WOOD, GUNMETAL, (70, 72, 82), False)
    return finish(l)


def item_46():
    """A double-barrelled hunting gun."""
    l = new(160)
    f = Frame(80, 40, 0)
    wood(l, f.poly([(-18, -5), (-74, 2), (-74, 16), (-62, 16), (-18, 7)]), (140, 86, 44))
    _trigger(l, f, -20, 6)
    metal(l, f.line([(-8, -6), (72, -6)], 4.2), (110, 114, 128))
    metal(l, f.line([(-8, -1.8), (72, -1.8)], 4.2), (110, 114, 128))
    wood(l, f.rect(0, 0, 30, 6), (140, 86, 44))
    metal(l, f.rect(-20, -9, -6, 7), (176, 180, 192), glint=0.7)
    detail(l, f.line([(-18, -2), (-8, 4)], 0.8), (100, 104, 116), 0.8)
    return finish(l)


def item_47():
    """A pump shotgun."""
    l = new(160)
    f = Frame(80, 40, 0)
    plastic(l, f.poly([(-22, -5), (-72, 2), (-72, 16), (-62, 16), (-22, 6)]), (40, 40, 46))
    _trigger(l, f, -16, 6)
    metal(l, f.line([(2, -6), (72, -6)], 5.2), GUNMETAL)
    metal(l, f.line([(2, 0.5), (58, 0.5)], 5.2), DARK_STEEL)
    plastic(l, f.rect(14, -3, 42, 5), RUBBER)
    for x in range(16, 42, 3):
        detail(l, f.line([(x, -2), (x, 4)], 0.9), (10, 10, 14), 0.8)
    metal(l, f.rect(-24, -10, 4, 6), GUNMETAL, glint=0.4)
    detail(l, f.circle(70, -9.5, 1.2), (230, 230, 230))
    return finish(l)


def item_48():
    """A rifle with a scope."""
    l = new(160)
    f = Frame(80, 44, 0)
    wood(l, f.poly([(-74, 2), (-74, 16), (-60, 16), (-30, 6), (34, 4), (34, -2), (-26, -2)]), (150, 92, 48))
    _trigger(l, f, -24, 5)
    metal(l, f.line([(28, -3), (74, -3)], 3.2), (110, 114, 128))
    metal(l, f.rect(-28, -6, 8, 0), (120, 124, 138))
    metal(l, f.line([(-2, -4), (0, 4)], 1.6).add(f.circle(0, 5, 2.2)), (150, 154, 166))
    for x in (-18, 4):
        metal(l, f.rect(x, -12, x + 4, -6), DARK_STEEL)
    plastic(l, f.line([(-22, -15), (18, -15)], 7), BLACK, glint=0.6)
    plastic(l, f.poly([(14, -20), (30, -21), (30, -9), (14, -10)]), BLACK, glint=0.5)
    plastic(l, f.poly([(-30, -19), (-20, -18), (-20, -12), (-30, -11)]), BLACK)
    l.paint(f.ellipse(30, -15, 1.5, 5.5), (120, 170, 220), ow=0.6, light=0.3, glint=0.8)
    return finish(l)


def item_49():
    """A submachine gun."""
    l = new(160)
    f = Frame(84, 34, 0, 0.95)
    metal(l, f.line([(-30, -4), (-58, -2), (-58, 10), (-30, 4)], 3), GUNMETAL, glint=0.2)
    metal(l, f.poly([(-2, 2), (10, 2), (16, 30), (4, 32)]), DARK_STEEL, glint=0.3)
    plastic(l, f.poly([(-22, 2), (-10, 2), (-12, 8), (-18, 26), (-28, 24), (-24, 6)]), BLACK)
    _trigger(l, f, -8, 3, 4)
    metal(l, f.rect(-32, -10, 24, 3), GUNMETAL, glint=0.4)
    plastic(l, f.rect(22, -8, 44, 2), BLACK)
    for x in range(25, 43, 4):
        detail(l, f.line([(x, -6), (x, 0)], 1.2), (70, 70, 80), 0.8)
    metal(l, f.line([(44, -3), (58, -3)], 3.4), DARK_STEEL)
    metal(l, f.rect(-22, -14, -14, -10).add(f.rect(30, -13, 34, -8)), DARK_STEEL)
    return finish(l)


def item_50():
    """A modern assault rifle with a red-dot sight."""
    l = new(160)
    f = Frame(82, 36, 0)
    _ak(l, f, (40, 36, 40), (56, 56, 64), (128, 56, 40), True)
    metal(l, f.rect(-12, -18, 10, -11), BLACK)
    l.paint(f.circle(10, -14.5, 2.2), (230, 80, 60), ow=0.6, light=0.3, glint=0.6)
    return finish(l)


def item_51():
    """A machine gun with its belt and bipod."""
    l = new(160)
    f = Frame(82, 34, 0)
    wood(l, f.poly([(-34, -6), (-74, -2), (-74, 14), (-62, 14), (-34, 4)]).add(
        f.ellipse(-58, 5, 7, 3.5, erase=True)), (150, 90, 46))
    plastic(l, f.poly([(-28, 2), (-16, 2), (-18, 8), (-24, 22), (-34, 20), (-30, 6)]), BLACK)
    _trigger(l, f, -14, 3, 4)
    metal(l, f.line([(40, 2), (32, 24)], 2.4).add(f.line([(46, 2), (56, 24)], 2.4)), DARK_STEEL)
    metal(l, f.line([(10, -3), (72, -3)], 4.2), (96, 100, 112))
    metal(l, f.rect(66, -6, 74, 0), DARK_STEEL)
    metal(l, f.rect(-36, -10, 12, 5), GUNMETAL, glint=0.4)
    metal(l, f.line([(-10, -10), (-6, -16), (8, -16), (12, -10)], 2.2), DARK_STEEL)
    for k in range(8):
        x, y = -2 - 5 * k, 8 + k * 3.2
        l.paint(f.poly([(x, y), (x + 3.4, y - 1), (x + 6, y + 9), (x + 2.6, y + 10)]), BRASS, ow=1.0, light=0.5,
                glint=0.4)
    return finish(l)


PICTURES = {32: item_32, 33: item_33, 34: item_34, 41: item_41, 42: item_42, 43: item_43, 44: item_44,
            45: item_45, 46: item_46, 47: item_47, 48: item_48, 49: item_49, 50: item_50, 51: item_51}
