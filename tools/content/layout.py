"""Numbers and colours every content script shares: cell size, figure frames, screen, dusk palette."""

# Screen of the game window.
SCREEN_W = 800
SCREEN_H = 600

# One map cell in pixels (written into Data/map1.dhm by the level script).
CELL_W = 36
CELL_H = 26
# Raised ground (floor type 2) lifts a figure by this many pixels.
RAISED_H = 22

# Figure sheets: frame size, grid, and where a figure is drawn relative to its cell's top-left corner.
FRAME_W = 58
FRAME_H = 83
FRAME_COLS = 9
FRAME_ROWS = 8
FIGURE_DX = -11
FIGURE_DY = -60
# Inside a frame: the point that stands on the cell's centre (feet) and the foot line.
FEET_X = CELL_W // 2 - FIGURE_DX  # 29
FEET_Y = CELL_H // 2 - FIGURE_DY + 4  # 77

# Files the interface loads (relative to the output root).
FONT_FILE = "Data/font.fnt"
FONT_BITMAP = "Data/font.png"
ITEMS_TEXTURE = "Data/items.png"
PERSON_TEXTURE = "Data/person.png"
MAN_TEXTURES = ["Data/man%d.png" % i for i in range(1, 6)]
ZOMBIE_TEXTURE = "Data/zombie1.png"

# Dusk palette (R, G, B): deep blues and purples, warm orange highlights.
NIGHT = (14, 16, 34)
DEEP_BLUE = (28, 34, 68)
SLATE = (52, 60, 98)
DUSK_PURPLE = (74, 50, 104)
MAUVE = (128, 82, 124)
EMBER = (232, 126, 58)
AMBER = (250, 176, 86)
GLOW = (255, 222, 150)
BLOOD = (150, 28, 34)
ROT_GREEN = (112, 138, 84)
BONE = (226, 218, 196)
INK = (10, 8, 16)
