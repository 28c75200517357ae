// Selecting a team member on the game screen.
#include "app/selection.h"

#include "game/messages.h"
#include "game/person.h"
#include "game/world.h"
#include "map/map.h"
#include "ui/hud_list.h"

void SelectMember(int i) {
  if (i < 0 || i >= static_cast<int>(team.size()) || !team[i]->alive) return;
  if (i == selectedMember) {
    gameMap->CenterOnMember();
    return;
  }
  selectedMember = i;
  gameMap->marksStale = true;
  CancelDrag();
  gameMap->MarkTargets();
  ApplyHudEnabling();
  ShowMessage(team[i]->DisplayName());
}
