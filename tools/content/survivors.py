"""The five survivors and the zombie: colours and clothes shared by the figure sheets and the photos."""

# Survivor i wears sheet Data/man{i+1}.png and photo i of the photo row.
SURVIVORS = [
    {  # the lad in the orange hoodie
        "skin": (226, 178, 140), "hair": (66, 44, 32), "hair_style": "short", "beard": False,
        "top": (226, 112, 46), "top_style": "hoodie", "shirt": (236, 226, 210),
        "pants": (54, 70, 112), "shoes": (226, 222, 214), "cap": None, "glasses": None,
        "backpack": None, "stock": (120, 76, 44), "backdrop": (70, 52, 96),
    },
    {  # the grey veteran with the beard and the field pack
        "skin": (212, 160, 124), "hair": (168, 166, 160), "hair_style": "short", "beard": True,
        "beanie": (52, 58, 60),
        "top": (96, 108, 62), "top_style": "field", "shirt": (70, 66, 52),
        "pants": (126, 114, 84), "shoes": (72, 52, 38), "cap": None, "glasses": None,
        "backpack": (86, 74, 52), "stock": (120, 76, 44), "backdrop": (44, 64, 96),
    },
    {  # the redhead in the baseball cap and the denim jacket
        "skin": (238, 196, 164), "hair": (196, 96, 42), "hair_style": "short", "beard": False,
        "top": (70, 112, 170), "top_style": "jacket", "shirt": (236, 232, 220),
        "pants": (40, 38, 46), "shoes": (150, 44, 40), "cap": (196, 44, 46), "glasses": None,
        "backpack": None, "stock": (120, 76, 44), "backdrop": (96, 56, 78),
    },
    {  # the biker in black leather and sunglasses
        "skin": (196, 146, 108), "hair": (28, 24, 26), "hair_style": "slick", "beard": False,
        "top": (40, 36, 42), "top_style": "leather", "shirt": (150, 36, 44),
        "pants": (64, 86, 130), "shoes": (30, 26, 28), "cap": None, "glasses": "sun", "shine": 0.45,
        "backpack": None, "stock": (120, 76, 44), "backdrop": (58, 46, 90),
    },
    {  # the tall one with glasses, a ponytail and the purple windbreaker
        "skin": (232, 190, 156), "hair": (214, 184, 116), "hair_style": "ponytail", "beard": False,
        "top": (122, 68, 146), "top_style": "windbreaker", "shirt": (96, 200, 196),
        "pants": (92, 94, 104), "shoes": (60, 64, 80), "cap": None, "glasses": "clear",
        "backpack": None, "stock": (120, 76, 44), "backdrop": (40, 70, 84),
    },
]

ZOMBIE = {
    "zombie": True, "skin": (124, 152, 98), "hair": (52, 50, 40), "hair_style": "ragged", "beard": False,
    "top": (150, 140, 118), "top_style": "rags", "shirt": (150, 140, 118),
    "pants": (60, 58, 70), "shoes": (44, 40, 40), "cap": None, "glasses": None, "backpack": None,
    "stock": (120, 76, 44), "torn_sleeve": "l", "torn_pants": "r",
    "stains": [(2.5, 4.0, 2.2), (-3.0, 9.0, 1.6), (4.0, 13.0, 1.3)],
}
