// The zombies' half of the turn: a new zombie at the map edge, the planner's steps and blows, the next turn.
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/play.h"
#include "app/selection.h"
#include "app/sounds.h"
#include "engine/hge.h"
#include "game/game_stats.h"
#include "game/person.h"
#include "game/random.h"
#include "game/world.h"
#include "map/map.h"
#include "map/zombie_reach.h"
#include "ui/resources.h"

namespace {

// Seconds one turning action holds up the zombies that plan after it.
constexpr float kTurnStagger = 0.2f;
// Random edge positions tried before the edge is scanned cell by cell; a playable map needs a few.
constexpr int kEntryAttempts = 1000;
// A newcomer is refused nearer than this to a team member on both axes at once.
constexpr int kEntryClearance = 4;
// A blow misses when the victim's roll is at most this; it lands otherwise.
constexpr float kRecoilChance = 0.75f;
// A blocked zombie tries a random direction when its roll is below this.
constexpr float kSideStepChance = 0.15f;

// The cell next to (x, y) in direction d, or -1 off the grid.
int Neighbour(const Map& map, int x, int y, int d) {
  return map.CellIndex(x + StepDX(d), y + StepDY(d));
}

// Queues the zombie's quarter turns to face d, each with p1; returns how many were queued.
int TurnZombie(Person* z, int d, float p1) {
  const int turns = TurnsBetween(z->direction, d);
  const int type = turns < 0 ? PA_ZOMBIE_TURN_LEFT : PA_ZOMBIE_TURN_RIGHT;
  for (int i = 0; i < std::abs(turns); ++i) z->AddAction(type, p1, 0.0f, true);
  return std::abs(turns);
}

// Whether zombie k may enter at (x, y): open ground, clear of every placed member, no earlier zombie there.
bool MayEnter(int k, int x, int y) {
  const Map& map = *gameMap;
  if (!map.Inside(x, y) || map.cells[map.CellIndex(x, y)].floor != FLOOR_OPEN) return false;
  for (const Person* p : team) {
    if (p->cell < 0) continue;  // never placed on the map
    if (std::abs(x - p->x) < kEntryClearance && std::abs(y - p->y) < kEntryClearance) return false;
  }
  for (int j = 0; j < k; ++j) {
    if (zombies[j]->x == x && zombies[j]->y == y) return false;
  }
  return true;
}

// The facing that looks into the map from edge cell (x, y), checking the sides in the draw's order.
int InwardFacing(int x, int y) {
  if (y == 0) return DIR_DOWN;
  if (x == gameMap->W - 1) return DIR_LEFT;
  if (y == gameMap->H - 1) return DIR_UP;
  return DIR_RIGHT;
}

// Stands zombie k at (x, y), occupied and drawing cell both.
void PutZombie(int k, int x, int y) {
  Person* z = zombies[k];
  const int cell = gameMap->CellIndex(x, y);
  z->x = x;
  z->y = y;
  z->cell = z->secondCell = static_cast<int16_t>(cell);
  gameMap->cells[cell].zombieHere = gameMap->cells[cell].zombieBound = static_cast<int16_t>(k);
}

// Draws entry positions along the edge; when none is accepted in time, picks among the accepted edge
// cells; with none at all the newcomer leaves the list again and nobody enters this turn.
void ZombieEnters() {
  zombies.push_back(new Person(zombieTexture));
  const int k = static_cast<int>(zombies.size()) - 1;
  Person* z = zombies[k];
  const int W = gameMap->W;
  const int H = gameMap->H;
  for (int attempt = 0; attempt < kEntryAttempts; ++attempt) {
    int x = 0, y = 0;
    switch (RandomInt(0, 3)) {
      case 0:
        x = RandomInt(0, W - 1);
        z->SetDirection(DIR_DOWN);
        break;
      case 1:
        x = W - 1;
        y = RandomInt(0, H - 1);
        z->SetDirection(DIR_LEFT);
        break;
      case 2:
        x = RandomInt(0, W - 1);
        y = H - 1;
        z->SetDirection(DIR_UP);
        break;
      default:
        y = RandomInt(0, H - 1);
        z->SetDirection(DIR_RIGHT);
        break;
    }
    if (!MayEnter(k, x, y)) continue;
    PutZombie(k, x, y);
    return;
  }
  std::vector<int> free;
  for (int y = 0; y < H; ++y) {
    for (int x = 0; x < W; ++x) {
      const bool edge = x == 0 || y == 0 || x == W - 1 || y == H - 1;
      if (edge && MayEnter(k, x, y)) free.push_back(y * W + x);
    }
  }
  if (free.empty()) {
    zombies.pop_back();
    delete z;
    return;
  }
  const int cell = free[RandomInt(0, static_cast<int>(free.size()) - 1)];
  z->SetDirection(InwardFacing(cell % W, cell / W));
  PutZombie(k, cell % W, cell / W);
}

// What one planning pass shares between its zombies.
struct Pass {
  float delay = 0.0f;              // seconds the turning so far holds up the next zombie
  std::vector<float> memberDelay;  // how far each member's reactions already wait
  bool attackFree = true;          // nobody has struck in this pass yet
};

// Zombie j strikes the member in direction d; false when nobody stands there (then it is no blow).
bool Strike(int j, int d, Pass& pass) {
  Map& map = *gameMap;
  Person* z = zombies[j];
  const int target = Neighbour(map, z->x, z->y, d);
  const int p = target < 0 ? -1 : map.cells[target].memberHere;
  if (p < 0 || p >= static_cast<int>(team.size())) return false;
  Person* victim = team[p];
  pass.attackFree = false;
  z->actionPoints -= 1;
  pass.delay += kTurnStagger * TurnZombie(z, d, 0.0f);
  z->AddAction(PA_ZOMBIE_STRIKE, 0, 0, true);
  z->AddAction(PA_ZOMBIE_FACE, 0, 0, true);
  // The victim reacts when the strike lands, after the turns queued before it in this pass.
  victim->AddAction(PA_WAIT, pass.delay - pass.memberDelay[p], 0, true);
  pass.memberDelay[p] = pass.delay;
  if (RandomFloat(0, 1) <= kRecoilChance) {
    victim->AddAction(PA_RECOIL, map.cells[target].standHeight, 0, true);
  } else {
    victim->AddAction(PA_WOUND, 0, 0, true);
  }
  victim->AddAction(PA_FACE, 0, 0, true);
  z->StartAction(false);
  victim->StartAction(false);
  return true;
}

// Zombie j steps from cell c in direction d (or, blocked, now and then in a random one); false when it
// cannot pay for or make any step.
bool Step(int j, int c, int d, Pass& pass) {
  Map& map = *gameMap;
  Person* z = zombies[j];
  int cost = map.ZombieStepCost(z->x, z->y, d, true);
  if (cost < 0 && RandomFloat(0, 1) < kSideStepChance) {
    d = RandomInt(DIR_UP, DIR_LEFT);
    cost = map.ZombieStepCost(z->x, z->y, d, true);
  }
  if (cost < 0 || cost > z->actionPoints) return false;
  if (pass.delay > 0.0f) z->AddAction(PA_ZOMBIE_WAIT, pass.delay, 0, true);
  pass.delay += kTurnStagger * TurnZombie(z, d, map.cells[c].standHeight);
  const step_kind_struct step = map.StepKind(-1, c, d);
  z->AddAction(step.kind, step.fromHeight, step.toHeight, true);
  z->AddAction(step.kind + 1, step.fromHeight, step.toHeight, true);
  z->AddAction(PA_ZOMBIE_FACE, 0, 0, true);
  z->StartAction(z->actionPoints == ZOMBIE_TURN_POINTS);
  z->actionPoints -= cost;
  // The occupied cell moves at once, so no later zombie of this pass steps into it.
  if (map.ValidCell(z->cell) && map.cells[z->cell].zombieHere == j) map.cells[z->cell].zombieHere = -1;
  z->cell = static_cast<int16_t>(Neighbour(map, z->x, z->y, d));
  map.cells[z->cell].zombieHere = static_cast<int16_t>(j);
  return true;
}

}  // namespace

void EndPlayerTurn() {
  PlaySound(SND_ZOMBIE_ATTACK);
  screenState = PHASE_ZOMBIES_PLAN;
  gameMap->pathsStale = true;
  if (static_cast<int>(zombies.size()) < gameMap->zombieCount) ZombieEnters();
  for (Person* z : zombies) z->actionPoints = ZOMBIE_TURN_POINTS;
}

void PlanZombies(float dt) {
  Map& map = *gameMap;
  map.UpdateView(dt);
  // The zombies plan only on a finished distance field.
  if (map.searchMember >= 0) return;
  Pass pass;
  pass.memberDelay.assign(team.size(), 0.0f);
  bool noneActed = true;
  for (int j = 0; j < static_cast<int>(zombies.size()); ++j) {
    Person* z = zombies[j];
    const int c = map.CellIndex(z->x, z->y);
    if (c < 0 || z->actionPoints <= 0) continue;
    // The field's direction is the last step of the route from the member; the zombie goes back along it.
    const int d = OppositeDirection(map.cells[c].zombieDirection);
    const bool blow = pass.attackFree && map.cells[c].zombieDistance == 1 && Strike(j, d, pass);
    if (!blow && !Step(j, c, d, pass)) continue;
    screenState = PHASE_ZOMBIES_ACTING;
    map.pathsStale = true;
    noneActed = false;
  }
  if (noneActed) StartNewTurn();
}

void StartNewTurn() {
  screenState = PHASE_INPUT;
  gameMap->pathsStale = true;
  bool anyoneAlive = false;
  for (int i = 0; i < static_cast<int>(team.size()); ++i) {
    Person* p = team[i];
    if (!p->alive) continue;
    anyoneAlive = true;
    // Nothing hurts under a painkiller or with analgesia: the points come back in full.
    if (HasSkill(i, SKILL_ANALGESIA) || p->painkillerTurns > 0) {
      p->actionPoints = p->maximum;
    } else {
      p->actionPoints = std::min(p->actionPoints + p->life, p->maximum);
    }
    if (p->painkillerTurns > 0) --p->painkillerTurns;
  }
  if (!anyoneAlive) {
    outcome = OUTCOME_LOST;
  } else {
    ++gameStats.turns;
  }
}
