"""Item pictures of keys, clothing, bags, medicine, nails and ammunition."""
from art import Shape
from items_common import (BLACK, BRASS, DARK_STEEL, LEATHER, OLIVE, ORANGE, RED, STEEL, WHITE, YELLOW, Frame,
                          cloth, detail, finish, metal, new, plastic)

GLASS = (206, 226, 236)


def item_0():
    """Car keys on a ring with a house key."""
    l = new(80)
    metal(l, Shape().circle(22, 20, 13).circle(22, 20, 10, erase=True), STEEL)
    f = Frame(26, 26, 45, 1.3)
    metal(l, f.line([(4, 0), (12, 0)], 2.6), DARK_STEEL)
    plastic(l, f.poly([(12, -9), (32, -8), (36, -4), (36, 4), (32, 8), (12, 9)]), BLACK, glint=0.5)
    for y in (-4, 2.5):
        plastic(l, f.circle(24, y, 2.4), (90, 92, 104))
    detail(l, f.circle(31, -1, 1.2), RED)
    key = [(36, -3.5), (52, -3.5), (54, 0)] + [(50 - 3 * k, 3.5 if k % 2 == 0 else 1.5) for k in range(5)]
    key += [(36, 3.5)]
    metal(l, f.poly(key), (196, 200, 212), glint=0.7)
    g = Frame(20, 30, 100, 1.15)
    metal(l, g.circle(6, 0, 6.5).add(g.circle(6, 0, 2.5, erase=True)), BRASS)
    metal(l, g.poly([(11, -2.5), (30, -2.5), (30, 0), (26, 2.5), (22, 1), (18, 2.5), (11, 2.5)]), BRASS)
    return finish(l)


def item_2():
    """A leather pistol holster."""
    l = new(80)
    f = Frame(40, 42, 0, 1.3)
    body = f.poly([(-18, -26), (14, -26), (18, -16), (14, 16), (4, 28), (-4, 28), (-10, 2), (-20, -2)])
    l.paint(body, LEATHER, light=0.45, edge=0.35, grain=0.12)
    l.paint(f.poly([(-20, -28), (16, -28), (16, -12), (-2, -8), (-20, -12)]), (104, 58, 30), light=0.4,
            grain=0.1)
    metal(l, f.circle(-2, -14, 3.0), BRASS)
    detail(l, f.line([(-14, -2), (-7, 20), (4, 24), (12, 14), (15, -8)], 0.7), (230, 190, 140), 0.7)
    l.paint(f.rect(4, -36, 16, -22), (86, 48, 26), light=0.3, grain=0.1)
    return finish(l)


def item_3():
    """A backpack with a rolled mat."""
    l = new(160)
    cloth(l, Shape().rect(36, 30, 50, 68, 6).rect(110, 30, 124, 68, 6), (70, 92, 112))
    cloth(l, Shape().rect(50, 16, 110, 76, 14), (86, 112, 134))
    cloth(l, Shape().rect(54, 14, 106, 36, 12), (70, 92, 112))
    cloth(l, Shape().rect(60, 46, 100, 70, 8), (70, 92, 112))
    detail(l, Shape().line([(60, 52), (100, 52)], 1.2), (30, 36, 44), 0.7)
    metal(l, Shape().rect(76, 30, 84, 38, 1.5), BRASS)
    cloth(l, Shape().line([(22, 12), (138, 12)], 14), ORANGE)
    for x in (44, 116):
        cloth(l, Shape().rect(x - 3, 3, x + 3, 21, 1), (44, 40, 44))
    for x in range(30, 132, 12):
        detail(l, Shape().line([(x, 6), (x + 3, 18)], 0.9), (170, 80, 30), 0.7)
    return finish(l)


def _shin_guard(l, cx, angle):
    f = Frame(cx, 42, angle)
    l.paint(f.rect(-11, -34, 11, 30), WHITE, light=0.45, edge=0.35)
    l.paint(f.rect(-7, -8, 7, 26), (52, 90, 170), light=0.4, edge=0.3)
    l.paint(f.ellipse(0, -22, 9, 9), (230, 230, 236), light=0.5, glint=0.5)
    for y in (-4, 14):
        cloth(l, f.rect(-14, y, 14, y + 4), BLACK)


def item_4():
    """A pair of hockey shin guards."""
    l = new(160)
    _shin_guard(l, 58, -8)
    _shin_guard(l, 102, 8)
    return finish(l)


def item_5():
    """A black biker jacket laid flat."""
    l = new(160)
    leather = (44, 40, 48)
    for m in (-1, 1):
        sleeve = Shape().poly([(80 + m * 24, 14), (80 + m * 34, 18), (80 + m * 74, 52), (80 + m * 64, 62),
                               (80 + m * 28, 36)])
        l.paint(sleeve, leather, light=0.45, edge=0.3, glint=0.45)
        l.paint(Shape().poly([(80 + m * 74, 52), (80 + m * 64, 62), (80 + m * 60, 58), (80 + m * 70, 48)]),
                (30, 28, 34), light=0.3)
    l.paint(Shape().poly([(56, 12), (104, 12), (108, 72), (52, 72)]), leather, light=0.45, edge=0.3, glint=0.5)
    for m in (-1, 1):
        l.paint(Shape().poly([(80 + m * 4, 12), (80 + m * 22, 12), (80 + m * 20, 34), (80 + m * 6, 44)]),
                (56, 52, 60), light=0.5, glint=0.4)
    metal(l, Shape().line([(86, 14), (70, 70)], 1.6), STEEL)
    l.paint(Shape().rect(52, 64, 108, 72), (30, 28, 34), light=0.3)
    metal(l, Shape().rect(74, 63, 84, 73, 1), STEEL)
    for x in (62, 98):
        metal(l, Shape().circle(x, 28, 1.4), STEEL)
    return finish(l)


def item_6():
    """A handful of nails."""
    l = new(80)
    for cx, cy, a in [(38, 24, -12), (42, 38, 8), (36, 52, -4), (44, 64, 18), (24, 44, 62)]:
        f = Frame(cx, cy, a, 1.05)
        metal(l, f.line([(-22, 0), (20, 0)], 3.2), (176, 180, 192))
        metal(l, f.poly([(19, -1.6), (27, 0), (19, 1.6)]), (176, 180, 192))
        metal(l, f.ellipse(-23, 0, 1.8, 5.2), (150, 154, 166))
    return finish(l)


def item_7():
    """A bottle of painkillers."""
    l = new(80)
    l.paint(Shape().rect(24, 24, 54, 72, 5), (236, 140, 40), light=0.5, edge=0.3, glint=0.6, alpha=0.95)
    l.paint(Shape().rect(24, 38, 54, 60), WHITE, light=0.3)
    detail(l, Shape().rect(24, 42, 54, 47), RED)
    detail(l, Shape().rect(29, 51, 49, 53), (120, 120, 130))
    l.paint(Shape().rect(21, 12, 57, 26, 3), WHITE, light=0.45)
    for x in range(24, 56, 4):
        detail(l, Shape().line([(x, 14), (x, 24)], 0.8), (170, 170, 180), 0.8)
    l.paint(Shape().ellipse(62, 66, 6, 4), WHITE, light=0.5)
    l.paint(Shape().ellipse(66, 56, 5, 3.5), WHITE, light=0.5)
    detail(l, Shape().line([(57.5, 66), (66.5, 66)], 0.8), (170, 170, 180))
    return finish(l)


def item_8():
    """A red first-aid kit."""
    l = new(80)
    l.paint(Shape().rect(28, 10, 52, 26, 5).rect(33, 15, 47, 26, 3, erase=True), (60, 58, 66), light=0.4)
    l.paint(Shape().rect(8, 20, 72, 70, 8), RED, light=0.5, edge=0.35, glint=0.3)
    detail(l, Shape().line([(12, 30), (68, 30)], 1.2), (120, 24, 26), 0.8)
    l.paint(Shape().rect(34, 34, 46, 64, 1).rect(25, 43, 55, 55, 1), WHITE, light=0.3, edge=0.1)
    return finish(l)


def item_9():
    """Antibiotics: a box and a blister of capsules."""
    l = new(80)
    l.paint(Shape().rect(12, 12, 46, 60, 2), WHITE, light=0.45, edge=0.25)
    detail(l, Shape().rect(12, 22, 46, 32), (60, 110, 190))
    l.text(29, 27, "Rx", "DejaVuSans-Bold.ttf", 10, (255, 255, 255, 255), anchor="mm")
    l.paint(Shape().rect(30, 42, 74, 72, 4), (196, 200, 212), light=0.5, glint=0.5)
    for i in range(3):
        for j in range(2):
            cx, cy = 38 + i * 14, 50 + j * 14
            l.paint(Shape().line([(cx - 4.5, cy), (cx + 4.5, cy)], 6.5), (60, 110, 190), ow=1.0, light=0.5,
                    glint=0.5)
            l.paint(Shape().line([(cx, cy), (cx + 4.5, cy)], 6.5), WHITE, ow=0, light=0.5)
    return finish(l)


def item_10():
    """A jar of vitamins."""
    l = new(80)
    l.paint(Shape().rect(20, 24, 60, 72, 8), GLASS, light=0.5, edge=0.2, glint=0.6, alpha=0.85)
    for x, y in [(28, 64), (38, 66), (50, 64), (32, 56), (44, 58), (54, 54), (26, 48)]:
        l.paint(Shape().circle(x, y, 4.2), ORANGE, ow=0.8, light=0.5)
    l.paint(Shape().rect(20, 34, 60, 50), (70, 150, 80), light=0.4)
    l.text(40, 42, "C", "DejaVuSans-Bold.ttf", 13, (255, 255, 255, 255), anchor="mm")
    l.paint(Shape().rect(22, 12, 58, 26, 3), YELLOW, light=0.5)
    return finish(l)


def item_11():
    """A syringe of adrenaline."""
    l = new(80)
    f = Frame(40, 42, -40, 1.15)
    metal(l, f.line([(-30, 0), (-18, 0)], 3))
    metal(l, f.rect(-33, -7, -30, 7), BLACK)
    l.paint(f.line([(-18, 0), (16, 0)], 12), GLASS, light=0.5, edge=0.2, glint=0.6, alpha=0.8)
    detail(l, f.rect(-4, -4.6, 15, 4.6), RED, 0.9)
    for x in range(-14, 16, 5):
        detail(l, f.line([(x, -5.5), (x, -2.5)], 0.8), (60, 60, 70))
    plastic(l, f.rect(-20, -9, -17, 9), WHITE)
    plastic(l, f.rect(16, -3, 21, 3), (236, 190, 52))
    metal(l, f.line([(21, 0), (35, 0)], 1.3))
    return finish(l)


def item_12():
    """A doctor's bag."""
    l = new(160)
    bag = (72, 42, 32)
    l.paint(Shape().line([(62, 22), (68, 8), (92, 8), (98, 22)], 5), (50, 30, 24), light=0.3)
    l.paint(Shape().poly([(30, 28), (130, 28), (138, 70), (22, 70)]).rect(22, 60, 138, 76, 8), bag, light=0.45,
            edge=0.35, grain=0.12, glint=0.25)
    metal(l, Shape().rect(28, 22, 132, 30, 3), (170, 150, 100))
    metal(l, Shape().rect(74, 27, 86, 38, 2), BRASS)
    l.paint(Shape().circle(108, 52, 11), WHITE, light=0.3)
    detail(l, Shape().rect(105, 44, 111, 60).rect(100, 49, 116, 55), RED)
    return finish(l)


def item_35():
    """Cartridges."""
    l = new(80)
    for x, y in [(24, 16), (40, 10), (56, 18)]:
        l.paint(Shape().rect(x - 6, y + 14, x + 6, y + 54, 1.5), BRASS, light=0.55, edge=0.25, glint=0.6)
        l.paint(Shape().ellipse(x, y + 12, 5.8, 12).rect(x - 7, y + 14, x + 7, y + 30, erase=True),
                (196, 110, 70), light=0.55, glint=0.5)
        detail(l, Shape().rect(x - 6, y + 48, x + 6, y + 50), (150, 110, 50))
    return finish(l)


def item_36():
    """An ammunition box."""
    l = new(160)
    l.paint(Shape().rect(30, 22, 130, 74, 4), OLIVE, light=0.45, edge=0.3, grain=0.05)
    l.paint(Shape().rect(27, 16, 133, 28, 3), (84, 94, 54), light=0.45)
    metal(l, Shape().line([(64, 14), (68, 8), (92, 8), (96, 14)], 3), DARK_STEEL)
    metal(l, Shape().rect(122, 22, 134, 38, 2), DARK_STEEL)
    for x in range(36, 126, 18):
        detail(l, Shape().line([(x, 32), (x, 70)], 1.0), (60, 66, 36), 0.6)
    l.text(80, 50, "7.62", "DejaVuSans-Bold.ttf", 14, (236, 200, 90, 230), anchor="mm")
    return finish(l)


PICTURES = {0: item_0, 2: item_2, 3: item_3, 4: item_4, 5: item_5, 6: item_6, 7: item_7, 8: item_8, 9: item_9,
            10: item_10, 11: item_11, 12: item_12, 35: item_35, 36: item_36}
