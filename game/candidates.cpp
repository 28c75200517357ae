// Drawing team candidates.
#include "game/candidates.h"

#include <algorithm>

#include "config/settings.h"
#include "engine/hge.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"

namespace {

// The engine's uniform integer, which makes a candidate's first draws.
int EngineInt(int lo, int hi) {
  return hge != nullptr ? hge->Random_Int(lo, hi) : RandomInt(lo, hi);
}

// Whether a value of `field` is held by a team member or, with excludeFirst, by `first`.
std::function<bool(int)> TakenBy(int Person::*field, bool excludeFirst, const Person* first) {
  return [=](int value) {
    if (excludeFirst && first != nullptr && first->*field == value) return true;
    return std::any_of(team.begin(), team.end(),
                       [&](const Person* member) { return member != nullptr && member->*field == value; });
  };
}

}  // namespace

int FirstFreeValue(int draw, int n, const std::function<bool(int)>& taken) {
  // A bounded scan: when every value is taken (few photos, a large team) the draw is kept as a repeat.
  for (int step = 0; step < n; ++step) {
    const int value = (draw + step) % n;
    if (!taken(value)) return value;
  }
  return draw;
}

Person* MakeCandidate(bool excludeFirst, const Person* first) {
  const int firstName = FirstFreeValue(EngineInt(0, FIRST_NAME_COUNT - 1), FIRST_NAME_COUNT,
                                       TakenBy(&Person::firstName, excludeFirst, first));
  const int profession = FirstFreeValue(EngineInt(0, PROFESSION_COUNT - 1), PROFESSION_COUNT,
                                        TakenBy(&Person::profession, excludeFirst, first));
  // Fewer than one photo would leave nothing to draw from.
  const int photoCount = std::max<int>(PASS_PHOTO_NUM, 1);
  const int photo =
      FirstFreeValue(EngineInt(0, photoCount - 1), photoCount, TakenBy(&Person::photo, excludeFirst, first));
  const int traitDraw = EngineInt(1, TRAIT_COUNT - 1);
  const int trait = RandomFloat(0.0f, 1.0f) < 0.2f
                        ? FirstFreeValue(traitDraw, TRAIT_COUNT, TakenBy(&Person::trait, excludeFirst, first))
                        : 0;

  const HTEXTURE texture = manTextures[photo >= 0 && photo < 5 ? photo : 0];
  return new Person(texture, firstName, profession, photo, trait);
}
