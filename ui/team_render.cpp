// The team-selection screen's render callback: background, buttons, the team's cards and the offer.
#include "config/settings.h"
#include "engine/gui.h"
#include "engine/hge.h"
#include "engine/sprite.h"
#include "game/world.h"
#include "ui/resources.h"
#include "ui/team_screen.h"
#include "ui/town_choice.h"

namespace {

void Put(hgeSprite* sprite, float x, float y) {
  if (sprite != nullptr) sprite->Render(x, y);
}

// The dimmed screen with the "choose one" and "or" pictures over it.
void DrawOfferBackdrop() {
  if (dimQuad != nullptr) dimQuad->RenderStretch(0, 0, SCREEN_W, SCREEN_H);
  Put(changeOne, PASS_CHANGE_ONE_X, PASS_CHANGE_ONE_Y);
  Put(changeOr, PASS_CHANGE_OR_X, PASS_CHANGE_OR_Y);
}

}  // namespace

bool TeamRender() {
  hge->Gfx_BeginScene(0);
  Put(teamBackground, 0, 0);
  teamButtons->Render();
  RenderTownChoice();
  for (size_t i = 0; i < team.size() && i < 4; ++i) Put(cardSlots[i], PASS_X, PASS_Y + i * PASS_Y_STEP);
  if (screenState == TEAM_SHOW || screenState == TEAM_CHOOSE) {
    DrawOfferBackdrop();
    Put(cardSlots[4], PASS_MAN1_X, PASS_MAN1_Y);
    Put(cardSlots[5], PASS_MAN2_X, PASS_MAN2_Y);
  } else if (screenState == TEAM_ADD) {
    DrawOfferBackdrop();
    if (chosenCandidate == 1) {
      Put(cardSlots[5], PASS_MAN2_X, PASS_MAN2_Y);
      Put(cardSlots[4], movingCardX, movingCardY);
    } else {
      Put(cardSlots[4], PASS_MAN1_X, PASS_MAN1_Y);
      Put(cardSlots[5], movingCardX, movingCardY);
    }
  }
  hge->Gfx_EndScene();
  return false;
}
