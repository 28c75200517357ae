"""The towns the generator builds: each a plan with its roofed buildings and the files it is written to."""

from collections import namedtuple

import level_plan
import level_plan_village

# name: the town's short name; map_file, ground_file and object_files: where its map and textures go;
# plan and buildings: the character plan and its roofed buildings (see level_plan.py for the characters).
Town = namedtuple("Town", "name map_file ground_file object_files plan buildings")

TOWNS = [
    Town("duskhollow", "Data/map1.dhm", "Data/town_ground.png",
         ["Data/town_objects.png", "Data/town_objects2.png", "Data/town_objects3.png"],
         level_plan.PLAN, level_plan.BUILDINGS),
    Town("village", "Data/map2.dhm", "Data/village_ground.png",
         ["Data/village_objects.png", "Data/village_objects2.png", "Data/village_objects3.png"],
         level_plan_village.PLAN, level_plan_village.BUILDINGS),
]
