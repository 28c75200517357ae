"""The towns the generator builds: each a plan with its roofed buildings and the files it is written to."""

from collections import namedtuple

import level_plan
import level_plan_village
import level_plan_works
import level_plan_estate

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
    Town("works", "Data/map3.dhm", "Data/works_ground.png",
         ["Data/works_objects.png", "Data/works_objects2.png", "Data/works_objects3.png"],
         level_plan_works.PLAN, level_plan_works.BUILDINGS),
    Town("estate", "Data/map4.dhm", "Data/estate_ground.png",
         ["Data/estate_objects.png", "Data/estate_objects2.png", "Data/estate_objects3.png"],
         level_plan_estate.PLAN, level_plan_estate.BUILDINGS),
]
