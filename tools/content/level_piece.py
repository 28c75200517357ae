"""One drawn piece of the level: a picture at a map position, its depth for the painter and its effects."""

from PIL import Image


class Piece:
    """A picture placed on the map.

    x, y: top-left corner in map pixels; depth: map y of the piece's front foot line (what stands in
    front of it is drawn later); hide: it fades while the mouse points at a cell it covers (roofs,
    crowns); top_row: force the painter's row (raised ground is drawn with its first row);
    shadows: polygons darkening the ground; lights: (cx, cy, rx, ry, strength) pools of warm light.
    """

    def __init__(self, img, x, y, depth, hide=False, top_row=None, name=""):
        bbox = img.getbbox()
        if bbox and bbox != (0, 0, img.width, img.height):
            img = img.crop(bbox)
            x, y = x + bbox[0], y + bbox[1]
        self.img = img
        self.x, self.y = int(x), int(y)
        self.depth = depth
        self.hide = hide
        self.top_row = top_row
        self.name = name
        self.shadows = []
        self.lights = []


def composite(pieces, name):
    """One piece holding several pieces drawn back to front, placed at their common bounding box."""
    x0 = min(p.x for p in pieces)
    y0 = min(p.y for p in pieces)
    x1 = max(p.x + p.img.width for p in pieces)
    y1 = max(p.y + p.img.height for p in pieces)
    img = Image.new("RGBA", (x1 - x0, y1 - y0), (0, 0, 0, 0))
    for p in sorted(pieces, key=lambda p: (p.depth, p.x)):
        img.alpha_composite(p.img, (p.x - x0, p.y - y0))
    return Piece(img, x0, y0, min(p.depth for p in pieces), name=name)
