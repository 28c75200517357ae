// The team-selection screen's entry and frame: the offer of two cards, the pick, and the buttons.
#include "ui/team_screen.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "config/settings.h"
#include "engine/gui.h"
#include "engine/sprite.h"
#include "game/candidates.h"
#include "game/person.h"
#include "game/sound_cues.h"
#include "game/world.h"
#include "ui/passport.h"
#include "ui/resources.h"
#include "ui/town_choice.h"

Person* candidates[2] = {};
int chosenCandidate = 0;
float movingCardX = 0.0f;
float movingCardY = 0.0f;
bool startChosen = false;

namespace {

// Card slots of the candidates on the card surface (slots 0 to 3 hold the team's cards).
constexpr int kFirstCandidateSlot = 4;
constexpr int kTeamSize = 4;

void SetColour(hgeSprite* sprite, uint32_t colour) {
  if (sprite != nullptr) sprite->SetColor(colour);
}

// Grey level g on all four channels, for the pictures that fade with the cards.
uint32_t Grey(float level) {
  const uint32_t g = static_cast<uint32_t>(std::clamp(std::floor(level), 0.0f, 255.0f));
  return g * 0x01010101u;
}

// Black with alpha floor(level), for the dimming quad.
uint32_t Dim(float level) {
  const uint32_t a = static_cast<uint32_t>(std::clamp(std::floor(level), 0.0f, 255.0f));
  return a << 24;
}

// How far a timed state has come, 0 to 1; a zero duration counts as already over.
float Progress(float duration) {
  return duration > 0.0f ? screenTimer / duration : 1.0f;
}

// Advances the timer of a timed state; true once the duration has passed (the timer then stops at it).
bool TimerReached(float dt, float duration) {
  screenTimer += dt;
  if (screenTimer < duration) return false;
  screenTimer = duration;
  return true;
}

void Show(int id, bool shown) {
  teamButtons->ShowCtrl(id, shown);
  teamButtons->EnableCtrl(id, shown);
}

// The other candidate's slot sprite, the one not picked.
hgeSprite* OtherSlot() {
  return cardSlots[chosenCandidate == 1 ? kFirstCandidateSlot + 1 : kFirstCandidateSlot];
}
// The picked candidate's slot sprite.
hgeSprite* ChosenSlot() {
  return cardSlots[kFirstCandidateSlot + chosenCandidate - 1];
}

// Persons who left the team or were not picked. Nothing refers to them any more, but they are kept (as
// every figure of the run is) rather than freed under a pointer someone might still hold.
std::vector<Person*>* const retired = new std::vector<Person*>();

void EmptyTeam() {
  retired->insert(retired->end(), team.begin(), team.end());
  team.clear();
}

// Paints a card onto the card surface.
void PaintCard(const Person& person, int slot) {
  hge->Gfx_BeginScene(cardSurface);
  DrawPassport(person, 0, slot * PASS_H);
  hge->Gfx_EndScene();
}

void OfferTwo() {
  PlaySound(SND_CLICK);
  for (Person* c : candidates) {
    if (c != nullptr && std::find(team.begin(), team.end(), c) == team.end()) retired->push_back(c);
  }
  candidates[0] = MakeCandidate(false, nullptr);
  candidates[1] = MakeCandidate(true, candidates[0]);
  chosenCandidate = 0;
  PaintCard(*candidates[0], kFirstCandidateSlot);
  PaintCard(*candidates[1], kFirstCandidateSlot + 1);
  screenState = TEAM_SHOW;
  screenTimer = 0.0f;
  for (hgeSprite* s : {dimQuad, changeOne, changeOr, cardSlots[4], cardSlots[5]}) SetColour(s, 0);
}

// The buttons of an empty team: add and the stand-by start.
void ShowEmptyTeamButtons() {
  Show(BTN_STANDBY, true);
  Show(BTN_ADD, true);
  Show(BTN_START, false);
  Show(BTN_START_OVER, false);
}

void StartOver() {
  PlaySound(SND_CLICK);
  EmptyTeam();
  ShowEmptyTeamButtons();
}

void WaitForButton(float dt) {
  switch (teamButtons->Update(dt)) {
    case BTN_ADD:
      OfferTwo();
      break;
    case BTN_START_OVER:
      StartOver();
      break;
    case BTN_START:
      startChosen = true;
      break;
  }
  UpdateTownChoice(dt);
}

void ShowCards(float dt) {
  if (TimerReached(dt, PASS_T_SHOW_TWO)) screenState = TEAM_CHOOSE;
  const float f = Progress(PASS_T_SHOW_TWO);
  SetColour(dimQuad, Dim(PASS_DARK_QUAD_COLOR * f));
  for (hgeSprite* s : {changeOne, changeOr, cardSlots[4], cardSlots[5]}) SetColour(s, Grey(255.0f * f));
}

void ChooseCard(float dt) {
  const int id = cardButtons->Update(dt);
  if (id == CARD_FIRST) {
    chosenCandidate = 1;
    movingCardX = PASS_MAN1_X;
    movingCardY = PASS_MAN1_Y;
  } else if (id == CARD_SECOND) {
    chosenCandidate = 2;
    movingCardX = PASS_MAN2_X;
    movingCardY = PASS_MAN2_Y;
  }
  if (chosenCandidate != 0) {
    screenState = TEAM_ADD;
    screenTimer = 0.0f;
  }
}

void MoveChosenCard(float dt) {
  const bool arrived = TimerReached(dt, PASS_T_ADD_ONE);
  if (arrived) screenState = TEAM_SETTLE;
  const float f = Progress(PASS_T_ADD_ONE);
  const int n = static_cast<int>(team.size());
  const float mx = chosenCandidate == 1 ? PASS_MAN1_X : PASS_MAN2_X;
  const float my = chosenCandidate == 1 ? PASS_MAN1_Y : PASS_MAN2_Y;
  SetColour(dimQuad, Dim((1.0f - f) * PASS_DARK_QUAD_COLOR));
  for (hgeSprite* s : {changeOne, changeOr, OtherSlot()}) SetColour(s, Grey((1.0f - f) * 255.0f));
  const float teamY = PASS_Y + n * PASS_Y_STEP;
  movingCardX = (mx - PASS_X) * (1.0f - f) + PASS_X;
  movingCardY = (my - teamY) * (1.0f - f) + teamY;
  if (!arrived || n >= kTeamSize) return;
  // The card is copied into the team's next slot; the other candidate is dropped.
  hge->Gfx_BeginScene(cardSurface);
  ChosenSlot()->Render(0, n * PASS_H);
  hge->Gfx_EndScene();
  team.push_back(candidates[chosenCandidate - 1]);
}

void Settle() {
  SetColour(dimQuad, Dim(PASS_DARK_QUAD_COLOR));
  SetColour(OtherSlot(), 0xFFFFFFFF);
  screenState = TEAM_WAIT;
  const size_t size = team.size();
  if (size >= 2) {
    Show(BTN_STANDBY, false);
    Show(BTN_START, true);
  }
  if (size == kTeamSize) {
    Show(BTN_START_OVER, true);
    Show(BTN_ADD, false);
  }
  SetColour(changeOne, 0xFFFFFFFF);
  SetColour(changeOr, 0xFFFFFFFF);
}

}  // namespace

void EnterTeamSelection() {
  startChosen = false;
  CreateTeamResources();
  EmptyTeam();
  ShowEmptyTeamButtons();
  screenState = TEAM_WAIT;
  screenTimer = 0.0f;
}

bool TeamFrame() {
  if (hge->Input_KeyDown(HGEK_ESCAPE)) return true;
  if (hge->Input_KeyDown(HGEK_F1)) LoadSettings(hge);
  const float dt = hge->Timer_GetDelta();
  switch (screenState) {
    case TEAM_WAIT:
      WaitForButton(dt);
      break;
    case TEAM_SHOW:
      ShowCards(dt);
      break;
    case TEAM_CHOOSE:
      ChooseCard(dt);
      break;
    case TEAM_ADD:
      MoveChosenCard(dt);
      break;
    case TEAM_SETTLE:
      Settle();
      break;
  }
  return false;
}

std::vector<const Person*> OpenOffer() {
  if (screenState < TEAM_SHOW || screenState > TEAM_ADD) return {};
  if (candidates[0] == nullptr || candidates[1] == nullptr) return {};
  return {candidates[0], candidates[1]};
}
