// Reads a saved game: every field is checked against what can exist on the loaded map before anything of
// the running game changes.
#include "app/save_reader.h"

#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

#include "app/save_format.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"
#include "game/world.h"

namespace {

using json = nlohmann::json;

// Longest lists and texts a sound save can hold.
constexpr int64_t kMaxQueue = 4096;
constexpr int64_t kMaxText = 4096;
constexpr int64_t kMaxCount = 1000000000;
constexpr double kMaxFloat = 1e30;

// Reads fields and remembers the first thing wrong; every read after that gives a harmless default.
class Checker {
 public:
  const std::string& Error() const { return error; }
  bool Ok() const { return error.empty(); }

  bool Fail(const std::string& what) {
    if (error.empty()) error = what;
    return false;
  }

  // The field `key` of object `j` (null json when the field or the object is missing).
  const json& Field(const json& j, const char* key, const std::string& where) {
    static const json none;
    if (!j.is_object()) {
      Fail(where + " is not an object");
      return none;
    }
    const auto it = j.find(key);
    if (it == j.end()) {
      Fail(where + "." + key + " is missing");
      return none;
    }
    return *it;
  }

  int64_t Int(const json& v, int64_t lo, int64_t hi, const std::string& where) {
    if (!v.is_number_integer()) return Fail(where + " is not a whole number"), lo;
    int64_t n = 0;
    if (v.is_number_unsigned()) {
      const uint64_t u = v.get<uint64_t>();
      if (u > static_cast<uint64_t>(INT64_MAX)) return Fail(where + " is out of range"), lo;
      n = static_cast<int64_t>(u);
    } else {
      n = v.get<int64_t>();
    }
    if (n < lo || n > hi) return Fail(where + " = " + std::to_string(n) + " is out of range"), lo;
    return n;
  }
  int64_t Int(const json& j, const char* key, int64_t lo, int64_t hi, const std::string& where) {
    return Int(Field(j, key, where), lo, hi, where + "." + key);
  }

  float Float(const json& v, const std::string& where) {
    if (!v.is_number()) return Fail(where + " is not a number"), 0.0f;
    const double d = v.get<double>();
    if (!std::isfinite(d) || std::fabs(d) > kMaxFloat) return Fail(where + " is out of range"), 0.0f;
    return static_cast<float>(d);
  }
  float Float(const json& j, const char* key, const std::string& where) {
    return Float(Field(j, key, where), where + "." + key);
  }

  bool Bool(const json& v, const std::string& where) {
    if (!v.is_boolean()) return Fail(where + " is not true or false");
    return v.get<bool>();
  }
  bool Bool(const json& j, const char* key, const std::string& where) {
    return Bool(Field(j, key, where), where + "." + key);
  }

  // A UTF-8 text, returned in Windows-1251.
  std::string Text(const json& j, const char* key, const std::string& where) {
    const json& v = Field(j, key, where);
    if (!v.is_string()) return Fail(where + "." + key + " is not a text"), "";
    const std::string& s = v.get_ref<const std::string&>();
    if (static_cast<int64_t>(s.size()) > kMaxText) return Fail(where + "." + key + " is too long"), "";
    return ToCp1251(s);
  }

  // An array of `lo` to `hi` entries (an empty one when it is not).
  const json& Array(const json& v, int64_t lo, int64_t hi, const std::string& where) {
    static const json empty = json::array();
    if (!v.is_array()) return Fail(where + " is not a list"), empty;
    const int64_t n = static_cast<int64_t>(v.size());
    if (n < lo || n > hi) return Fail(where + " has " + std::to_string(n) + " entries"), empty;
    return v;
  }
  const json& Array(const json& j, const char* key, int64_t lo, int64_t hi, const std::string& where) {
    return Array(Field(j, key, where), lo, hi, where + "." + key);
  }

 private:
  std::string error;
};

struct Context {
  Checker& check;
  const Map& map;
  LoadedGame& game;
};

// An item of the save (null json gives no item); the item is owned by the loaded game.
Item* ReadItem(Context& c, const json& v, const std::string& where) {
  if (v.is_null()) return nullptr;
  const int32_t type = static_cast<int32_t>(c.check.Int(v, "type", 0, ITEM_TYPE_COUNT - 1, where));
  if (!c.check.Ok()) return nullptr;
  c.game.items.push_back(std::make_unique<Item>(type));
  Item* item = c.game.items.back().get();
  item->loaded = static_cast<int16_t>(c.check.Int(v, "loaded", 0, INT16_MAX, where));
  item->capacity = static_cast<int16_t>(c.check.Int(v, "capacity", 0, INT16_MAX, where));
  const int64_t actions = static_cast<int64_t>(item->actions.size());
  item->selectedAction =
      static_cast<int32_t>(c.check.Int(v, "selectedAction", actions == 0 ? -1 : 0, actions - 1, where));
  return item;
}

// A slot's item: null or an item of the slot's kind.
Item* ReadSlot(Context& c, const json& p, const char* key, int kind, const std::string& where) {
  Item* item = ReadItem(c, c.check.Field(p, key, where), where + "." + key);
  if (item != nullptr && item->kind != kind)
    c.check.Fail(where + "." + key + " holds an item of another kind");
  return item;
}

Item* ReadActive(Context& c, const json& p, Person& person, const std::string& where) {
  const json& v = c.check.Field(p, "active", where);
  if (v.is_null()) return nullptr;
  if (!v.is_string()) return c.check.Fail(where + ".active is not a place"), nullptr;
  const std::string place = v.get<std::string>();
  Item* found = nullptr;
  if (place == "hands") found = person.hands;
  if (place == "armour") found = person.armour;
  if (place == "keys") found = person.keys;
  if (place == "backpack") found = person.backpack;
  if (place == "holster") found = person.holster;
  if (place.rfind("bag:", 0) == 0 && place.size() > 4 && place.size() <= 6 &&
      place.find_first_not_of("0123456789", 4) == std::string::npos) {
    const size_t index = std::stoul(place.substr(4));
    if (index < person.bag.size()) found = person.bag[index];
  }
  if (found == nullptr) c.check.Fail(where + ".active names no item: " + place.substr(0, 16));
  return found;
}

void ReadItems(Context& c, const json& p, Person& person, bool member, const std::string& where) {
  person.hands = ReadSlot(c, p, "hands", KIND_HANDS, where);
  person.armour = ReadSlot(c, p, "armour", KIND_ARMOUR, where);
  person.keys = ReadSlot(c, p, "keys", KIND_KEYS, where);
  person.backpack = ReadSlot(c, p, "backpack", KIND_BACKPACK, where);
  person.holster = ReadSlot(c, p, "holster", KIND_HOLSTER, where);
  const json& bag = c.check.Array(p, "bag", 0, 8, where);
  for (size_t i = 0; i < bag.size() && c.check.Ok(); ++i) {
    Item* item = ReadItem(c, bag[i], where + ".bag[" + std::to_string(i) + "]");
    if (item == nullptr || item->kind == KIND_HANDS) {
      c.check.Fail(where + ".bag[" + std::to_string(i) + "] is no bag item");
      return;
    }
    person.bag.push_back(item);
  }
  person.active = ReadActive(c, p, person, where);
  const int capacity = 4 + (person.backpack != nullptr ? 3 : 0) + (person.holster != nullptr ? 1 : 0);
  person.bagCapacity = static_cast<int16_t>(c.check.Int(p, "bagCapacity", capacity, capacity, where));
  person.RecountBag();
  if (person.bagLoad > person.bagCapacity) c.check.Fail(where + ".bag holds more than it can");
  const bool any = person.hands != nullptr || person.armour != nullptr || person.keys != nullptr ||
                   person.backpack != nullptr || person.holster != nullptr || !person.bag.empty();
  if (member && (person.hands == nullptr || person.active == nullptr))
    c.check.Fail(where + " has no hands or no active item");
  if (!member && any) c.check.Fail(where + " is a zombie carrying items");
}

void ReadQueue(Context& c, const json& p, Person& person, const std::string& where) {
  const json& queue = c.check.Array(p, "queue", 0, kMaxQueue, where);
  for (size_t i = 0; i < queue.size() && c.check.Ok(); ++i) {
    const std::string at = where + ".queue[" + std::to_string(i) + "]";
    const json& a = c.check.Array(queue[i], 3, 3, at);
    if (!c.check.Ok()) return;
    person_action_struct action{};
    action.type = static_cast<int16_t>(c.check.Int(a[0], INT16_MIN, INT16_MAX, at));
    action.p1 = c.check.Float(a[1], at);
    action.p2 = c.check.Float(a[2], at);
    person.actions.push_back(action);
  }
}

void ReadPlace(Context& c, const json& p, Person& person, bool member, const std::string& where) {
  const int64_t cells = c.map.cellCount;
  person.cell = static_cast<int16_t>(c.check.Int(p, "cell", member ? -1 : 0, cells - 1, where));
  person.secondCell = static_cast<int16_t>(c.check.Int(p, "secondCell", member ? -1 : 0, cells - 1, where));
  person.x = static_cast<int32_t>(c.check.Int(p, "x", 0, std::max(c.map.W - 1, 0), where));
  person.y = static_cast<int32_t>(c.check.Int(p, "y", 0, std::max(c.map.H - 1, 0), where));
  person.direction = static_cast<int16_t>(c.check.Int(p, "direction", DIR_NONE, DIR_LEFT, where));
  person.drawX = c.check.Float(p, "drawX", where);
  person.drawY = c.check.Float(p, "drawY", where);
}

std::unique_ptr<Person> ReadPerson(Context& c, const json& p, bool member, const std::string& where) {
  Checker& k = c.check;
  const int32_t photo = static_cast<int32_t>(k.Int(p, "photo", 0, member ? 4 : INT32_MAX, where));
  auto person = std::make_unique<Person>(member ? manTextures[photo] : zombieTexture);
  Person& q = *person;
  q.isZombie = member ? 0 : 1;
  q.photo = photo;
  q.firstName = static_cast<int32_t>(k.Int(p, "firstName", 0, INT32_MAX, where));
  q.profession = static_cast<int32_t>(k.Int(p, "profession", 0, INT32_MAX, where));
  q.trait = static_cast<int32_t>(k.Int(p, "trait", INT32_MIN, INT32_MAX, where));
  q.displayName = k.Text(p, "displayName", where);
  q.description = k.Text(p, "description", where);
  q.targetable = static_cast<uint8_t>(k.Int(p, "targetable", 0, 1, where));
  q.alive = static_cast<uint8_t>(k.Int(p, "alive", 0, member ? 1 : 0, where));
  q.tint = static_cast<int32_t>(k.Int(p, "tint", INT32_MIN, INT32_MAX, where));
  q.pulse = k.Float(p, "pulse", where);
  q.painkillerTurns = static_cast<int32_t>(k.Int(p, "painkillerTurns", 0, kMaxCount, where));
  q.maximum = static_cast<int32_t>(k.Int(p, "maximum", 0, 1000, where));
  q.life = static_cast<int32_t>(k.Int(p, "life", INT16_MIN, q.maximum, where));
  q.actionPoints = static_cast<int32_t>(k.Int(p, "actionPoints", INT16_MIN, INT16_MAX, where));
  q.frame = static_cast<int32_t>(k.Int(p, "frame", 0, 1000, where));
  q.actionTime = k.Float(p, "actionTime", where);
  q.frameTime = k.Float(p, "frameTime", where);
  ReadPlace(c, p, q, member, where);
  ReadItems(c, p, q, member, where);
  ReadQueue(c, p, q, where);
  for (const json& s : k.Array(p, "skills", 0, SKILL_COUNT, where)) {
    q.skills.push_back(static_cast<int32_t>(k.Int(s, 0, SKILL_COUNT - 1, where + ".skills")));
  }
  const int64_t spots = member ? static_cast<int64_t>(c.map.searchSpots.size()) : 0;
  for (const json& s : k.Array(p, "searchable", spots, spots, where)) {
    q.searchable.push_back(k.Bool(s, where + ".searchable"));
  }
  const json& frame = k.Array(p, "spriteFrame", 2, 2, where);
  if (k.Ok()) {
    const float tx = k.Float(frame[0], where + ".spriteFrame");
    const float ty = k.Float(frame[1], where + ".spriteFrame");
    if (tx < 0.0f || ty < 0.0f || tx > 4096.0f || ty > 4096.0f)
      k.Fail(where + ".spriteFrame is off the sheet");
    if (k.Ok()) q.sprite->SetTextureRect(tx, ty, 58.0f, 83.0f);
  }
  q.sprite->SetColor(static_cast<uint32_t>(k.Int(p, "colour", 0, UINT32_MAX, where)));
  return person;
}

void ReadFigures(Context& c, const json& root) {
  const json& team = c.check.Array(root, "team", 1, MAP_MAX_MEMBERS, "save");
  for (size_t i = 0; i < team.size() && c.check.Ok(); ++i) {
    c.game.team.push_back(ReadPerson(c, team[i], true, "team[" + std::to_string(i) + "]"));
  }
  const json& zombies = c.check.Array(root, "zombies", 0, MAP_MAX_CELLS, "save");
  for (size_t i = 0; i < zombies.size() && c.check.Ok(); ++i) {
    c.game.zombies.push_back(ReadPerson(c, zombies[i], false, "zombies[" + std::to_string(i) + "]"));
  }
}

// A pair of figure indices of one cell: a member (or -1) and a zombie (or -1).
void ReadPair(Context& c, const json& v, int16_t* member, int16_t* zombie, const std::string& where) {
  const json& pair = c.check.Array(v, 2, 2, where);
  if (!c.check.Ok()) return;
  *member =
      static_cast<int16_t>(c.check.Int(pair[0], -1, static_cast<int64_t>(c.game.team.size()) - 1, where));
  *zombie =
      static_cast<int16_t>(c.check.Int(pair[1], -1, static_cast<int64_t>(c.game.zombies.size()) - 1, where));
}

void ReadCells(Context& c, const json& m) {
  Checker& k = c.check;
  const json& cells = k.Field(m, "cells", "map");
  const int64_t n = c.map.cellCount;
  const json& here = k.Array(cells, "here", n, n, "map.cells");
  const json& bound = k.Array(cells, "bound", n, n, "map.cells");
  const json& marks = k.Array(cells, "pathMark", n, n, "map.cells");
  const json& field = k.Array(cells, "zombieField", n, n, "map.cells");
  const json& paths = k.Array(cells, "paths", n, n, "map.cells");
  if (!k.Ok()) return;
  c.game.cells.assign(static_cast<size_t>(n), map_cell_struct{});
  for (int64_t i = 0; i < n && k.Ok(); ++i) {
    const std::string at = "map.cells[" + std::to_string(i) + "]";
    map_cell_struct& cell = c.game.cells[static_cast<size_t>(i)];
    ReadPair(c, here[i], &cell.memberHere, &cell.zombieHere, at + ".here");
    ReadPair(c, bound[i], &cell.memberBound, &cell.zombieBound, at + ".bound");
    cell.pathMark = static_cast<uint8_t>(k.Int(marks[i], 0, 2, at + ".pathMark"));
    const json& f = k.Array(field[i], 2, 2, at + ".zombieField");
    const json& p = k.Array(paths[i], 2 * MAP_MAX_MEMBERS, 2 * MAP_MAX_MEMBERS, at + ".paths");
    if (!k.Ok()) return;
    cell.zombieDistance = static_cast<int16_t>(k.Int(f[0], 0, INT16_MAX, at + ".zombieField"));
    cell.zombieDirection = static_cast<int16_t>(k.Int(f[1], -1, DIR_LEFT, at + ".zombieField"));
    for (int j = 0; j < MAP_MAX_MEMBERS; ++j) {
      cell.paths[j].cost = static_cast<int16_t>(k.Int(p[2 * j], 0, INT16_MAX, at + ".paths"));
      cell.paths[j].direction = static_cast<int16_t>(k.Int(p[2 * j + 1], -1, DIR_LEFT, at + ".paths"));
    }
  }
}

// Every living member and every zombie stands where its cell says, and every cell names only a living
// figure standing there (a fallen member keeps its cell but no longer occupies it).
void CheckRegistrations(Context& c) {
  const std::vector<map_cell_struct>& cells = c.game.cells;
  for (size_t i = 0; i < c.game.team.size(); ++i) {
    const int cell = c.game.team[i]->cell;
    if (cell >= 0 && c.game.team[i]->alive && cells[cell].memberHere != static_cast<int>(i))
      c.check.Fail("team[" + std::to_string(i) + "] is not registered in its cell");
  }
  for (size_t i = 0; i < c.game.zombies.size(); ++i) {
    if (cells[c.game.zombies[i]->cell].zombieHere != static_cast<int>(i))
      c.check.Fail("zombies[" + std::to_string(i) + "] is not registered in its cell");
  }
  for (size_t cell = 0; cell < cells.size(); ++cell) {
    const int m = cells[cell].memberHere;
    const int z = cells[cell].zombieHere;
    if (m >= 0 && (c.game.team[m]->cell != static_cast<int>(cell) || !c.game.team[m]->alive))
      c.check.Fail("cell " + std::to_string(cell) + " names a member standing elsewhere");
    if (z >= 0 && c.game.zombies[z]->cell != static_cast<int>(cell))
      c.check.Fail("cell " + std::to_string(cell) + " names a zombie standing elsewhere");
  }
}

void ReadGround(Context& c, const json& m) {
  Checker& k = c.check;
  c.game.ground.assign(static_cast<size_t>(c.map.cellCount), {});
  const json& ground = k.Array(m, "groundItems", 0, c.map.cellCount, "map");
  for (size_t i = 0; i < ground.size() && k.Ok(); ++i) {
    const std::string at = "map.groundItems[" + std::to_string(i) + "]";
    const int64_t cell = k.Int(ground[i], "cell", 0, c.map.cellCount - 1, at);
    const json& items = k.Array(ground[i], "items", 1, kMaxQueue, at);
    if (!k.Ok()) return;
    if (!c.game.ground[cell].empty()) k.Fail(at + " repeats cell " + std::to_string(cell));
    for (size_t j = 0; j < items.size() && k.Ok(); ++j) {
      Item* item = ReadItem(c, items[j], at + ".items[" + std::to_string(j) + "]");
      if (item == nullptr || item->kind == KIND_HANDS) k.Fail(at + " holds no ground item");
      c.game.ground[cell].push_back(item);
    }
  }
}

void ReadView(Context& c, const json& m) {
  Checker& k = c.check;
  const json& v = k.Field(m, "view", "map");
  const std::string at = "map.view";
  const json& cursor = k.Array(v, "cursor", 3, 3, at);
  const json& marked = k.Array(v, "marked", 2, 2, at);
  const json& flags = k.Array(v, "flags", 4, 4, at);
  const json& offset = k.Array(v, "offset", 2, 2, at);
  const json& scroll = k.Array(v, "scroll", 2, 2, at);
  const json& glide = k.Array(v, "glide", 4, 4, at);
  if (!k.Ok()) return;
  map_view_struct view = c.map.view;  // the scroll limits and bands come from the map and the settings
  view.cursorX = static_cast<int32_t>(k.Int(cursor[0], -kMaxCount, kMaxCount, at + ".cursor"));
  view.cursorY = static_cast<int32_t>(k.Int(cursor[1], -kMaxCount, kMaxCount, at + ".cursor"));
  view.cursorCell = static_cast<int32_t>(k.Int(cursor[2], INT32_MIN, INT32_MAX, at + ".cursor"));
  view.markedX = static_cast<int32_t>(k.Int(marked[0], -kMaxCount, kMaxCount, at + ".marked"));
  view.markedY = static_cast<int32_t>(k.Int(marked[1], -kMaxCount, kMaxCount, at + ".marked"));
  view.cursorOnMap = k.Bool(flags[0], at + ".flags");
  view.showPath = k.Bool(flags[1], at + ".flags");
  view.scrolled = k.Bool(flags[2], at + ".flags");
  view.autoScroll = k.Bool(flags[3], at + ".flags");
  // The cell under the cursor is computed off the map too, but is a cell of the map while it points there.
  if (view.cursorOnMap && (view.cursorCell < 0 || view.cursorCell >= c.map.cellCount)) {
    k.Fail(at + ".cursor is on the map but names no cell");
  }
  view.offsetX = k.Float(offset[0], at + ".offset");
  view.offsetY = k.Float(offset[1], at + ".offset");
  view.scrollX = k.Float(scroll[0], at + ".scroll");
  view.scrollY = k.Float(scroll[1], at + ".scroll");
  view.glideX = k.Float(glide[0], at + ".glide");
  view.glideY = k.Float(glide[1], at + ".glide");
  view.glideVX = k.Float(glide[2], at + ".glide");
  view.glideVY = k.Float(glide[3], at + ".glide");
  c.game.view = view;
}

void ReadMap(Context& c, const json& root) {
  Checker& k = c.check;
  const json& m = k.Field(root, "map", "save");
  const std::string at = "map";
  // The save belongs to this map: same grid, same spots, same sprites.
  k.Int(m, "W", c.map.W, c.map.W, at);
  k.Int(m, "H", c.map.H, c.map.H, at);
  const int64_t spots = static_cast<int64_t>(c.map.searchSpots.size());
  const int64_t sprites = static_cast<int64_t>(c.map.sprites.size());
  k.Int(m, "searchSpots", spots, spots, at);
  k.Int(m, "spriteCount", sprites, sprites, at);
  if (!k.Ok()) return;
  LoadedGame& g = c.game;
  g.searchThreshold = static_cast<int>(k.Int(m, "searchThreshold", 0, kMaxCount, at));
  g.searchesMade = static_cast<int>(k.Int(m, "searchesMade", 0, kMaxCount, at));
  g.escapeKeyFound = k.Bool(m, "escapeKeyFound", at);
  g.zombieCount = static_cast<int>(k.Int(m, "zombieCount", 0, MAP_MAX_CELLS, at));
  g.searchMember =
      static_cast<int>(k.Int(m, "searchMember", -1, static_cast<int64_t>(g.team.size()) - 1, at));
  g.pathsStale = k.Bool(m, "pathsStale", at);
  g.marksStale = k.Bool(m, "marksStale", at);
  const json& done = k.Array(m, "pathDone", MAP_MAX_MEMBERS, MAP_MAX_MEMBERS, at);
  for (size_t i = 0; i < done.size(); ++i) g.pathDone[i] = k.Bool(done[i], at + ".pathDone");
  const json& queue = k.Array(m, "searchQueue", 0, 8 * static_cast<int64_t>(c.map.cellCount) + 8, at);
  for (size_t i = 0; i < queue.size() && k.Ok(); ++i) {
    const json& q = k.Array(queue[i], 3, 3, at + ".searchQueue");
    if (!k.Ok()) return;
    path_point_struct point{};
    point.x = static_cast<uint16_t>(k.Int(q[0], 0, std::max(c.map.W - 1, 0), at + ".searchQueue"));
    point.y = static_cast<uint16_t>(k.Int(q[1], 0, std::max(c.map.H - 1, 0), at + ".searchQueue"));
    point.direction = static_cast<int16_t>(k.Int(q[2], -1, DIR_LEFT, at + ".searchQueue"));
    g.searchQueue.push_back(point);
  }
  for (const json& a : k.Array(m, "spriteAlpha", sprites, sprites, at)) {
    const float alpha = k.Float(a, at + ".spriteAlpha");
    if (alpha < 0.0f || alpha > 255.0f) k.Fail(at + ".spriteAlpha is out of range");
    g.spriteAlpha.push_back(alpha);
  }
  g.fadedSprites = static_cast<int>(k.Int(m, "fadedSprites", 0, sprites, at));
  ReadView(c, m);
  ReadCells(c, m);
  if (k.Ok()) CheckRegistrations(c);
  ReadGround(c, m);
}

void ReadWorld(Context& c, const json& root) {
  Checker& k = c.check;
  LoadedGame& g = c.game;
  g.phase = static_cast<int>(k.Int(root, "phase", PHASE_INPUT, PHASE_ZOMBIES_ACTING, "save"));
  g.timer = k.Float(root, "timer", "save");
  g.selectedMember =
      static_cast<int>(k.Int(root, "selectedMember", -1, static_cast<int64_t>(g.team.size()) - 1, "save"));
  g.message = k.Text(root, "message", "save");
  g.messageFlash = k.Float(root, "messageFlash", "save");
  g.searchRunning = k.Bool(root, "searchRunning", "save");
  const json& random = k.Field(root, "random", "save");
  const json& ring = k.Array(random, "ring", 34, 34, "save.random");
  for (size_t i = 0; i < ring.size() && k.Ok(); ++i) {
    g.random.ring[i] = static_cast<uint32_t>(k.Int(ring[i], 0, UINT32_MAX, "save.random.ring"));
  }
  g.random.next = static_cast<int32_t>(k.Int(random, "next", 0, 33, "save.random"));
  const json& engine = k.Field(root, "engineRandom", "save");
  if (!engine.is_number_unsigned() && !(engine.is_number_integer() && engine.get<int64_t>() >= 0)) {
    k.Fail("save.engineRandom is not a whole number");
  } else {
    g.engineRandom = engine.get<uint64_t>();
  }
  const json& stats = k.Field(root, "stats", "save");
  g.stats.turns = static_cast<int>(k.Int(stats, "turns", 1, kMaxCount, "save.stats"));
  g.stats.zombiesKilled = static_cast<int>(k.Int(stats, "zombiesKilled", 0, kMaxCount, "save.stats"));
}

}  // namespace

LoadedGame::LoadedGame() = default;
LoadedGame::~LoadedGame() = default;

bool SaveTown(const std::string& text, std::string* town, std::string* reason) {
  town->clear();
  // A text that is no save at all names no town; reading it as a save then says what is wrong.
  const json root = json::parse(text, nullptr, false);
  if (root.is_discarded() || !root.is_object()) return true;
  const auto it = root.find("town");
  if (it == root.end()) return true;
  if (!it->is_string() || it->get_ref<const std::string&>().size() > kMaxText) {
    return *reason = "save.town is not a short text", false;
  }
  *town = it->get<std::string>();
  return true;
}

bool ReadSave(const std::string& text, const Map& map, LoadedGame* out, std::string* reason) {
  if (text.empty()) return *reason = "the file is empty", false;
  if (static_cast<long>(text.size()) > SAVE_MAX_BYTES) return *reason = "the file is too large", false;
  const json root = json::parse(text, nullptr, false);
  if (root.is_discarded()) return *reason = "the file is not complete JSON", false;
  Checker check;
  const json& format = check.Field(root, "format", "save");
  if (!format.is_string() || format.get<std::string>() != SAVE_FORMAT_NAME) {
    return *reason = "the file is not a saved game", false;
  }
  check.Int(root, "version", SAVE_FORMAT_VERSION, SAVE_FORMAT_VERSION, "save");
  if (!check.Ok()) return *reason = "format version: " + check.Error(), false;
  // Items and figures are made as they are read; their making draws numbers that the save then puts back.
  const random_state_struct before = RandomState();
  Context c{check, map, *out};
  ReadFigures(c, root);
  if (check.Ok()) ReadWorld(c, root);
  if (check.Ok()) ReadMap(c, root);
  SetRandomState(before);
  if (!check.Ok()) return *reason = check.Error(), false;
  return true;
}

void InstallLoadedGame(LoadedGame& g, Map& map) {
  team.clear();
  zombies.clear();
  for (auto& p : g.team) team.push_back(p.release());
  for (auto& z : g.zombies) zombies.push_back(z.release());
  // The items now belong to the places that hold them.
  for (auto& item : g.items) item.release();
  for (size_t i = 0; i < map.cells.size(); ++i) {
    map_cell_struct& cell = map.cells[i];
    const map_cell_struct& saved = g.cells[i];
    cell.paths = saved.paths;
    cell.items = g.ground[i];
    cell.memberHere = saved.memberHere;
    cell.zombieHere = saved.zombieHere;
    cell.memberBound = saved.memberBound;
    cell.zombieBound = saved.zombieBound;
    cell.pathMark = saved.pathMark;
    cell.zombieDistance = saved.zombieDistance;
    cell.zombieDirection = saved.zombieDirection;
  }
  for (size_t i = 0; i < map.sprites.size(); ++i) {
    map.sprites[i].alpha = g.spriteAlpha[i];
    if (map.sprites[i].sprite != nullptr) {
      // A fading sprite is greyed to its alpha on all four channels.
      map.sprites[i].sprite->SetColor(static_cast<uint32_t>(g.spriteAlpha[i]) * 0x01010101u);
    }
  }
  map.fadedSprites = g.fadedSprites;
  map.searchThreshold = g.searchThreshold;
  map.searchesMade = g.searchesMade;
  map.escapeKeyFound = g.escapeKeyFound;
  map.zombieCount = g.zombieCount;
  map.searchMember = g.searchMember;
  map.pathsStale = g.pathsStale;
  map.marksStale = g.marksStale;
  map.pathDone = g.pathDone;
  map.searchQueue.assign(g.searchQueue.begin(), g.searchQueue.end());
  map.view = g.view;
  screenState = g.phase;
  screenTimer = g.timer;
  selectedMember = g.selectedMember;
  message = g.message;
  messageFlash = g.messageFlash;
  searchRunning = g.searchRunning;
  gameStats = g.stats;
  outcome = OUTCOME_NONE;
  CancelDrag();
  SetRandomState(g.random);
  if (hge != nullptr) hge->Random_SetState(g.engineRandom);
}
