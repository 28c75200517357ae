"""Kestrel Park, a housing estate: two tower blocks with their car parks, a railed playground and a walled
pitch, a row of shops, and the lock-up garages where the getaway car waits. The characters are those of
level_plan.py."""

PLAN = r"""

. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ .

. . . . . . . . . . . . . . . . . . . . . . _ , , _ . . . . . . . . . . . . . . . . . . . . . . . .
       +-+-+-+-+-+-+-+-+-+-+                               +-+-+-+-+-+-+-+-+-+-+-+-+
. . . .|k t t t w|t t t t r|. . . . . . . . _ , , _ . . . .|w t t t t t|t t t t t k|. . . . . . . .
       +         +         +                               +           +           +
. . . .|t t t t t|t t t t t|. . . . . . . L _ , , _ L . . .|t t t t t tot t t t t t|. . . . . . . .
       +         +         +                               +           +           +
. . . .|t t t t t|t s t t t|. . . . . . . . _ , , _ . . . .|t t t A t t|t t t t t tw. . . T . . . .
       +-+-+o+-+-+         +                               +           +           +
. . . .wt t t t t t t t t tw. . . T . . . . _ , , _ . . . .|t t t t t t t t t t t t|. . . . . . . .
       +                   +                               +                       +
. . T .|t t t t t t t t t t|. . . . . . . . _ , , _ . . . .|t t t t t t t t r t t t|. . . . . . . .
       +                   +                               +                       +
. . . .|t t t t t t t t t t|. . . . . . . . _ , , _ . . . .|t t t t t t t t t t t k|. . . . . . . .
       +                   +                               +-+-+w+-+-+o+o+-+-+w+-+-+
. . . .|B B t t t t t t t t|. . . . . . . . _ , , _ . . . . . . . . . . . . . . . . . . . . . . . .
       +-+-+w+-+o+o+-+w+-+-+
. . . . . . . . . . . . . . . . . . . . . L _ , , _ L . , , , , , , , , , , , , , , , , , , b . . .
     +h+h+h+h+h+h+h+h+h+h+h+h+h+h+   +h+
. . . , , , , , , , , , , , , , , , , , . . _ , , _ . . , , C C C , , , , , , , , , , , , , , . . .

. . . , , C C C , , , C C C , , , , , , . . _ , , _ . . , , C C C , , , , , , , , , , , , , , . . .

. . . , , C C K , , , C C C , , , , , , . . _ , , _ . . , , , , , , , , , , , , C C C , , , , . . .

. . . , , , , , , , , , , , , , , , , b . . _ , , _ . . , , , , , , , , , , , , C C K , , , , . . .

. . . , , , , , , , , , , , , , C C C , . . _ , , _ . . . . . . . . . . . . . . . . . . . . . . . .

. . . d D , , , , , , , , , , , K C C , . L _ , , _ L . . . . . . . . . . . . . . . . . . . . . . .
                                                       +r+r+r+r+r+r+r+r+r+r+r+ +H+H+H+w+H+H+H+H+
. . . . . . . . . . . . . . . . . . . . . . _ , , _ . .r. . . . . . . . . . .r.H" " " " " " " "H. .
                                                       +                     + +               +
. . . . . . . . . . . . . . . . . . . . . . _ , , _ . .r. . . . . . . . . . .r.H" j " " " " " "H. .
     +-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+-+f+f+           +                     + +               +
. . .|x u u u|u c u u|u u u u|u u u u c|. . _ , , _ . .r. . n n n . . . . . .r.H" " " " " " " "H. .
     +       +       +       +         +               +                     + +               +
. . .|u u u u|u u u u|u X u u|u u u u u|. . _ , , _ . .r. . n n n . . . . . .r.H" " " " " " " "H. .
     +-+-+o+-+-+-+o+-+-+-+o+-+-+-+o+-+-+               +                     + +               +
. . . g g g g g g g g g g g g g g g g g . . _ , , _ . .r. . . . . . . p p p .r.H" " " " " " " "H. .
                                                       +                     + +               +
. . . g g g g g g g g g g g g P P P g g . L _ , , _ L .r. . . . . . . . . . .r. " " " " " " " "H. .
                                                       +                     + +               +
. . . g g g g g g g g g g g E P P P g g . . _ , , _ . .r. . . . . . . . . . .r.H" " " " " " " "H. .
                                                       +r+r+r+r+r+ +r+r+r+r+r+ +               +
. . . g g g g g g g g g g g g g g g g g . . _ , , _ . . . . . . . . . . . . . .H" " " " " " " "H. .
                                                                               +               +
. . . g g g g g g g g g g g g g g g g g . . _ , , _ . . . . . . . . . . . . . .H" " " " " " T "H. .
                                                                               +               +
. . . g g g g g g g g g g g g g g g g g . . _ , , _ . . . . . . . . . . . . . .H" " " " " " " "H. .
                                                                               +H+H+H+H+H+H+H+H+
. . . ~ ~ ~ ~ g g g g g g g g g g g g g . . _ , , _ . . . . . . . . . . . . . . . . . . . . . . . .
                                                         +-+-+-+-+-+-+-+-+-+
. . . g % % g g g g g g g g g g g g d D . L _ , , _ L . _|s t t s tot t t r|_ _ _ _ _ _ _ _ _ . . .
                                                         +         +       +
. . . g g g g g j g g g g g g g g g g g . . _ , , _ . . _|t t t t t|t t t t|_ _ _ _ _ _ _ _ _ . . .
                                                         +-+w+-+-+o+-+-+w+-+
. . . g g g g g g g g g g g g g g g g g . . _ , , _ . . _ _ _ _ _ _ _ _ _ _ _ _ _ m _ _ _ _ _ T . .

. . . . . . . . . . . . . . . . . . . . . . _ , , _ . . . . . . . . . . . . . . . . . . . . . . . .

. _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .
"""

# Roofed buildings: (name, first column, first row, last column, last row, roof colour, lit windows).
BUILDINGS = [
    ("tower_a", 4, 5, 13, 11, "tar", True),
    ("tower_b", 30, 5, 41, 10, "tar", False),
    ("garages", 3, 21, 19, 22, "tin", False),
    ("shops", 29, 30, 37, 31, "green", True),
]
