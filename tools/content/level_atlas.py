"""Packs the level's sprite pictures into as few textures of at most 2048 x 2048 pixels as fit."""

from PIL import Image

MAX_SIDE = 2048
PAD = 1


def pack(images):
    """Shelf-packs pictures; returns (texture sizes, placements) with placement = (texture, x, y)."""
    order = sorted(range(len(images)), key=lambda i: (-images[i].height, -images[i].width, i))
    textures = []  # per texture: [shelves], each shelf [y, height, x]
    places = [None] * len(images)
    for i in order:
        w, h = images[i].width + PAD, images[i].height + PAD
        assert w <= MAX_SIDE and h <= MAX_SIDE, "sprite too large for a texture"
        placed = False
        for t, shelves in enumerate(textures):
            for shelf in shelves:
                if shelf[2] + w <= MAX_SIDE and h <= shelf[1]:
                    places[i] = (t, shelf[2], shelf[0])
                    shelf[2] += w
                    placed = True
                    break
            if not placed:
                top = shelves[-1][0] + shelves[-1][1] if shelves else 0
                if top + h <= MAX_SIDE:
                    shelves.append([top, h, w])
                    places[i] = (t, 0, top)
                    placed = True
            if placed:
                break
        if not placed:
            textures.append([[0, h, w]])
            places[i] = (len(textures) - 1, 0, 0)
    sizes = []
    for t, shelves in enumerate(textures):
        width = max(s[2] for s in shelves)
        height = shelves[-1][0] + shelves[-1][1]
        sizes.append((width, height))
    return sizes, places


def render(images, sizes, places):
    """The packed textures as RGBA pictures."""
    out = [Image.new("RGBA", s, (0, 0, 0, 0)) for s in sizes]
    for img, (t, x, y) in zip(images, places):
        out[t].paste(img, (x, y))
    return out
