"""Item pictures of bare hands and hand weapons: knives, tools, clubs, blades."""
import math

from art import Shape
from items_common import (BLACK, BRASS, DARK_STEEL, DARK_WOOD, GUNMETAL, OLIVE, ORANGE, RED, RUBBER, STEEL,
                          WHITE, WOOD, Frame, detail, finish, grip_wrap, metal, new, plastic, wood)

SKIN = (228, 178, 138)


def fist(layer, cx, cy, mirror):
    """A clenched fist seen from the front, knuckles up."""
    m = -1 if mirror else 1
    f = Frame(cx, cy, 0)
    layer.paint(f.rect(-15, -6, 15, 24), SKIN, light=0.35, edge=0.35)
    for i, x in enumerate((-11, -3.7, 3.7, 11)):
        layer.paint(Shape().rect(cx + x * m - 4.2, cy - 17 + abs(i - 1.5) * 1.5, cx + x * m + 4.2, cy + 2, 4), SKIN,
                    light=0.45, edge=0.3)
    layer.paint(Shape().line([(cx - 16 * m, cy + 10), (cx - 6 * m, cy + 6), (cx + 4 * m, cy + 6)], 8), SKIN,
                light=0.4)
    layer.paint(f.rect(-16, 22, 16, 32), (70, 110, 160), light=0.3, grain=0.1)


def item_1():
    """Two bare fists."""
    l = new(160)
    fist(l, 52, 40, False)
    fist(l, 108, 40, True)
    return finish(l)


def item_13():
    """A kitchen knife."""
    l = new(80)
    f = Frame(40, 41, -40, 1.15)
    plastic(l, f.line([(-31, 0), (-8, 0)], 9), BLACK)
    for x in (-25, -15):
        metal(l, f.circle(x, 0, 1.4))
    metal(l, f.rect(-8, -5.5, -4.5, 5.5))
    metal(l, f.poly([(-4.5, -6.5), (18, -6.5), (33, -3.5), (22, 3.5), (-4.5, 5.5)]), glint=0.8)
    detail(l, f.line([(-3, 3.8), (22, 2.0)], 0.9), WHITE, 0.7)
    return finish(l)


def item_14():
    """A commando knife."""
    l = new(80)
    f = Frame(40, 41, -40, 1.12)
    metal(l, f.circle(-31, 0, 4.5), DARK_STEEL)
    plastic(l, f.line([(-30, 0), (-8, 0)], 10), OLIVE)
    for x in range(-26, -9, 4):
        detail(l, f.line([(x, -4.5), (x, 4.5)], 1.0), (40, 44, 26), 0.7)
    metal(l, f.rect(-8, -10, -4.5, 10), DARK_STEEL)
    pts = [(-4.5, -6), (12, -6)] + [(14 + 3 * k, -6 + (2 if k % 2 == 0 else 0)) for k in range(4)]
    pts += [(27, -6), (34, 0), (24, 6), (-4.5, 6)]
    metal(l, f.poly(pts), (150, 156, 170), glint=0.8)
    detail(l, f.line([(-2, 1), (26, 1)], 1.6), (110, 114, 128), 0.8)
    return finish(l)


def item_15():
    """A frying pan."""
    l = new(80)
    f = Frame(44, 42, -32)
    plastic(l, f.line([(-38, 0), (-12, 0)], 7), BLACK)
    detail(l, f.circle(-34, 0, 1.6), (10, 10, 14))
    pan = f.circle(10, 0, 22)
    l.paint(pan, (50, 50, 58), light=0.5, edge=0.2, glint=0.4)
    l.paint(f.circle(10, 0, 17.5), (74, 74, 84), outline=(20, 20, 26), ow=1.0, light=-0.4, edge=0.1)
    return finish(l)


def item_16():
    """A claw hammer."""
    l = new(80)
    f = Frame(38, 44, -45, 1.12)
    wood(l, f.line([(-32, 0), (16, 0)], 7), (196, 146, 86))
    plastic(l, f.line([(-33, 0), (-16, 0)], 8.5), RED)
    metal(l, f.line([(19, -13), (17, -20), (10, -25)], 5.5).add(f.line([(19, -13), (22, -21), (20, -27)], 4)),
          DARK_STEEL)
    metal(l, f.rect(12, -14, 26, 8))
    metal(l, f.rect(13.5, 8, 24.5, 14))
    return finish(l)


def item_17():
    """A length of chain."""
    l = new(80)
    pts = [(12 + 56 * t, 40 + 22 * math.sin(t * 2 * math.pi + 0.6)) for t in [k / 7 for k in range(8)]]
    for i, (x, y) in enumerate(pts):
        nx, ny = pts[min(i + 1, 7)]
        px, py = pts[max(i - 1, 0)]
        a = math.degrees(math.atan2(ny - py, nx - px))
        f = Frame(x, y, a)
        if i % 2 == 0:
            s = f.ellipse(0, 0, 8.0, 5.6).add(f.ellipse(0, 0, 4.6, 2.2, erase=True))
            metal(l, s, (160, 166, 180))
        else:
            metal(l, f.line([(-7.5, 0), (7.5, 0)], 4.2), (130, 136, 150))
    return finish(l)


def item_18():
    """A screwdriver."""
    l = new(80)
    f = Frame(40, 40, -40, 1.12)
    plastic(l, f.line([(-31, 0), (-4, 0)], 11), (236, 190, 52))
    for x in (-24, -16, -8):
        detail(l, f.line([(x, -5), (x, 5)], 2.2), (30, 28, 30), 0.85)
    metal(l, f.line([(-4, 0), (27, 0)], 3.2))
    metal(l, f.poly([(26, -1.8), (33, -2.6), (33, 2.6), (26, 1.8)]))
    return finish(l)


def item_19():
    """A crowbar."""
    l = new(80)
    f = Frame(40, 44, -40, 1.12)
    shaft = f.line([(-32, 3), (-24, 0), (20, 0), (27, -4), (29, -12), (25, -18), (19, -17)], 5.5)
    l.paint(shaft, RED, light=0.45, edge=0.25, glint=0.3)
    metal(l, f.line([(-33, 3.5), (-27, 1.2)], 5.5), DARK_STEEL)
    metal(l, f.line([(24, -17.4), (19, -17)], 5.5), DARK_STEEL)
    return finish(l)


def item_20():
    """A torch with its beam."""
    l = new(80)
    f = Frame(32, 48, -35, 1.1)
    beam = f.poly([(22, -9), (34, -15), (34, 15), (22, 9)])
    l.glow(beam, (255, 230, 160), 3.5, 0.6)
    plastic(l, f.line([(-28, 0), (10, 0)], 10), (60, 62, 76))
    for x in range(-20, 6, 5):
        detail(l, f.line([(x, -4.5), (x, 4.5)], 1.1), (30, 30, 38), 0.7)
    plastic(l, f.poly([(10, -6), (22, -9.5), (22, 9.5), (10, 6)]), (60, 62, 76))
    l.paint(f.rect(21, -8.5, 24, 8.5), (255, 236, 170), light=0.2, glint=0.8)
    detail(l, f.rect(-6, -5.6, -1, -2.5), ORANGE)
    return finish(l)


def item_21():
    """A rubber baton."""
    l = new(80)
    f = Frame(40, 42, -40, 1.12)
    plastic(l, f.line([(-33, 0), (32, 0)], 7.5), RUBBER, glint=0.5)
    for x in range(-30, -16, 3):
        detail(l, f.line([(x, -3.4), (x, 3.4)], 1.0), (14, 14, 18), 0.8)
    plastic(l, f.ellipse(-15, 0, 2.2, 7.0), (60, 58, 66))
    return finish(l)


def item_22():
    """Brass knuckles."""
    l = new(80)
    body = Shape().rect(9, 22, 71, 46, 12).rect(18, 40, 62, 60, 9)
    for x in (20.5, 33.5, 46.5, 59.5):
        body.circle(x, 33, 6.0, erase=True)
    body.rect(24, 47, 56, 53, 3, erase=True)
    metal(l, body, BRASS, glint=0.7)
    return finish(l)


def item_23():
    """An axe."""
    l = new(160)
    f = Frame(80, 48, -10)
    wood(l, f.line([(-68, 3), (0, 1), (44, -1)], 8), (176, 118, 64))
    metal(l, f.rect(30, -8, 46, 9), DARK_STEEL)
    head = f.poly([(30, -7), (46, -7), (58, -30), (52, -36), (24, -36), (20, -30)])
    metal(l, head, (150, 156, 170))
    detail(l, f.line([(22, -32.5), (55, -32.5)], 2.2), (230, 236, 246), 0.85)
    return finish(l)


def item_24():
    """A golf club."""
    l = new(160)
    f = Frame(78, 36, -8)
    metal(l, f.line([(-66, 0), (52, 0)], 3))
    plastic(l, f.line([(-72, 0), (-42, 0)], 6.5), BLACK)
    grip_wrap(l, f, -70, -44, 6)
    head = f.poly([(50, -3), (60, -4), (72, 14), (70, 19), (48, 18), (50, 6)])
    metal(l, head, (176, 182, 196), glint=0.8)
    for k in range(4):
        detail(l, f.line([(53, 6 + k * 3), (66, 7 + k * 3)], 0.8), (90, 94, 110), 0.8)
    return finish(l)


def item_25():
    """A machete."""
    l = new(160)
    f = Frame(80, 40, -6)
    plastic(l, f.line([(-70, 0), (-40, 0)], 10), BLACK)
    for x in (-62, -50):
        metal(l, f.circle(x, 0, 1.6))
    metal(l, f.poly([(-40, -7), (30, -9), (56, -8), (70, -2), (64, 6), (-40, 7)]), (160, 166, 178), glint=0.8)
    detail(l, f.line([(-36, 4.5), (62, 3.8)], 1.2), WHITE, 0.6)
    return finish(l)


def item_26():
    """A hockey stick."""
    l = new(160)
    f = Frame(78, 36, -10)
    wood(l, f.line([(-70, -3), (38, -3)], 6.5), (200, 160, 100))
    plastic(l, f.line([(-72, -3), (-60, -3)], 7.5), WHITE)
    blade = f.poly([(34, -6.5), (42, -1), (70, 8), (72, 15), (40, 13), (32, 2)])
    plastic(l, blade, BLACK)
    for k in range(4):
        detail(l, f.line([(44 + 6 * k, 3 + k * 1.6), (42 + 6 * k, 12)], 1.2), (230, 230, 236), 0.55)
    return finish(l)


def item_27():
    """A fireplace poker."""
    l = new(160)
    f = Frame(82, 40, -8)
    iron = (64, 60, 66)
    metal(l, f.ellipse(-66, 0, 9, 7).add(f.ellipse(-66, 0, 5.5, 3.5, erase=True)), iron, glint=0.3)
    metal(l, f.line([(-57, 0), (56, 0)], 4.5), iron, glint=0.3)
    metal(l, f.line([(50, 0), (58, 5), (60, 13), (55, 16)], 4), iron, glint=0.3)
    metal(l, f.poly([(55, -2.2), (68, 0), (55, 2.2)]), iron, glint=0.3)
    return finish(l)


def item_28():
    """A pipe wrench."""
    l = new(160)
    f = Frame(80, 42, -8)
    handle = f.poly([(-68, -5), (18, -7), (18, 7), (-68, 5)]).add(f.circle(-68, 0, 5))
    handle.add(f.circle(-66, 0, 2.2, erase=True))
    l.paint(handle, RED, light=0.45, edge=0.25, glint=0.3)
    metal(l, f.poly([(16, -16), (46, -16), (50, -9), (28, -9), (28, -4), (16, -4)]))
    metal(l, f.poly([(20, 3), (52, 3), (56, 13), (34, 13), (24, 9)]))
    for k in range(5):
        detail(l, f.line([(32 + 4 * k, -9.5), (31 + 4 * k, -8)], 1.0), (80, 84, 96))
        detail(l, f.line([(34 + 4 * k, 3.5), (33 + 4 * k, 5)], 1.0), (80, 84, 96))
    metal(l, f.ellipse(25, -1, 5.5, 8.5), DARK_STEEL)
    for k in range(-6, 7, 3):
        detail(l, f.line([(21, -1 + k), (29, -1 + k)], 0.8), (30, 30, 36), 0.8)
    return finish(l)


def item_29():
    """A plank with nails."""
    l = new(160)
    f = Frame(80, 46, -6)
    for x, dx, bent in [(-52, -3, False), (-30, 2, False), (-8, -2, True), (16, 3, False), (40, -1, False),
                        (60, 2, True)]:
        tip = (x + dx + (8 if bent else 0), -24 if not bent else -18)
        metal(l, f.line([(x, -6), (x + dx, -18), tip], 2.2), (176, 180, 190))
    wood(l, f.rect(-70, -8, 70, 9), (168, 120, 72))
    for y in (-3.5, 3.0):
        detail(l, f.line([(-66, y), (-10, y + 1.0), (66, y - 0.5)], 0.8), DARK_WOOD, 0.6)
    for x in (-52, -30, -8, 16, 40, 60):
        detail(l, f.circle(x, 0, 1.6), (90, 90, 100))
    return finish(l)


def item_30():
    """A baseball bat."""
    l = new(160)
    f = Frame(80, 40, -10)
    top = [(x, -(2.8 + 5.6 * max(0.0, (x + 40) / 100) ** 1.5)) for x in range(-68, 64, 6)]
    pts = top + [(66, -6), (68, 0), (66, 6)] + [(x, -y) for x, y in reversed(top)]
    wood(l, f.poly(pts).add(f.ellipse(-70, 0, 2.6, 5.2)), (214, 168, 104))
    plastic(l, f.line([(-66, 0), (-40, 0)], 6.2), BLACK)
    grip_wrap(l, f, -64, -42, 6, (80, 80, 90))
    return finish(l)


def item_31():
    """A katana."""
    l = new(160)
    f = Frame(82, 42, -6)
    plastic(l, f.line([(-72, 0), (-36, 0)], 7.5), BLACK)
    for x in range(-68, -38, 6):
        detail(l, f.poly([(x, 0), (x + 3, -3), (x + 6, 0), (x + 3, 3)]), WHITE, 0.85)
    metal(l, f.ellipse(-34, 0, 2.8, 8.5), (170, 140, 60))
    metal(l, f.rect(-32, -3.2, -28, 3.2), (200, 170, 90))

    def curve(x):
        return -0.0016 * (x + 28) ** 2

    up = [(x, curve(x) - 3.4 * (1 - max(0, x - 52) / 22)) for x in range(-28, 74, 6)]
    low = [(x, curve(x) + 3.0 * (1 - max(0, x - 50) / 24)) for x in range(-28, 74, 6)]
    metal(l, f.poly(up + [(76, curve(76) - 1)] + list(reversed(low))), (190, 196, 210), glint=0.8)
    detail(l, f.line([(x, curve(x) + 0.8 + 0.6 * math.sin(x / 3)) for x in range(-26, 68, 4)], 0.9), WHITE, 0.8)
    return finish(l)


def item_37():
    """A fire extinguisher."""
    l = new(160)
    f = Frame(74, 44, -4)
    l.paint(f.line([(-48, 0), (34, 0)], 30), RED, light=0.5, edge=0.3, glint=0.5)
    detail(l, f.rect(-26, -9, 8, 9), WHITE, 0.9)
    detail(l, f.rect(-22, -5, 4, -2), RED, 0.8)
    detail(l, f.rect(-22, 1, -4, 3), (60, 60, 70), 0.7)
    metal(l, f.rect(48, -8, 58, 8), BLACK)
    metal(l, f.rect(40, -6, 50, 6))
    metal(l, f.line([(48, -8), (64, -16), (72, -14)], 3.5), BLACK)
    l.paint(f.circle(44, -11, 4.5), WHITE, light=0.3)
    detail(l, f.line([(44, -11), (46, -13)], 0.9), RED)
    plastic(l, f.line([(54, 6), (62, 22), (40, 28), (10, 24)], 4), RUBBER)
    return finish(l)


def item_38():
    """A sledgehammer."""
    l = new(160)
    f = Frame(76, 44, -10)
    wood(l, f.line([(-70, 0), (40, 0)], 7.5), (186, 136, 80))
    plastic(l, f.line([(-70, 0), (-50, 0)], 8.5), BLACK)
    head = f.rect(34, -18, 58, 18)
    metal(l, head, DARK_STEEL, glint=0.4)
    metal(l, f.rect(32, -20, 36, 20), GUNMETAL)
    metal(l, f.rect(56, -20, 60, 20), GUNMETAL)
    return finish(l)


def item_39():
    """A chainsaw."""
    l = new(160)
    f = Frame(84, 46, -4)
    chain = f.line([(-2, 2), (66, 2)], 18)
    metal(l, chain, (40, 40, 46), glint=0.2)
    for x in range(0, 66, 5):
        detail(l, f.poly([(x, -7), (x + 2.5, -10.5), (x + 4, -7)]), (150, 156, 170))
        detail(l, f.poly([(x, 11), (x + 2.5, 14.5), (x + 4, 11)]), (150, 156, 170))
    metal(l, f.line([(-2, 2), (64, 2)], 12.5), (170, 176, 190))
    detail(l, f.rect(10, -1, 40, 1.5), (120, 124, 136), 0.7)
    plastic(l, f.line([(-54, -18), (-48, -30), (-20, -30), (-14, -18)], 5), BLACK)
    body = f.poly([(-64, -18), (-10, -18), (-2, -9), (-2, 14), (-64, 14)])
    plastic(l, body, ORANGE)
    plastic(l, f.rect(-60, -12, -34, 8), (190, 96, 34), glint=0.1)
    detail(l, f.rect(-56, -8, -38, 4), (40, 36, 40), 0.8)
    plastic(l, f.line([(-72, -2), (-72, 12), (-64, 12)], 5), BLACK)
    return finish(l)


def item_40():
    """A shovel."""
    l = new(160)
    f = Frame(80, 42, -6)
    wood(l, f.line([(-62, 0), (20, 0)], 6), (190, 140, 84))
    plastic(l, f.ellipse(-68, 0, 7, 8).add(f.ellipse(-68, 0, 3.6, 5, erase=True)).add(f.rect(-63, -2.5, -58, 2.5)),
            BLACK)
    metal(l, f.rect(16, -4, 30, 4), DARK_STEEL)
    blade = f.poly([(28, -8), (36, -14), (60, -14), (70, -6), (74, 0), (70, 6), (60, 14), (36, 14), (28, 8)])
    metal(l, blade, (150, 156, 168), glint=0.6)
    detail(l, f.line([(36, 0), (66, 0)], 1.2), (110, 114, 126), 0.8)
    return finish(l)


PICTURES = {1: item_1, 13: item_13, 14: item_14, 15: item_15, 16: item_16, 17: item_17, 18: item_18,
            19: item_19, 20: item_20, 21: item_21, 22: item_22, 23: item_23, 24: item_24, 25: item_25,
            26: item_26, 27: item_27, 28: item_28, 29: item_29, 30: item_30, 31: item_31, 37: item_37,
            38: item_38, 39: item_39, 40: item_40}
