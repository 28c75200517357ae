"""Writes the full-screen pictures: Data/logo.png, Data/menu.png (with the buttons of the menu and the options
screen), Data/end.png (a won game)
and Data/end_lost.png (a lost one)."""
import math
import os
import re
import sys

import numpy as np

import art
import ini_values
import layout
import scenery
import ui_kit
from art import Shape

V = ini_values.values()
W, H = layout.SCREEN_W, layout.SCREEN_H


def project_version():
    """The version of the project() line in CMakeLists.txt, which the menu shows in its corner."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "CMakeLists.txt")
    with open(path, encoding="utf-8") as f:
        return re.search(r"project\(\s*\w+\s+VERSION\s+([0-9.]+)", f.read()).group(1)


def logo():
    """Black title card: a setting sun sinking into a hollow between two hills, the name beneath."""
    layer = art.Layer(W, H, 2, bg=(0, 0, 0, 255))
    cx, cy, r = 400, 250, 110
    layer.glow(Shape().circle(cx, cy, r), layout.EMBER, 40, 0.35)
    rgb = art.vertical_gradient(W * 2, H * 2, [(0, layout.GLOW), (0.36, layout.AMBER), (0.5, layout.EMBER),
                                               (0.6, layout.MAUVE)])
    sun = Shape().circle(cx, cy, r)
    for k in range(5):
        y = cy + 20 + k * 14
        sun.rect(cx - r - 2, y, cx + r + 2, y + 4 + k * 1.2, erase=True)
    m, ox, oy = sun.render(2, 2)
    a = np.zeros((H * 2, W * 2), np.float32)
    a[oy:oy + m.height, ox:ox + m.width] = np.asarray(m, np.float32) / 255
    layer.img.alpha_composite(art.to_image(rgb, a))
    hills = Shape().poly([(cx - 190, cy + 110), (cx - 150, cy + 40), (cx - 70, cy + 70), (cx - 12, cy + 108),
                          (cx + 12, cy + 108), (cx + 60, cy + 60), (cx + 140, cy + 30), (cx + 190, cy + 110)])
    layer.fill(hills, (8, 6, 16))
    scenery.trees(layer, cy + 112, cx - 180, cx - 40, 3, (8, 6, 16), size=(18, 40))
    scenery.trees(layer, cy + 112, cx + 50, cx + 185, 4, (8, 6, 16), size=(18, 44))
    layer.fill(Shape().rect(cx - 200, cy + 108, cx + 200, cy + 116), (8, 6, 16))
    ui_kit.title(layer, cx, cy + 170, "DUSKHOLLOW", 58)
    layer.text(cx, cy + 222, "пошаговая игра о выживании", ui_kit.BOLD, 16, (190, 170, 200, 255), anchor="mm")
    return layer.done()


def _dusk_town(layer, seed):
    scenery.sky(layer, 420, scenery.DUSK_SKY, seed, stars=1.2)
    layer.glow(Shape().circle(712, 62, 26), (220, 220, 255), 18, 0.25)
    layer.fill(Shape().circle(712, 62, 22).circle(722, 56, 20, erase=True), (236, 232, 250))
    scenery.sun(layer, 210, 424, 34)
    scenery.skyline(layer, 422, -20, 820, seed + 1, (58, 38, 78), tall=(70, 190), lit=0.1)
    scenery.skyline(layer, 432, -20, 820, seed + 2, (34, 24, 52), tall=(40, 130), lit=0.2)
    scenery.ground(layer, 428, (30, 22, 44), (8, 8, 18))
    scenery.road(layer, 400, 428, 40, 760, 600, (36, 30, 50))
    scenery.trees(layer, 440, -20, 820, seed + 3, (16, 12, 26), size=(26, 70))


def menu_background():
    """The main menu: the town at dusk, the dead walking up the road, the title over the sky."""
    layer = art.Layer(W, H, 2, bg=layout.NIGHT + (255,))
    _dusk_town(layer, 40)
    for x, base, h, lean in [(300, 470, 40, 0.2), (350, 456, 28, -0.1), (470, 462, 34, 0.15), (520, 452, 24, 0),
                             (135, 540, 80, 0.25), (690, 560, 96, -0.2)]:
        scenery.walker(layer, x, base, h, (12, 8, 20), lean)
    scenery.vignette(layer, 0.7)
    ui_kit.title(layer, 400, 112, "Duskhollow", 84)
    layer.text(400, 182, "Найди ключи и заведи машину, чтобы спастись", ui_kit.BOLD, 20, (236, 214, 200, 255), anchor="mm",
               shadow=(1.5, 2, (0, 0, 0, 230), 1.5))
    x0, y0 = V["MENU_NEWGAME_BUT_POSX"] - 24, V["MENU_NEWGAME_BUT_POSY"] - 24
    x1 = V["MENU_EXIT_BUT_POSX"] + V["MENU_EXIT_BUT_W"] + 24
    y1 = max(V[k + "_POSY"] + V[k + "_H"] for k in ("MENU_EXIT_BUT", "MENU_OPTIONS_BUT")) + 24
    y0 = min(y0, V["MENU_CONTINUE_BUT_POSY"] - 24)
    layer.fill(Shape().rect(x0, y0, x1, y1, 14), layout.NIGHT, alpha=0.6)
    layer.fill(Shape().rect(x0, y0, x1, y1, 14).rect(x0 + 2, y0 + 2, x1 - 2, y1 - 2, 12, erase=True), layout.AMBER,
               alpha=0.3)
    layer.text(W - 12, H - 10, "v" + project_version(), ui_kit.BOLD, 11, (160, 150, 180, 200), anchor="rd")
    return layer.done()


def menu():
    """The menu texture: background at (0, 0) and each button's normal and pressed pictures side by side (the
    options screen's back button among them)."""
    parts = [(menu_background(), 0, 0)]
    for key, label in [("MENU_NEWGAME", "Новая игра"), ("MENU_EXIT", "Выход"), ("MENU_CONTINUE", "Продолжить"),
                       ("MENU_OPTIONS", "Настройки"), ("OPTIONS_BACK", "Назад")]:
        w, h = V["%s_BUT_W" % key], V["%s_BUT_H" % key]
        # Continue has a third, greyed picture for when there is no saved game.
        for p in (0, 1, 2) if key == "MENU_CONTINUE" else (0, 1):
            parts.append((ui_kit.button(w, h, label, pressed=p == 1, disabled=p == 2, size=22),
                          V["%s_BUT_X" % key] + p * w, V["%s_BUT_Y" % key]))
    return art.atlas(parts, (1024, 1024))


def end():
    """Dawn on the road out of town, the car far away: the picture after a game, won or lost."""
    layer = art.Layer(W, H, 2, bg=layout.NIGHT + (255,))
    scenery.sky(layer, 400, scenery.DAWN_SKY, 77, stars=0.3)
    scenery.sun(layer, 400, 402, 40, colour=(255, 236, 190), halo=(255, 170, 120))
    for k in range(7):
        a = math.pi * (0.1 + 0.8 * k / 6)
        ray = Shape().poly([(400, 402), (400 - math.cos(a - 0.03) * 700, 402 - math.sin(a - 0.03) * 700),
                            (400 - math.cos(a + 0.03) * 700, 402 - math.sin(a + 0.03) * 700)])
        layer.fill(ray, (255, 230, 190), alpha=0.06)
    scenery.skyline(layer, 404, -20, 300, 81, (96, 70, 110), tall=(40, 120), lit=0.0)
    layer.glow(Shape().ellipse(120, 260, 40, 70).ellipse(180, 200, 50, 60), (60, 50, 70), 30, 0.35)
    scenery.trees(layer, 410, 480, 820, 83, (70, 50, 86), size=(26, 60))
    scenery.ground(layer, 400, (96, 74, 104), (36, 30, 52))
    scenery.road(layer, 400, 400, 60, 740, 600, (60, 52, 78), line=(255, 236, 200))
    scenery.car(layer, 404, 452, 46, body=(40, 34, 52))
    scenery.vignette(layer, 0.45)
    ui_kit.title(layer, 400, 96, "Duskhollow", 72)
    layer.text(400, 160, "Ночь закончилась.", ui_kit.BOLD, 22, (255, 244, 230, 255), anchor="mm",
               shadow=(1.5, 2, (40, 20, 40, 220), 1.5))
    layer.text(400, 574, "Щелчок — в меню, Esc — выход", ui_kit.BOLD, 14, (255, 240, 220, 220), anchor="mm",
               shadow=(1, 1, (0, 0, 0, 200), 1))
    return layer.done()


def end_lost():
    """Night over the town, the car never reached, the dead on the road: the picture after a lost game."""
    layer = art.Layer(W, H, 2, bg=layout.NIGHT + (255,))
    _dusk_town(layer, 90)
    layer.fill(Shape().rect(0, 0, W, H), (40, 0, 10), alpha=0.35)
    for x, base, h, lean in [(230, 480, 52, 0.2), (330, 462, 36, -0.15), (460, 470, 44, 0.1), (560, 456, 30, 0),
                             (110, 560, 96, 0.25), (700, 576, 110, -0.2)]:
        scenery.walker(layer, x, base, h, (10, 6, 16), lean)
    scenery.vignette(layer, 0.8)
    ui_kit.title(layer, 400, 96, "Duskhollow", 72)
    layer.text(400, 160, "Рассвета не будет.", ui_kit.BOLD, 22, (236, 200, 200, 255), anchor="mm",
               shadow=(1.5, 2, (0, 0, 0, 230), 1.5))
    layer.text(400, 574, "Щелчок — в меню, Esc — выход", ui_kit.BOLD, 14, (236, 214, 214, 220), anchor="mm",
               shadow=(1, 1, (0, 0, 0, 200), 1))
    return layer.done()


def main(out):
    """Writes this step's files under the output root `out`."""
    art.save(logo(), out, "Data/logo.png")
    art.save(menu(), out, "Data/menu.png")
    art.save(end(), out, "Data/end.png")
    art.save(end_lost(), out, "Data/end_lost.png")


if __name__ == "__main__":
    main(sys.argv[1])
