"""Draws one figure frame (a survivor or a zombie) from its look and joint positions."""
import math

from PIL import Image

import art
import figure_pose as fp
import layout
from art import Shape, shade

SS = 4
OW = 0.85  # outline width in frame pixels


def _pt(p, dx=0.0, dy=0.0):
    return (p[0] + dx, p[1] + dy)


def _limb(layer, pts, w, colour, tip=None, tip_r=1.9, tip_colour=None):
    """A sleeve or trouser leg along pts, with a hand or shoe at tip."""
    layer.paint(Shape().line(pts, w), colour, ow=OW, light=0.25, edge=0.35)
    if tip is not None:
        layer.paint(Shape().circle(tip[0], tip[1], tip_r), tip_colour, ow=OW * 0.8, light=0.2, edge=0.2)


def _arm(layer, look, j, side, far=False):
    k = 0.78 if far else 1.0
    sh, el, ha = j["sh_" + side], j["el_" + side], j["ha_" + side]
    cuff = (el[0] + (ha[0] - el[0]) * 0.72, el[1] + (ha[1] - el[1]) * 0.72)
    sleeve = shade(look["top"], k)
    if look.get("torn_sleeve") == side:
        cuff = (sh[0] + (el[0] - sh[0]) * 0.6, sh[1] + (el[1] - sh[1]) * 0.6)
        layer.paint(Shape().line([cuff, el, ha], 3.4), shade(look["skin"], k), ow=OW, light=0.2)
        layer.paint(Shape().line([sh, cuff], 4.6), sleeve, ow=OW, light=0.25)
    else:
        layer.paint(Shape().line([sh, el, cuff], 4.5), sleeve, ow=OW, light=0.25, edge=0.35,
                    glint=look.get("shine", 0.0))
    r = 2.2 if look.get("zombie") else 1.9
    layer.paint(Shape().circle(ha[0], ha[1], r), shade(look["skin"], k), ow=OW * 0.8, light=0.2, edge=0.2)


def _leg(layer, look, j, side, view, far=False):
    k = 0.8 if far else 1.0
    hip, kn, ft = j["hip_" + side], j["kn_" + side], j["ft_" + side]
    layer.paint(Shape().line([hip, kn, ft], 5.6), shade(look["pants"], k), ow=OW, light=0.22, edge=0.3,
                grain=0.04)
    if look.get("torn_pants") == side:
        layer.paint(Shape().line([kn, ft], 3.2), shade(look["skin"], k), ow=OW * 0.7, light=0.2)
    if view == "side":
        shoe = Shape().ellipse(ft[0] + 1.6, ft[1] + 1.3, 3.7, 2.0)
    else:
        shoe = Shape().ellipse(ft[0], ft[1] + 1.4, 3.0, 2.1)
    layer.paint(shoe, shade(look["shoes"], k), ow=OW, light=0.35, edge=0.2)


def _pelvis(layer, look, j, view):
    if view == "side":
        s = Shape().ellipse(j["waist"][0], j["hip_r"][1] - 0.2, 4.6, 3.2)
    else:
        s = Shape().rect(j["hip_l"][0] - 3.0, j["hip_l"][1] - 2.4, j["hip_r"][0] + 3.0, j["hip_r"][1] + 2.6, 1.6)
    layer.paint(s, look["pants"], ow=OW, light=0.2, edge=0.25)


def _torso_shape(j, view):
    sl, sr, wa = j["sh_l"], j["sh_r"], j["waist"]
    if view == "side":
        c = j["chest"]
        pts = [(c[0] - 4.6, c[1] + 0.2), (c[0] + 3.2, c[1] - 0.2), (c[0] + 4.6, c[1] + 6.0),
               (wa[0] + 4.4, wa[1] - 1.0), (wa[0] - 4.4, wa[1] - 0.5)]
        return Shape().poly(pts).circle(c[0] - 0.6, c[1] + 2.4, 4.3)
    pts = [(sl[0] - 0.6, sl[1] - 2.4), (sr[0] + 0.6, sr[1] - 2.4), (sr[0] - 0.8, wa[1] - 1.0),
           (sl[0] + 0.8, wa[1] - 1.0)]
    return (Shape().poly(pts).circle(sl[0] + 0.4, sl[1] - 0.2, 2.5).circle(sr[0] - 0.4, sr[1] - 0.2, 2.5)
            .rect(sl[0] + 1.0, wa[1] - 6.0, sr[0] - 1.0, wa[1] + 0.2, 1.0))


def _torso(layer, look, j, view):
    layer.paint(_torso_shape(j, view), look["top"], ow=OW, light=0.3, edge=0.35, grain=0.05,
                glint=look.get("shine", 0.0))
    style, wa, ch = look["top_style"], j["waist"], j["chest"]
    if view == "front":
        if style in ("jacket", "leather", "field"):
            layer.paint(Shape().poly([(ch[0] - 2.4, ch[1] - 1.5), (ch[0] + 2.4, ch[1] - 1.5),
                                      (wa[0] + 1.2, wa[1] - 2.0), (wa[0] - 1.2, wa[1] - 2.0)]),
                        look["shirt"], ow=OW * 0.6, light=0.2)
        if style == "hoodie":
            layer.paint(Shape().ellipse(ch[0], ch[1] - 0.4, 5.0, 2.3), shade(look["top"], 0.8), ow=OW * 0.6)
            layer.fill(Shape().line([(ch[0] - 1.6, ch[1] + 1.5), (ch[0] - 1.8, ch[1] + 6.0)], 0.7), (235, 225, 210))
            layer.fill(Shape().line([(ch[0] + 1.6, ch[1] + 1.5), (ch[0] + 1.8, ch[1] + 6.0)], 0.7), (235, 225, 210))
            layer.paint(Shape().rect(ch[0] - 4.2, wa[1] - 7.0, ch[0] + 4.2, wa[1] - 3.0, 1.2),
                        shade(look["top"], 0.85), ow=OW * 0.5, light=0.1)
        if style == "field":
            for dx in (-4.2, 4.2):
                layer.paint(Shape().rect(ch[0] + dx - 2.0, ch[1] + 2.5, ch[0] + dx + 2.0, ch[1] + 6.0, 0.6),
                            shade(look["top"], 0.85), ow=OW * 0.5, light=0.1)
        if style == "windbreaker":
            layer.paint(Shape().rect(j["sh_l"][0] - 0.5, ch[1] + 4.0, j["sh_r"][0] + 0.5, ch[1] + 7.0),
                        look["shirt"], ow=OW * 0.5, light=0.2)
    if view == "back" and style == "hoodie":
        layer.paint(Shape().ellipse(ch[0], ch[1] + 1.2, 5.2, 3.4), shade(look["top"], 0.85), ow=OW * 0.7)
    if style == "rags":
        layer.fill(Shape().poly([(wa[0] - 6, wa[1] - 1.5), (wa[0] - 3.5, wa[1] + 1.5), (wa[0] - 1, wa[1] - 1),
                                 (wa[0] + 2, wa[1] + 2), (wa[0] + 5.5, wa[1] - 1.5), (wa[0] + 6, wa[1] - 3),
                                 (wa[0] - 6, wa[1] - 3)]), look["top"])
        for (dx, dy, r) in look["stains"]:
            if view == "back" and dx < 0:
                continue
            layer.fill(Shape().ellipse(ch[0] + dx, ch[1] + dy, r, r * 0.8), layout.BLOOD, alpha=0.85)


def _backpack(layer, look, j, view):
    ch = j["chest"]
    if view == "back":
        layer.paint(Shape().rect(ch[0] - 6.0, ch[1] + 1.0, ch[0] + 6.0, ch[1] + 15.0, 2.5), look["backpack"],
                    ow=OW, light=0.3, edge=0.3, grain=0.05)
        layer.paint(Shape().rect(ch[0] - 5.0, ch[1] + 0.5, ch[0] + 5.0, ch[1] + 6.0, 2.0),
                    shade(look["backpack"], 0.82), ow=OW * 0.7, light=0.2)
    elif view == "side":
        layer.paint(Shape().rect(ch[0] - 10.5, ch[1] + 1.5, ch[0] - 4.0, ch[1] + 15.0, 2.2), look["backpack"],
                    ow=OW, light=0.3, edge=0.3)
    else:
        for s in ("l", "r"):
            sh = j["sh_" + s]
            x = sh[0] + (2.2 if s == "l" else -2.2)
            layer.fill(Shape().line([(x, sh[1] - 1.5), (x + (0.8 if s == "l" else -0.8), sh[1] + 9.0)], 1.3),
                       shade(look["backpack"], 0.7))


def _hair_shape(look, j, view):
    hx, hy = j["head"]
    style = look["hair_style"]
    if style == "bald":
        return None
    s = Shape()
    if view == "back":
        s.ellipse(hx, hy - 0.3, 6.3, 6.9).rect(hx - 7, hy + 4.2, hx + 7, hy + 8, erase=True)
    elif view == "side":
        s.ellipse(hx - 0.6, hy - 0.7, 6.3, 6.8).ellipse(hx + 3.4, hy + 2.4, 5.2, 5.6, erase=True)
    else:
        s.ellipse(hx, hy - 0.7, 6.4, 6.9).ellipse(hx, hy + 2.6, 6.4, 6.0, erase=True)
        s.ellipse(hx - 5.5, hy - 0.6, 1.1, 2.2).ellipse(hx + 5.5, hy - 0.6, 1.1, 2.2)
    if style == "slick":
        s.ellipse(hx + (1.5 if view == "side" else 0), hy - 5.4, 5.0, 2.6)
    if style == "ponytail":
        if view == "back":
            s.line([(hx, hy + 2.0), (hx + 0.5, hy + 10.5)], 2.8)
        elif view == "side":
            s.line([(hx - 5.0, hy - 1.0), (hx - 7.5, hy + 4.0), (hx - 7.0, hy + 9.0)], 2.6)
    if style == "ragged":
        s = Shape()
        if view == "front":
            s.ellipse(hx - 3.0, hy - 4.6, 3.2, 2.0).ellipse(hx + 2.6, hy - 5.0, 2.4, 1.6)
        else:
            s.ellipse(hx - 1.0, hy - 3.0, 5.2, 3.6).ellipse(hx + 2.0, hy + 1.0, 2.0, 3.0, erase=True)
    return s


def _face(layer, look, j, view):
    hx, hy = j["head"]
    dark = (26, 18, 24)
    zombie = look.get("zombie")
    if view == "front":
        for dx in (-2.3, 2.3):
            if zombie:
                layer.glow(Shape().circle(hx + dx, hy + 0.6, 0.9), layout.AMBER, 1.2, 0.9)
                layer.fill(Shape().circle(hx + dx, hy + 0.6, 0.95), (255, 214, 120))
            else:
                layer.fill(Shape().ellipse(hx + dx, hy + 0.6, 0.75, 0.95), dark)
                layer.fill(Shape().line([(hx + dx - 1.2, hy - 1.5), (hx + dx + 1.0, hy - 1.7)], 0.7),
                           shade(look["hair"], 0.7))
        if zombie:
            layer.fill(Shape().ellipse(hx + 0.3, hy + 4.1, 1.9, 1.3), (40, 8, 12))
        else:
            layer.fill(Shape().line([(hx - 1.1, hy + 3.7), (hx + 1.1, hy + 3.7)], 0.6), shade(look["skin"], 0.6))
        if look.get("glasses") == "sun":
            layer.paint(Shape().ellipse(hx - 2.3, hy + 0.6, 1.9, 1.4).ellipse(hx + 2.3, hy + 0.6, 1.9, 1.4)
                        .line([(hx - 1, hy + 0.3), (hx + 1, hy + 0.3)], 0.6), (20, 22, 30), ow=0.4, glint=0.6)
        elif look.get("glasses") == "clear":
            for dx in (-2.3, 2.3):
                layer.paint(Shape().circle(hx + dx, hy + 0.6, 1.7), (150, 190, 210), ow=0.45, light=0.5,
                            alpha=0.55)
    elif view == "side":
        if zombie:
            layer.glow(Shape().circle(hx + 3.1, hy + 0.3, 0.9), layout.AMBER, 1.2, 0.9)
            layer.fill(Shape().circle(hx + 3.1, hy + 0.3, 0.9), (255, 214, 120))
            layer.fill(Shape().ellipse(hx + 4.0, hy + 3.8, 1.5, 1.1), (40, 8, 12))
        else:
            layer.fill(Shape().ellipse(hx + 3.1, hy + 0.4, 0.7, 0.9), dark)
        if look.get("glasses") == "sun":
            layer.paint(Shape().ellipse(hx + 3.4, hy + 0.4, 1.8, 1.3), (20, 22, 30), ow=0.4, glint=0.6)
        elif look.get("glasses") == "clear":
            layer.paint(Shape().circle(hx + 3.3, hy + 0.4, 1.6), (150, 190, 210), ow=0.45, alpha=0.55)


def _head(layer, look, j, view):
    hx, hy = j["head"]
    nk = j["neck"]
    layer.paint(Shape().rect(nk[0] - 2.0, hy + 3.0, nk[0] + 2.0, nk[1] + 2.5), shade(look["skin"], 0.85),
                ow=OW, light=0.1)
    head = Shape().ellipse(hx, hy, 5.8, 6.5)
    if view == "side":
        head.circle(hx + 5.4, hy + 1.4, 1.2)
        if look.get("zombie"):
            head.ellipse(hx + 2.5, hy + 4.8, 3.2, 2.6)
    layer.paint(head, look["skin"], ow=OW, light=0.38, edge=0.3)
    if view == "side":
        layer.paint(Shape().ellipse(hx - 1.0, hy + 0.9, 1.3, 1.7), shade(look["skin"], 0.9), ow=0.5, light=0.1)
    if look.get("beard") and view != "back":
        if view == "front":
            b = Shape().ellipse(hx, hy + 3.4, 5.2, 3.6).ellipse(hx, hy + 1.0, 4.6, 2.4, erase=True)
            b.ellipse(hx, hy + 3.7, 1.5, 0.8, erase=True)
        else:
            b = Shape().poly([(hx - 1.2, hy + 1.0), (hx + 5.0, hy + 2.8), (hx + 4.0, hy + 6.0), (hx - 0.5, hy + 5.6)])
        layer.paint(b, look["hair"], ow=OW * 0.6, light=0.25, grain=0.08)
    if view != "back":
        _face(layer, look, j, view)
    hair = _hair_shape(look, j, view)
    if hair is not None:
        layer.paint(hair, look["hair"], ow=OW, light=0.4, edge=0.25, grain=0.1, glint=look.get("hair_shine", 0.3))
    if look.get("beanie") is not None:
        cap = look["beanie"]
        top = Shape().ellipse(hx - (0.6 if view == "side" else 0), hy - 1.6, 6.6, 6.2)
        top.rect(hx - 8, hy - 0.6, hx + 8, hy + 8, erase=True)
        layer.paint(top, cap, ow=OW, light=0.35, edge=0.25, grain=0.12)
        band = Shape().rect(hx - 6.5, hy - 2.6, hx + (5.8 if view == "side" else 6.5), hy - 0.2, 1.0)
        layer.paint(band, shade(cap, 0.82), ow=OW * 0.8, light=0.2, grain=0.12)
    if look.get("cap") is not None:
        cap = look["cap"]
        crown = Shape().ellipse(hx, hy - 2.4, 6.3, 4.7).rect(hx - 8, hy - 1.6, hx + 8, hy + 4, erase=True)
        layer.paint(crown, cap, ow=OW, light=0.4, edge=0.25)
        if view == "front":
            layer.paint(Shape().ellipse(hx, hy - 1.4, 6.6, 1.9), shade(cap, 0.85), ow=OW, light=0.2)
        elif view == "side":
            layer.paint(Shape().poly([(hx + 2.0, hy - 3.0), (hx + 9.8, hy - 1.8), (hx + 9.6, hy - 0.8),
                                      (hx + 2.0, hy - 1.0)]), shade(cap, 0.85), ow=OW, light=0.2)


def _flash(layer, x, y, r=3.4):
    star = [(x + math.cos(a * math.pi / 4) * (r if a % 2 == 0 else r * 0.42),
             y + math.sin(a * math.pi / 4) * (r if a % 2 == 0 else r * 0.42)) for a in range(8)]
    layer.glow(Shape().circle(x, y, r * 0.8), layout.EMBER, r * 0.9, 0.9)
    layer.fill(Shape().poly(star), layout.AMBER)
    layer.fill(Shape().circle(x, y, r * 0.38), layout.GLOW)


def _gun(layer, j, view, col, rifle_colour):
    """The firearm of the two firing columns; returns nothing, draws over the hands' level."""
    metal = (46, 48, 58)
    if col == fp.FIRE_ONE:
        ha = j["ha_r"]
        if view == "side":
            layer.paint(Shape().rect(ha[0] - 1.0, ha[1] - 1.8, ha[0] + 5.0, ha[1] - 0.2, 0.3)
                        .rect(ha[0] - 0.8, ha[1] - 1.0, ha[0] + 1.0, ha[1] + 2.0), metal, ow=0.6, glint=0.4)
            _flash(layer, ha[0] + 8.0, ha[1] - 1.2)
        elif view == "front":
            layer.paint(Shape().rect(j["ha_l"][0] - 0.5, ha[1] - 1.0, ha[0] + 0.5, ha[1] + 2.0, 0.4), metal,
                        ow=0.6, glint=0.4)
            _flash(layer, (ha[0] + j["ha_l"][0]) / 2, ha[1] + 5.0)
    elif col == fp.FIRE_TWO:
        if view == "side":
            hr, hl = j["ha_r"], j["ha_l"]
            layer.paint(Shape().line([(hr[0] - 9.0, hr[1] + 1.5), (hl[0] + 8.5, hl[1] - 0.8)], 2.0), metal,
                        ow=0.6, glint=0.3)
            layer.paint(Shape().poly([(hr[0] - 10.5, hr[1] + 0.5), (hr[0] - 3.0, hr[1] - 0.2),
                                      (hr[0] - 3.0, hr[1] + 2.8), (hr[0] - 10.0, hr[1] + 3.5)]), rifle_colour,
                        ow=0.6, grain=0.1)
            _flash(layer, hl[0] + 11.5, hl[1] - 0.9, 3.8)
        elif view == "front":
            a, b = _pt(j["sh_r"], 1.0, 1.0), _pt(j["ha_l"], -1.8, 5.0)
            layer.paint(Shape().line([a, b], 2.4), metal, ow=0.6, glint=0.3)
            layer.paint(Shape().line([a, _pt(a, -1.6, 3.0)], 3.2), rifle_colour, ow=0.6)
            _flash(layer, b[0] - 1.2, b[1] + 2.4, 3.6)
        else:
            a = _pt(j["sh_r"], 0.5, 2.0)
            layer.paint(Shape().line([a, (a[0] + 2.5, a[1] - 16.0)], 2.2), metal, ow=0.6)


def _swoosh(layer, view):
    if view == "side":
        pts = [(44.0 + 9 * math.cos(t), 34.0 + 12 * math.sin(t)) for t in [-1.3 + 0.2 * k for k in range(12)]]
    else:
        pts = [(33.0 + 11 * math.cos(t), 30.0 + 12 * math.sin(t)) for t in [-1.0 + 0.22 * k for k in range(12)]]
    for i in range(len(pts) - 1):
        layer.fill(Shape().line(pts[i:i + 2], 0.6 + 0.22 * i), (255, 236, 200), alpha=0.18 + 0.04 * i)


def _blood_spray(layer, j, rng_pts):
    ch = j["chest"]
    for dx, dy, r in rng_pts:
        layer.fill(Shape().circle(ch[0] + dx, ch[1] + dy, r), (168, 24, 30))


def draw(layer, look, view, col, shadow=True):
    """Draws the figure of one sheet cell into a 58 x 83 layer (view "front", "back" or "side")."""
    j = fp.joints(view, col, look.get("zombie", False))
    if shadow:
        layer.glow(Shape().ellipse(layout.FEET_X, layout.FEET_Y - 2.0, 9.0, 2.6), (6, 6, 14), 1.4, 0.55)
    zombie = look.get("zombie", False)
    if view == "back":
        if col == fp.FIRE_ONE:
            _flash(layer, 33.0, 17.0, 3.0)
        if col == fp.FIRE_TWO:
            _flash(layer, j["sh_r"][0] + 3.0, j["sh_r"][1] - 17.5, 3.4)
        if col == fp.FIRE_TWO:
            _gun(layer, j, view, col, look["stock"])
    if view == "side":
        _arm(layer, look, j, "l", far=True)
        _leg(layer, look, j, "l", view, far=True)
        _leg(layer, look, j, "r", view)
        if look.get("backpack") is not None:
            _backpack(layer, look, j, view)
        _pelvis(layer, look, j, view)
        _torso(layer, look, j, view)
        _head(layer, look, j, view)
        _gun(layer, j, view, col, look["stock"])
        _arm(layer, look, j, "r")
    else:
        reaching = zombie and col in (fp.STAND, fp.STEP_A, fp.STEP_B, fp.STRIKE)
        # Seen from behind, arms held forward are hidden by the body.
        hidden = view == "back" and (reaching or col in (fp.FIRE_ONE, fp.FIRE_TWO, fp.USE))
        if hidden:
            _arm(layer, look, j, "l")
            _arm(layer, look, j, "r")
        _leg(layer, look, j, "l", view)
        _leg(layer, look, j, "r", view)
        _pelvis(layer, look, j, view)
        _torso(layer, look, j, view)
        if look.get("backpack") is not None:
            _backpack(layer, look, j, view)
        if reaching and view == "front":  # the arms reach out toward the viewer, in front of the face
            _head(layer, look, j, view)
        if not hidden:
            _arm(layer, look, j, "l")
            _arm(layer, look, j, "r")
        if not (reaching and view == "front"):
            _head(layer, look, j, view)
        if view == "front":
            _gun(layer, j, view, col, look["stock"])
    if col == fp.STRIKE:
        _swoosh(layer, view)
    if col == fp.HURT:
        _blood_spray(layer, j, [(3.0, -3.0, 0.9), (5.5, -5.0, 0.7), (1.0, -6.5, 0.6), (6.5, -1.5, 0.5)])


def render(look, facing, col, shadow=True):
    """One 58 x 83 frame, supersampled picture (before scaling down); facing 1 up, 2 right, 3 down, 4 left."""
    if look.get("zombie") and col in (fp.FIRE_ONE, fp.FIRE_TWO):
        col = fp.STRIKE  # zombies carry no guns: these cells repeat the lunge
    elif look.get("zombie") and col == fp.USE:
        col = fp.STAND
    layer = art.Layer(layout.FRAME_W, layout.FRAME_H, SS)
    view = {1: "back", 2: "side", 3: "front", 4: "side"}[facing]
    draw(layer, look, view, col, shadow)
    if facing == 4:
        layer.img = layer.img.transpose(Image.FLIP_LEFT_RIGHT)
    return layer
