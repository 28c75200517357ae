"""Marsh End, a farming village: a street of houses, a shop and a pub, a walled garden and allotments west
of the river; a bridge over to the farm, where the getaway car waits in the yard between the barn and the fields.
The characters are those of level_plan.py."""

PLAN = r"""

. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .

. , , , , , , , , , , , , , , , , , , , , , , , , , , C C K , , , , , , , , , , , , , , , , , , , .

. , , , , , , , , , , , , , , , , , , , , , , , , , , C C C , , , , , , , , , , , , , , , , , , , .

. _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ . . . . . . . . . . . . . . . . . . . .

. . . . . . . . . . . . . _ , , _ . . . . . . . . . . . . " W W " . . . . . . . . . . . . . . . . .
         +-+-+-+-+-+-+             +-+-+-+-+-+-+-+-+-+             +-+-+-+-+-+ +-+-+-+-+-+-+-+
. . . . .|k = = = = w|. . _ , , _ .|t t t t t t t t r|. . " W W " .|k = = = r|.|c u u u u u c|. . .
         +           +             +                 +             +         + +             +
. . T . .|= = = = = =w. . L , , _ .|t t t t t t t t t|. . " W W " .w= = = = =|.|u u u u u u u|T . .
         +           +             +                 +             +         + +             +
. . . . .w= = A = = =|. . _ , , _ .|t t s t t t s t t|. . " W W " .|= = = = =|.|u x u u u u uw. . .
         +           +             +                 +             +         + +             +
. . . . .|= = = = = =|. . _ , , _ .|t t t t t t t t t|. . " W W " .|= B B = =|.|u u u u u u u|. . .
         +           +             +                 +             +-+w+o+-+w+ +             +
. . . . .|= = = = B B|. . _ , , _ .|t t t t t t t t t|. . " W W " . . p p p . .|u u u u u u c|. . .
         +-+-+o+-+w+-+             +-+w+-+-+o+-+-+w+-+                         +-+-+-+o+o+-+-+
. . . . . . . . . . . . . _ , , _ . . . . . . . . . . . . " W W " . . . . . . . . . ^ ^ ^ ^ . . . .
                                   +-+-+-+-+-+-+-+-+-+                                     +f+f+f+
. . . T . . . . . . . b . _ , , _ .|= = = = = = = = k|. . " W W " g g g g g g g g g g g g gf~ ~ ~ .
                                   +                 +                                     +
. . . . . . . . . . . . . L , , _ .o= A = = A = = = =|. . " W W " T g g g g g g g g g g g gf~ ~ ~ .
         +-+-+-+-+-+-+             +                 +                                     +
. . . . .|r t t t t t|. . _ , , _ .|= = = = = = = = =|. . " W W " g g g g g g g g g g g j gf~ ~ ~ .
         +           +             +                 +                                     +
. . . . .|t t t t t t|. . _ , , _ .|= = = = = = = = =|. . " W W " g g g g g g g g g g g g gf~ ~ ~ .
         +           +             +-+-+w+-+-+o+-+w+-+                                     +
. . . . .|t t A t t to. . _ , , _ . . . . . . . . . . . . " W W " g g g g g g g g g g g g gf~ ~ ~ .
         +           +                                     +r+r+                           +
. . T . .|t t t t t t|. . _ , , _ ; ; ; ; ; ; ; ; ; ; ; ; " = = " g g g g g g g g g C C C gf~ ~ ~ .
         +           +                                                                     +
. . . . .|t t t t t k|. . _ , , _ ; ; ; ; ; ; ; ; ; ; ; ; " = = " g g g g g g g g g K C C gf~ ~ ~ .
         +-+w+-+o+-+-+                                     +r+r+                           +
. . . . . . . . . . . . . L , , _ . . . . . . . . . . . . " W W " g g g g P P P g g g g g g ~ ~ ~ .
                                                                                           +
. . . . . . . T . . . . . _ , , _ . . . . . . . T . . . . " W W " g g g E P P P g g g g g gf~ ~ ~ .
                                                                                           +
. . . . . . . . . . . . m _ , , _ . . . . . . . . . . . . " W W " g g g g g g g g g g g g gf~ ~ ~ .
     +H+H+H+H+H+H+H+               +f+f+f+f+f+f+f+f+f+f+                                   +
. . .H" " " " " " "h. . . _ , , _ .f; ; ; ; ; ; ; ; ; ;f. " W W " g g g g g g g g g g g X gf~ ~ ~ .
     +             +               +                   +                                   +
. . .H" " " " " " "h. . . _ , , _ .f; ~ ~ ~ ; ; ~ ~ ~ ;f. " W W " d D g g g g g g g g g g gf~ ~ ~ .
     +             +               +                   +                                   +
. . .H" " j " " " "h. . . _ , , _ .f; ~ ~ ~ ; ; ~ ~ ~ ;f. " W W " g g g g g g g g g g g g gf~ ~ ~ .
     +             +               +                   +                                   +
. . .H" " " " " " "h. . . L , , _ . ; ~ ~ ~ % % ~ ~ ~ ;f. " W W " g g g g g g g g g g g g gf~ ~ ~ .
     +             +               +                   +                                   +
. . .H" " " " T " "h. . . _ , , _ .f; ~ ~ ~ ; ; ~ ~ ~ ;f. " W W " g g g g g g g g g g g g gf~ ~ ~ .
     +             +               +                   +         +H+H+H+H+H+H+r+r+H+H+H+H+H+
. . .H" " " " " " "h. . . _ , , _ .f; ~ ~ ~ ; ; ~ ~ ~ ;f. " W W " " " " " " " " " " " " " " " " " .
     +             +               +                   +
. . .H" " " " " " "h. T . _ , , _ .f; ; ; ; ; ; ; ; ; ;f. " W W " " " W W W " " " " n n n " " " " .
     +h+h+h+ +h+h+h+               +f+f+f+f+f+f+f+f+f+f+
. . . . . . . . . . . . . _ , , _ . . . . . . . . . . . . " W W " " " W W W " " " " n n n " " " " .

. . . . . . . . . . . . . _ , , _ . . . T . . . . . . . . " W W " " " " " " " " " " " " " " " " " .

. _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , , .

. . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .
"""

# Roofed buildings: (name, first column, first row, last column, last row, roof colour, lit windows).
BUILDINGS = [
    ("house_a", 5, 5, 10, 9, "red", True),
    ("house_b", 5, 13, 10, 17, "slate", False),
    ("shop", 18, 5, 26, 9, "tar", True),
    ("pub", 18, 11, 26, 14, "green", True),
    ("farmhouse", 34, 5, 38, 8, "red", False),
    ("barn", 40, 5, 46, 9, "tin", False),
]
