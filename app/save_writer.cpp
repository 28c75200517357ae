// Writes the running game as the save's JSON.
#include "app/save_writer.h"

#include <cstdint>

#include "app/atomic_file.h"
#include "app/save_format.h"
#include "app/save_paths.h"
#include "app/session.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "engine/text.h"
#include "game/game_stats.h"
#include "game/item.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"

namespace {

nlohmann::json ItemJson(const Item* item) {
  if (item == nullptr) return nullptr;
  return {{"type", item->type},
          {"loaded", item->loaded},
          {"capacity", item->capacity},
          {"selectedAction", item->selectedAction}};
}

// Which of its holder's places the active item is: a slot's name, "bag:N", or null.
nlohmann::json ActiveJson(const Person& p) {
  if (p.active == nullptr) return nullptr;
  const std::pair<const char*, const Item*> slots[] = {{"hands", p.hands},
                                                       {"armour", p.armour},
                                                       {"keys", p.keys},
                                                       {"backpack", p.backpack},
                                                       {"holster", p.holster}};
  for (const auto& [name, item] : slots) {
    if (item == p.active) return name;
  }
  for (size_t i = 0; i < p.bag.size(); ++i) {
    if (p.bag[i] == p.active) return "bag:" + std::to_string(i);
  }
  return nullptr;
}

nlohmann::json PersonJson(const Person& p) {
  nlohmann::json bag = nlohmann::json::array();
  for (const Item* item : p.bag) bag.push_back(ItemJson(item));
  nlohmann::json queue = nlohmann::json::array();
  for (const person_action_struct& a : p.actions) queue.push_back({a.type, a.p1, a.p2});
  float tx = 0.0f, ty = 0.0f, tw = 0.0f, th = 0.0f;
  if (p.sprite != nullptr) p.sprite->GetTextureRect(&tx, &ty, &tw, &th);
  return {{"firstName", p.firstName},
          {"profession", p.profession},
          {"trait", p.trait},
          {"photo", p.photo},
          {"displayName", ToUtf8(p.displayName)},
          {"description", ToUtf8(p.description)},
          {"drawX", p.drawX},
          {"drawY", p.drawY},
          {"targetable", p.targetable},
          {"alive", p.alive},
          {"tint", p.tint},
          {"pulse", p.pulse},
          {"bagCapacity", p.bagCapacity},
          {"painkillerTurns", p.painkillerTurns},
          {"hands", ItemJson(p.hands)},
          {"armour", ItemJson(p.armour)},
          {"keys", ItemJson(p.keys)},
          {"backpack", ItemJson(p.backpack)},
          {"holster", ItemJson(p.holster)},
          {"active", ActiveJson(p)},
          {"bag", bag},
          {"skills", p.skills},
          {"searchable", p.searchable},
          {"queue", queue},
          {"cell", p.cell},
          {"secondCell", p.secondCell},
          {"direction", p.direction},
          {"life", p.life},
          {"maximum", p.maximum},
          {"actionPoints", p.actionPoints},
          {"x", p.x},
          {"y", p.y},
          {"frame", p.frame},
          {"actionTime", p.actionTime},
          {"frameTime", p.frameTime},
          {"spriteFrame", {tx, ty}},
          {"colour", p.sprite != nullptr ? p.sprite->GetColor() : 0xFFFFFFFFu}};
}

nlohmann::json PersonsJson(const std::vector<Person*>& list) {
  nlohmann::json out = nlohmann::json::array();
  for (const Person* p : list) out.push_back(PersonJson(*p));
  return out;
}

nlohmann::json ViewJson(const map_view_struct& v) {
  return {{"cursor", {v.cursorX, v.cursorY, v.cursorCell}},
          {"marked", {v.markedX, v.markedY}},
          {"flags", {v.cursorOnMap, v.showPath, v.scrolled, v.autoScroll}},
          {"offset", {v.offsetX, v.offsetY}},
          {"scroll", {v.scrollX, v.scrollY}},
          {"glide", {v.glideX, v.glideY, v.glideVX, v.glideVY}}};
}

// The cell records as one list per field, in cell order.
nlohmann::json CellsJson(const Map& map) {
  nlohmann::json here = nlohmann::json::array(), bound = nlohmann::json::array();
  nlohmann::json marks = nlohmann::json::array(), field = nlohmann::json::array();
  nlohmann::json paths = nlohmann::json::array();
  for (const map_cell_struct& c : map.cells) {
    here.push_back({c.memberHere, c.zombieHere});
    bound.push_back({c.memberBound, c.zombieBound});
    marks.push_back(c.pathMark);
    field.push_back({c.zombieDistance, c.zombieDirection});
    nlohmann::json entry = nlohmann::json::array();
    for (const man_ap_struct& m : c.paths) {
      entry.push_back(m.cost);
      entry.push_back(m.direction);
    }
    paths.push_back(entry);
  }
  return {{"here", here}, {"bound", bound}, {"pathMark", marks}, {"zombieField", field}, {"paths", paths}};
}

nlohmann::json MapJson(const Map& map) {
  nlohmann::json queue = nlohmann::json::array();
  for (const path_point_struct& q : map.searchQueue) queue.push_back({q.x, q.y, q.direction});
  nlohmann::json alpha = nlohmann::json::array();
  for (const map_sprites_struct& s : map.sprites) alpha.push_back(s.alpha);
  nlohmann::json ground = nlohmann::json::array();
  for (size_t c = 0; c < map.cells.size(); ++c) {
    if (map.cells[c].items.empty()) continue;
    nlohmann::json items = nlohmann::json::array();
    for (const Item* item : map.cells[c].items) items.push_back(ItemJson(item));
    ground.push_back({{"cell", c}, {"items", items}});
  }
  return {{"W", map.W},
          {"H", map.H},
          {"searchSpots", map.searchSpots.size()},
          {"spriteCount", map.sprites.size()},
          {"searchThreshold", map.searchThreshold},
          {"searchesMade", map.searchesMade},
          {"escapeKeyFound", map.escapeKeyFound},
          {"zombieCount", map.zombieCount},
          {"searchMember", map.searchMember},
          {"pathsStale", map.pathsStale},
          {"marksStale", map.marksStale},
          {"pathDone", map.pathDone},
          {"searchQueue", queue},
          {"spriteAlpha", alpha},
          {"fadedSprites", map.fadedSprites},
          {"view", ViewJson(map.view)},
          {"cells", CellsJson(map)},
          {"groundItems", ground}};
}

}  // namespace

nlohmann::json SaveGameToJson() {
  const random_state_struct random = RandomState();
  nlohmann::json j;
  j["format"] = SAVE_FORMAT_NAME;
  j["version"] = SAVE_FORMAT_VERSION;
  j["town"] = BoardTown();
  j["phase"] = screenState;
  j["timer"] = screenTimer;
  j["selectedMember"] = selectedMember;
  j["message"] = ToUtf8(message);
  j["messageFlash"] = messageFlash;
  j["searchRunning"] = searchRunning;
  j["random"] = {{"ring", random.ring}, {"next", random.next}};
  j["engineRandom"] = hge != nullptr ? hge->Random_GetState() : 0;
  j["stats"] = {{"turns", gameStats.turns}, {"zombiesKilled", gameStats.zombiesKilled}};
  j["team"] = PersonsJson(team);
  j["zombies"] = PersonsJson(zombies);
  if (gameMap != nullptr) j["map"] = MapJson(*gameMap);
  return j;
}

bool WriteSave(std::string* error) {
  const std::string path = SaveFilePath();
  if (path.empty()) {
    *error = "saving is off";
    return false;
  }
  if (!MakeFolders(SaveDir(), error)) return false;
  // A --map file's name need not be UTF-8; such bytes are written replaced rather than failing the save.
  const std::string text = SaveGameToJson().dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  return WriteFileAtomically(path, text + "\n", error);
}
