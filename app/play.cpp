// The play commands in their first form: enough to keep the turn loop complete and playable.
#include "app/play.h"

#include <algorithm>

#include "app/game_state.h"
#include "app/shell.h"
#include "app/sounds.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "ui/hud_list.h"

void AnalyzeMap(float dt) {
  gameMap->Analyze(dt);
}

void EndPlayerTurn() {
  PlaySound(SND_ZOMBIE_ATTACK);
  screenState = PHASE_ZOMBIES_PLAN;
  gameMap->pathsStale = true;
}

void PlanZombies(float dt) {
  gameMap->UpdateView(dt);
  // The zombies plan only on a finished distance field; none of them acts yet.
  if (gameMap->searchMember >= 0) return;
  StartNewTurn();
}

void StartNewTurn() {
  screenState = PHASE_INPUT;
  gameMap->pathsStale = true;
  bool anyoneAlive = false;
  for (Person* p : team) {
    if (!p->alive) continue;
    anyoneAlive = true;
    p->actionPoints = std::min(p->actionPoints + p->life, p->maximum);
  }
  if (!anyoneAlive) StartEnd();
}

void PressHud(int id) {
  if (id >= HUD_PHOTO_FIRST && id < HUD_PHOTO_FIRST + 4) SelectMember(id - HUD_PHOTO_FIRST);
}

void DropHud(int) {
  CancelDrag();
}

void CycleAction() {}
