// Writing figures and items as JSON for the state dump.
#include "game/person_json.h"

#include "engine/text.h"
#include "game/item.h"
#include "game/person.h"

namespace {

nlohmann::json QueueToJson(const Person& p) {
  nlohmann::json queue = nlohmann::json::array();
  for (const person_action_struct& a : p.actions) queue.push_back({a.type, a.p1, a.p2});
  return queue;
}

nlohmann::json ZombieToJson(const Person& p) {
  return {{"x", p.x},
          {"y", p.y},
          {"cell", p.cell},
          {"secondCell", p.secondCell},
          {"direction", p.direction},
          {"actionPoints", p.actionPoints},
          {"targetable", p.targetable != 0},
          {"queue", QueueToJson(p)}};
}

}  // namespace

nlohmann::json ItemToJson(const Item* item) {
  if (item == nullptr) return nullptr;
  return {{"type", item->type},
          {"name", ToUtf8(ItemName(item->type))},
          {"kind", item->kind},
          {"size", item->size},
          {"loaded", item->loaded},
          {"capacity", item->capacity},
          {"selectedAction", item->selectedAction}};
}

nlohmann::json PersonToJson(const Person& p) {
  if (p.isZombie != 0) return ZombieToJson(p);
  nlohmann::json bag = nlohmann::json::array();
  for (const Item* item : p.bag) bag.push_back(ItemToJson(item));
  return {{"name", ToUtf8(p.DisplayName())},
          {"firstName", p.firstName},
          {"profession", p.profession},
          {"trait", p.trait},
          {"photo", p.photo},
          {"x", p.x},
          {"y", p.y},
          {"cell", p.cell},
          {"secondCell", p.secondCell},
          {"direction", p.direction},
          {"life", p.life},
          {"maximum", p.maximum},
          {"actionPoints", p.actionPoints},
          {"alive", p.alive != 0},
          {"painkillerTurns", p.painkillerTurns},
          {"bagCapacity", p.bagCapacity},
          {"bagLoad", p.bagLoad},
          {"bag", bag},
          {"armour", ItemToJson(p.armour)},
          {"keys", ItemToJson(p.keys)},
          {"backpack", ItemToJson(p.backpack)},
          {"holster", ItemToJson(p.holster)},
          {"active", ItemToJson(p.active)},
          {"skills", p.skills},
          {"description", ToUtf8(p.DescriptionText())},
          {"queue", QueueToJson(p)}};
}
