// The pointer drag and selecting a team member.
#include "app/game_state.h"

#include "game/messages.h"
#include "game/person.h"
#include "game/roster.h"
#include "map/map.h"
#include "ui/hud_list.h"

int dragState = DRAG_NONE;
Item* draggedItem = nullptr;
int dragSource = 0;

void CancelDrag() {
  draggedItem = nullptr;
  dragState = DRAG_NONE;
  dragSource = 0;
}

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
