// The live item: construction from its catalogue row, its action names and the outcome draw.
#include "game/item.h"

#include <cmath>

#include "engine/language.h"
#include "engine/text.h"
#include "game/item_catalogue.h"
#include "game/person.h"
#include "game/random.h"

namespace {

// The catalogue's names of the actions, by action id.
const char* const kActionNames[] = {
    N_("Завести машину"), N_("Ударить"), N_("Выстрел"), N_("Очередь"), N_("Перезарядить"), N_("Применить"),
};
constexpr int32_t kActionCount = sizeof(kActionNames) / sizeof(kActionNames[0]);

}  // namespace

Item::Item(int32_t itemType) : type(itemType) {
  const CatalogueRow* row = CatalogueRowOf(itemType);
  if (row != nullptr) {
    kind = row->kind;
    size = row->size;
    range = row->range;
    capacity = row->capacity;
    ammoKind = row->ammoKind;
    skills = row->skills;
    for (const CatalogueAction& action : row->actions) {
      AddAction(action.id, action.cost, action.rounds);
      for (const CatalogueResult& result : action.results)
        AddResult(result.without, result.with, result.code);
    }
    if (row->loaded.times > 0) {
      loaded = static_cast<int16_t>(row->loaded.times * RandomInt(row->loaded.lo, row->loaded.hi));
      if (row->loaded.capacityToo) capacity = loaded;
    }
  }
  selectedAction = actions.empty() ? -1 : 0;
}

void Item::AddAction(int32_t id, int16_t cost, int16_t rounds) {
  actions.push_back({id, cost, rounds, {}});
}

void Item::AddResult(float weightWithout, float weightWith, int32_t code) {
  if (actions.empty()) return;
  actions.back().results.push_back({weightWithout, weightWith, code});
}

std::string Item::ActionName() const {
  if (selectedAction < 0 || selectedAction >= static_cast<int32_t>(actions.size())) return "";
  const int32_t id = actions[selectedAction].id;
  if (id < 0 || id >= kActionCount) return "";
  return Tr(kActionNames[id]);
}

std::string ItemName(int32_t type) {
  if (type < 0 || type >= ITEM_TYPE_COUNT) return Tr("Предмет не известен");
  return Tr(CatalogueRowOf(type)->name);
}

bool IsSkilledWith(int member, const Item& item) {
  for (int32_t skill : item.skills) {
    if (HasSkill(member, skill)) return true;
  }
  return false;
}

int WinningResult(const action_struct& action, bool skilled, float roll) {
  // Float subtraction would leave crumbs: 0.6 - 0.5 - 0.1 is not 0 in floats, yet it is an outcome.
  long left = std::lround(roll * 1000.0);
  for (size_t i = 0; i < action.results.size(); ++i) {
    const action_result_struct& result = action.results[i];
    left -= std::lround((skilled ? result.weightWith : result.weightWithout) * 1000.0);
    if (left <= 0) return static_cast<int>(i);
  }
  return -1;
}

int32_t OutcomeForRoll(const action_struct& action, bool skilled, float roll) {
  const int index = WinningResult(action, skilled, roll);
  return index < 0 ? -1 : action.results[index].code;
}

int32_t DrawOutcome(int member, const Item& item, const action_struct& action) {
  const bool skilled = IsSkilledWith(member, item);
  return OutcomeForRoll(action, skilled, RandomFloat(0.0f, 1.0f));
}
