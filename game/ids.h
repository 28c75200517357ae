// The game's vocabulary: the numbered codes of figures' actions, skills, items, phrases, sounds, floors,
// barriers and facings, each in one enum, and the one set of helpers for facings and steps.
#pragma once

#include <cstdint>

// A facing, and the direction of a step: 1 up (y - 1), 2 right (x + 1), 3 down (y + 1), 4 left (x - 1).
enum Direction : int {
  DIR_NONE = 0,
  DIR_UP = 1,
  DIR_RIGHT = 2,
  DIR_DOWN = 3,
  DIR_LEFT = 4,
};

// The column change of one step in direction d (0 for no direction).
constexpr int StepDX(int d) {
  return d == DIR_RIGHT ? 1 : d == DIR_LEFT ? -1 : 0;
}
// The row change of one step in direction d (0 for no direction).
constexpr int StepDY(int d) {
  return d == DIR_DOWN ? 1 : d == DIR_UP ? -1 : 0;
}
// The cell-index change of one step in direction d on a grid `width` cells across.
constexpr int StepOffset(int d, int width) {
  return StepDY(d) * width + StepDX(d);
}
// The facing opposite to d.
constexpr int OppositeDirection(int d) {
  return d < DIR_DOWN ? d + 2 : d - 2;
}
// The facing after a quarter turn to the left (anticlockwise) from d.
constexpr int LeftOf(int d) {
  return d == DIR_UP ? DIR_LEFT : d - 1;
}
// The facing after a quarter turn to the right (clockwise) from d.
constexpr int RightOf(int d) {
  return d == DIR_LEFT ? DIR_UP : d + 1;
}
// The quarter turns from facing `from` to facing `to`: -1 one to the left, 1 one to the right, 2 a half
// turn made as two to the right, 0 none.
constexpr int TurnsBetween(int from, int to) {
  const int t = from - to;
  if (t == 1 || t == -3) return -1;
  if (t == 2 || t == -2) return 2;
  if (t == -1 || t == 3) return 1;
  return 0;
}
// Facing from cell (x1, y1) towards (x2, y2).
int DirectionTo(int x1, int y1, int x2, int y2);

// The timed actions a figure plays from its queue. Steps and climbs come in pairs: the first half leaves
// the cell, the second enters the next one; a pair's first type is 5 (steps) or 15 (climbs) + 2 (d - 1).
enum PersonAction : int16_t {
  PA_FACE = 0,     // shows the standing frame of the facing
  PA_WAIT = 1,     // waits p1 seconds
  PA_RECOIL = 2,   // a member's jolt when a blow misses
  PA_USE = 3,      // the pose of applying an item
  PA_SEARCH = 4,   // the pose of searching a spot
  PA_STEP_UP = 5,  // plain steps, first and second halves
  PA_STEP_UP_END = 6,
  PA_STEP_RIGHT = 7,
  PA_STEP_RIGHT_END = 8,
  PA_STEP_DOWN = 9,
  PA_STEP_DOWN_END = 10,
  PA_STEP_LEFT = 11,
  PA_STEP_LEFT_END = 12,
  PA_TURN_LEFT = 13,  // a member's quarter turns
  PA_TURN_RIGHT = 14,
  PA_CLIMB_UP = 15,  // climbing steps, first and second halves
  PA_CLIMB_UP_END = 16,
  PA_CLIMB_RIGHT = 17,
  PA_CLIMB_RIGHT_END = 18,
  PA_CLIMB_DOWN = 19,
  PA_CLIMB_DOWN_END = 20,
  PA_CLIMB_LEFT = 21,
  PA_CLIMB_LEFT_END = 22,
  PA_STRIKE = 23,      // a member's blow
  PA_FIRE_SHORT = 24,  // one round of a one-cell firearm
  PA_FIRE_LONG = 25,   // one round of a two-cell firearm
  PA_FALL = 26,        // a member dies
  PA_WOUND = 27,       // a member is hurt
  PA_ZOMBIE_TURN_LEFT = 28,
  PA_ZOMBIE_TURN_RIGHT = 29,
  PA_ZOMBIE_STRIKE = 30,
  PA_ZOMBIE_RECOIL = 31,  // a zombie's jolt when an attack misses
  PA_ZOMBIE_DIE = 32,
  PA_PUSHED = 33,  // a zombie knocked one cell back, first and second halves
  PA_PUSHED_END = 34,
  PA_BUMP = 35,         // a zombie knocked back against an obstacle
  PA_ZOMBIE_WAIT = 36,  // a zombie waits p1 seconds
  PA_ZOMBIE_FACE = 37,  // closes a zombie's reaction or plan
  PA_PLAYING = 38,      // Analyze's answer while the front action still plays
};

// The first half of a plain step in direction d.
constexpr int StepAction(int d) {
  return PA_STEP_UP + 2 * (d - 1);
}
// The first half of a climbing step in direction d.
constexpr int ClimbAction(int d) {
  return PA_CLIMB_UP + 2 * (d - 1);
}
// True for the first half of a plain or climbing step.
constexpr bool IsStepStart(int type) {
  const bool step = type >= PA_STEP_UP && type <= PA_STEP_LEFT_END;
  const bool climb = type >= PA_CLIMB_UP && type <= PA_CLIMB_LEFT_END;
  return (step || climb) && (type - PA_STEP_UP) % 2 == 0;
}
// The direction of a plain or climbing step action (either half).
constexpr int StepActionDirection(int type) {
  return type >= PA_CLIMB_UP ? (type - PA_CLIMB_UP) / 2 + 1 : (type - PA_STEP_UP) / 2 + 1;
}

// Skills of team members and the items that profit from them.
enum Skill : int32_t {
  SKILL_KNIVES = 0,
  SKILL_ASSAULT_RIFLES = 1,
  SKILL_PISTOL = 2,
  SKILL_HEALING = 3,
  SKILL_PIPE_WRENCH = 4,
  SKILL_REVOLVER = 5,
  SKILL_GYMNAST = 6,
  SKILL_DETECTIVE = 7,
  SKILL_AXES = 8,
  SKILL_CHAINSAWS = 9,
  SKILL_BATON = 10,
  SKILL_CHAIN = 11,
  SKILL_CROWBAR = 12,
  SKILL_CARPENTER = 13,
  SKILL_BOXER = 14,
  SKILL_BOW = 15,
  SKILL_ANALGESIA = 16,
  SKILL_HUNTING_GUN = 17,
  SKILL_BAT = 18,
  SKILL_CANNOT_DRIVE = 19,
  SKILL_FEEBLE = 20,
  SKILL_COUNT = 21,
};

// Item types of the catalogue.
enum ItemType : int32_t {
  ITEM_CAR_KEYS = 0,
  ITEM_HANDS = 1,
  ITEM_HOLSTER = 2,
  ITEM_BACKPACK = 3,
  ITEM_HOCKEY_ARMOUR = 4,
  ITEM_BIKER_JACKET = 5,
  ITEM_NAILS = 6,
  ITEM_PAINKILLER = 7,
  ITEM_FIRST_AID_KIT = 8,
  ITEM_ANTIBIOTICS = 9,
  ITEM_VITAMINS = 10,
  ITEM_ADRENALINE = 11,
  ITEM_DOCTORS_BAG = 12,
  ITEM_KITCHEN_KNIFE = 13,
  ITEM_COMMANDO_KNIFE = 14,
  ITEM_FRYING_PAN = 15,
  ITEM_HAMMER = 16,
  ITEM_CHAIN = 17,
  ITEM_SCREWDRIVER = 18,
  ITEM_CROWBAR = 19,
  ITEM_TORCH = 20,
  ITEM_BATON = 21,
  ITEM_KNUCKLEDUSTER = 22,
  ITEM_AXE = 23,
  ITEM_GOLF_CLUB = 24,
  ITEM_MACHETE = 25,
  ITEM_HOCKEY_STICK = 26,
  ITEM_POKER = 27,
  ITEM_PIPE_WRENCH = 28,
  ITEM_NAIL_BOARD = 29,
  ITEM_BASEBALL_BAT = 30,
  ITEM_KATANA = 31,
  ITEM_FLARE_GUN = 32,
  ITEM_BOW = 33,
  ITEM_CROSSBOW = 34,
  ITEM_CARTRIDGES = 35,
  ITEM_AMMO_BOX = 36,
  ITEM_FIRE_EXTINGUISHER = 37,
  ITEM_SLEDGEHAMMER = 38,
  ITEM_CHAINSAW = 39,
  ITEM_SHOVEL = 40,
  ITEM_REVOLVER = 41,
  ITEM_PISTOL = 42,
  ITEM_NAIL_GUN = 43,
  ITEM_SAWN_OFF = 44,
  ITEM_AK47 = 45,
  ITEM_HUNTING_GUN = 46,
  ITEM_SHOTGUN = 47,
  ITEM_RIFLE = 48,
  ITEM_SUBMACHINE_GUN = 49,
  ITEM_ASSAULT_RIFLE = 50,
  ITEM_MACHINE_GUN = 51,
  ITEM_TYPE_COUNT = 52,
};

// What an item is, which decides where it may go and how it is used.
enum ItemKind : int32_t {
  KIND_FIREARM = 0,
  KIND_HAND_WEAPON = 1,
  KIND_BAG = 2,
  KIND_KEYS = 3,
  KIND_ARMOUR = 4,
  KIND_BACKPACK = 5,
  KIND_HOLSTER = 6,
  KIND_HANDS = 7,
};

// What reloads a firearm.
enum AmmoKind : int16_t {
  AMMO_NONE = 0,
  AMMO_CARTRIDGES = 1,  // the cartridges and the ammunition box
  AMMO_NAILS = 2,
};

// Action ids of the catalogue.
enum ActionId : int32_t {
  ACT_START_CAR = 0,
  ACT_HIT = 1,
  ACT_SHOT = 2,
  ACT_BURST = 3,
  ACT_RELOAD = 4,
  ACT_APPLY = 5,
};

// Result codes of the catalogue's weighted outcomes.
enum ResultCode : int32_t {
  RESULT_CAR_0 = 0,  // stored with the car keys, never consulted
  RESULT_CAR_1 = 1,
  RESULT_MISS = 2,
  RESULT_KILL = 3,
  RESULT_KNOCK_BACK = 4,
  RESULT_HEAL = 6,
  RESULT_HEAL_USED_UP = 7,
  RESULT_PAINKILLER = 8,
  RESULT_ADRENALINE = 9,
};

// The phrases of the message line.
enum Phrase : int {
  PHRASE_COME_CLOSER = 0,
  PHRASE_HEALED_A_LITTLE = 1,
  PHRASE_KIT_USED_UP = 2,
  PHRASE_NO_PAIN = 3,
  PHRASE_INVIGORATED = 4,
  PHRASE_FAILED_ATTEMPT = 5,
  PHRASE_NO_ACTION_POINTS = 6,
  PHRASE_NO_ROOM = 7,
  PHRASE_HANDED_OVER = 8,
  PHRASE_HAND_TO_HAND = 9,
  PHRASE_THROWN_OUT = 10,
  PHRASE_CANNOT_DRIVE = 11,
  PHRASE_ENGINE_FAILED = 12,
  PHRASE_NEEDS_ONE_POINT = 13,
  PHRASE_NEEDS_THREE_POINTS = 14,
  PHRASE_ARMOUR_SAVED = 15,
  PHRASE_PUT_ON_GROUND = 16,
  PHRASE_NOBODY_TO_HEAL = 17,
  PHRASE_NO_CARTRIDGES = 18,
  PHRASE_COUNT = 19,
};

// Indices of the sound table.
enum SoundId : int {
  SND_CLOCK = 0,
  SND_CLICK = 1,
  SND_WOUND = 2,
  SND_ZOMBIE_ATTACK = 3,
  SND_HAMMER_CLICK = 4,
  SND_ERROR = 5,
  SND_FIND = 6,
  SND_DRIVE_AWAY = 7,
  SND_BAT = 8,
  SND_SHOT = 9,
  SND_DRIVE_FAIL = 10,
  SND_SPLASH = 11,
  SND_COUNT = 12,
};

// Floor types of the map's cells.
enum Floor : int16_t {
  FLOOR_OPEN = 0,
  FLOOR_ROUGH = 1,   // costs more to enter
  FLOOR_RAISED = 2,  // rough, and lifts a figure standing on it
  FLOOR_BLOCKED = 3,
  FLOOR_SEARCH_SPOT = 4,  // never entered; searched from a neighbouring cell
};

// Barrier types of a cell's right and top edges; any other value acts as a wall.
enum Barrier : int16_t {
  BARRIER_NONE = 0,
  BARRIER_LOW = 1,  // anybody climbs it
  BARRIER_WALL = 2,
  BARRIER_NONE_2 = 3,     // no barrier either
  BARRIER_LOW_2 = 4,      // a low barrier either
  BARRIER_HIGH_FLAT = 5,  // only a gymnast crosses it, without climbing
  BARRIER_HIGH = 6,       // only a gymnast crosses it, climbing
};

// Where a dragged or moved item comes from.
enum ItemSource : int {
  SRC_ELSEWHERE = 0,
  SRC_BAG = 1,
  SRC_GROUND = 2,
  SRC_BACKPACK = 3,
  SRC_HOLSTER = 4,
  SRC_ARMOUR = 5,
  SRC_KEYS = 6,
};
