"""The town of Duskhollow as a character plan: cells, the barriers between them and the roofed buildings."""

# The plan has two text lines per map row. The first holds the top edges of the row's cells and the
# second the cells themselves, each followed by its right edge:
#
#     edge line:  <top of cell 0><corner><top of cell 1><corner> ...
#     cell line:  <cell 0><right of cell 0><cell 1><right of cell 1> ...
#
# Corners are only for the eye. Trailing blanks may be left out.
#
# Cells, by floor type:
#   open (0)      .  grass          _  pavement       ,  asphalt        ;  dirt
#                 g  gravel         =  wooden floor   t  tiled floor    u  concrete floor
#                 E  the escape cell, beside the getaway car
#   rough (1)     %  rubble        "  weeds          ~  mud
#   raised (2)    ^  loading dock   n  grass mound    p  wooden porch
#   blocked (3)   T  tree           C  parked car     P  the getaway car
#                 L  street lamp    W  pond           B  bed            A  table
#                 D  dumpster end   X  oil drums
#   search (4)    K  car boot       b  wheelie bin    c  crates         k  cupboard
#                 r  fridge         w  wardrobe       m  mailbox        d  dumpster
#                 s  shop shelf     x  workbench      j  junk heap
#
# Edges:
#   (blank) nothing   o  doorway   - |  wall   f  picket fence (low)   h  hedge (low)
#   H  brick wall (high: only a gymnast climbs it)   w  window (a gymnast climbs through)
#   r  steel railing (high: only a gymnast vaults it)
PLAN = r"""

. . , , . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .

. _ , , _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _

, , , , , , , , , , , , C C C , , , , , , , , , , , , , , , , , , , , , , C C C , , , , , , , ,

, , , , , , , , , , , , K C C , , , , , , , , , , , , , , , , , , , , , , C C C , , , , , , , ,

. _ , , _ _ _ _ _ L _ _ _ _ _ _ _ _ _ _ _ L _ _ _ _ _ _ _ _ _ _ _ L _ _ _ _ _ _ _ L _ _ _ _ _ _
                                                                                     +
. _ , , _ . . . . _ m . . . . . . . _ . . . . _ _ _ _ _ _ _ _ _ _ _ _ . . . _ . . . .h. . T . .
           +-+w+-+o+-+w+-+   +-+w+-+o+-+w+-+   +-+w+w+-+o+o+-+w+w+-+   +-+-+o+-+w+-+ +
. _ , , _ .|w = = =|t t k|. .|r A = = = = w|. _|A t t t t t t t t t|_ .|w = = = = k|.h. . . . .
           +       +     +   +             +   +                   +   +           + +
. _ , , _ .|= = = =ot A t|. .|= = = = = = =w. _|t t t t t t t t t t|_ .|= = = = = =|.h. T . . .
           +       +     +   +             +   +                   +   +           + +
. _ , , _ .w= A = =|t t t|. .|= = = = = A =|. _|t t s t t t t s t t|_ .|= B B = A =w.h. . . . .
           +       +o+-+-+   +-+-+-+-+o+-+-+   +                   +   +           + +
. _ , , _ .|= = = =|= B B|. .|B B =|= = = =|. _|t t t t t t t t t t|_ .|= = = = = =|.h. n n n .
           +       +     +   +     +       +   +                   +   +           + +
. _ , , _ .|= = = =|= = =|. .|= = =|= = = =|. _|t t t t r t t t t t|_ .|= = = = = =|.h. n n n .
         + +-+w+o+-+-+w+-+ + +-+o+-+-+w+-+-+ + +-+-+-+-+-+-+-+o+-+-+ +H+-+w+-+w+-+-+H+
. _ , , _h. . . . . . . b .f. . . . . . . . .f, , , , , , ^ ^ ^ ^ ^ ,H. " " . . . . .H. . . . .
         +                 +                 +                       +               +
. _ , , _h. . " " " " . . .f. . . . . . . . .f, , d D , , ^ ^ ^ ^ ^ cH. . . . . . . cH. . . T .
         +                 +                 +                       +               +
. _ , , _h. . " " " " . T .f. T . . . . . . .f, , , , , , , , , , , ,H. T . . . . . .H. . . . .
         +                 +                 +                       +               +
. _ , , _h. . . . . . . . .f. . ~ ~ . . . . .f, , , , , , , , , , , ,H. . . . " " . .H. T . . .
         +f+f+f+f+ +f+f+f+f+f+f+f+f+ +f+f+f+f+                       +H+H+H+H+H+H+H+H+
. _ , , _ ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; . . . . .

. _ , , _ ; ; j ; ; ; ; ; ; ; ~ ~ ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; ; . b . . .
                                     +-+-+-+-+H+   +H+H+H+H+H+                       +
. _ , , _ . . . . . . . . . . T . . .|x u u c|g g g g g g X XHg g g g g L g g g g g gh. . . T .
             +-+-+-+-+ +-+-+         +       +               +                       +
. _ , , _ . .|% = = % % = = . . . . .|u u u uwg g g g g g g gHg g C C C g g g g g g gh" " . . .
             +             +         +       +               +                       +
. _ , , _ . .|= % = % = j =|. . . . .|u u u u|g g P P P g g gHg g K C C g g g g g g gh. . . . .
             +             +         +       +               +                       +
. _ , , _ . .|% = = = % % =|. . . . .|u u u u|g g P P P g g gHg g g g g g g g g g g g . W W W .
             +             +         +-+o+o+-+               +                       +
. _ , , _ . . = = % % = = =|. . . . .Hg g g g g g E g g g g gHg g g g g g C C C g g gh. W W W .
                           +         +                       +                       +
. _ , , _ . . = % = % = = =|. . . . .Hg g g g g g g g g g g gHg g C C C g C C K g g gh. W W W .
             +-+-+   +-+-+-+         +                       +                       +
. _ , , _ . . . . . . . . . . . T . .Hg g g g g g g g g g g cHg g C C C g g g g g g gh. T . . .
                                     +                       +                       +
. _ , , _ . . . . . . . . . " " . . .HX g g g g g g g g g g gHg g g g g g g g g g g gh. . " " .
           +-+w+-+-+o+-+-+           +H+H+H+H+H+H+H+H+H+H+H+H+   +-+-+-+-+-+w+-+-+   +
. _ , , _ .|w = = =|= = k|. . . . . . . . . . . . . . . . . . . .|A = = =|= = = r|. .h. . . . .
           +       +     +                                       +       +       +   +
. _ , , _ .|= = = =|= = =|. . . . . % % ; ; ; ; ; ; ; ; ; ; X % .|= = = =o= = = =|. .h. . . T .
           +       +     +                                       +       +       +   +
. _ , , _ .|= = A =o= = =w. . T . . ; % ; ^ ^ ^ ^ ^ ^ ; c ; ; ; .|= = = =|= = A =|. . . . . . .
           +       +     +                                       +       +-+o+-+-+   +
. _ , , _ .|= = = =|= B B|. . . . . ; ; ; ^ ^ ^ ^ ^ ^ ; ; ; % ; .|= B B = = = = =|. .h. . . . .
           +       +     +                                       +               +   +
. _ , , _ .|= = = =|= = =|. . . . . ; ; % ; ; ; ; ; ; ~ ~ % ; ; .|= = = = = = = =|. .h. . T . .
           +-+w+-+o+-+w+-+                                       +-+w+-+o+-+-+w+-+   +
. _ , , _ . . . . _ . . . . . . . . ; ; ; ; ; ; % ; ; ; ; ; ; ; . . . p p p . . . . .h. . . . .
         +f+f+f+f+ +f+f+f+f+       +f+f+f+f+f+f+   +f+f+f+f+f+f+                     +
. _ , , _ _ _ _ _ _ _ _ _ _ _ L _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ L _ _ _ _ _ _ _ _ L _ _ _ _ _

, , , , , , , , , , , , , , , , , , , , , , , , , , , C C C , , , , , , , , , , , , , , , , , ,

, , , , , , , , , , , , , , , , , , , , , , , , , , , C C K , , , , , , , , , , , , , , , , , ,

. _ , , _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _

. . , , . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . . .
"""

# Roofed buildings: (name, first column, first row, last column, last row, roof colour, lit windows).
BUILDINGS = [
    ("house_a", 6, 6, 12, 10, "red", True),
    ("house_b", 15, 6, 21, 10, "slate", False),
    ("grocery", 24, 6, 33, 10, "tar", True),
    ("house_d", 36, 6, 41, 10, "green", True),
    ("workshop", 19, 17, 22, 20, "tin", False),
    ("house_f", 6, 25, 12, 29, "slate", True),
    ("house_h", 33, 25, 40, 29, "red", False),
]
