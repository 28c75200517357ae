// The bot's gestures and its play of the screens before and after the game: logo, menu, team, end.
#include "app/bot/bot_player.h"

#include "app/save_paths.h"
#include "app/screens.h"
#include "config/settings.h"
#include "engine/headless/headless.h"
#include "engine/hge.h"
#include "game/world.h"
#include "ui/resources.h"
#include "ui/team_screen.h"

BotPlayer::BotPlayer(uint32_t seed, int teamSize) : rng(seed) {
  // The draw is made either way, so a fixed size leaves the rest of the bot's choices as they were.
  wantedTeamSize = Between(2, 4);
  if (teamSize > 0) wantedTeamSize = teamSize;
}

int BotPlayer::Between(int lo, int hi) {
  return rng.Between(lo, hi);
}

bool BotPlayer::Chance(double p) {
  return rng.Unit() < p;
}

void BotPlayer::Step() {
  // A game that has ended drops the rest of what the bot meant to do in it, so no click planned on the map
  // lands on the end screen; a button still held goes up there, where a release alone does nothing.
  if (currentScreen == Screen::End && plannedFor != Screen::End && !pending.empty()) {
    pending.clear();
    HeadlessRelease(HGEK_LBUTTON);
    leftHeld = false;
  }
  if (pending.empty()) Plan();
  if (pending.empty()) Wait(1);
  while (!pending.empty()) {
    Input& in = pending.front();
    if (in.wait > 0) {
      --in.wait;
      return;
    }
    switch (in.kind) {
      case Input::Move:
        HeadlessMouse(in.at.x, in.at.y);
        break;
      case Input::Down:
        HeadlessPress(in.key);
        break;
      case Input::Up:
        HeadlessRelease(in.key);
        break;
      case Input::Nothing:
        break;
    }
    pending.pop_front();
  }
}

void BotPlayer::Quit() {
  pending.clear();
  if (leftHeld) Release(HGEK_LBUTTON);
  Tap(HGEK_ESCAPE);
}

void BotPlayer::Wait(int frames) {
  pending.push_back({Input::Nothing, frames, {0.0f, 0.0f}, 0});
}

void BotPlayer::MoveTo(BotPoint p, int wait) {
  pending.push_back({Input::Move, wait, p, 0});
}

void BotPlayer::Press(int key, int wait) {
  if (key == HGEK_LBUTTON) leftHeld = true;
  pending.push_back({Input::Down, wait, {0.0f, 0.0f}, key});
}

void BotPlayer::Release(int key, int wait) {
  if (key == HGEK_LBUTTON) leftHeld = false;
  pending.push_back({Input::Up, wait, {0.0f, 0.0f}, key});
}

void BotPlayer::Tap(int key) {
  Press(key, 1);
  Release(key, 1);
}

void BotPlayer::Click(BotPoint p, int key) {
  MoveTo(p, 1);
  Press(key, Between(1, 3));
  Release(key, Between(1, 3));
}

void BotPlayer::Drag(BotPoint from, BotPoint to) {
  MoveTo(from, 1);
  Press(HGEK_LBUTTON, Between(1, 3));
  const BotPoint halfway{(from.x + to.x) / 2.0f, (from.y + to.y) / 2.0f};
  MoveTo(halfway, Between(1, 3));
  MoveTo(to, Between(1, 3));
  Release(HGEK_LBUTTON, Between(2, 4));
}

void BotPlayer::Plan() {
  plannedFor = currentScreen;
  if (leftHeld && currentScreen != Screen::Game) Release(HGEK_LBUTTON, 1);
  switch (currentScreen) {
    case Screen::Logo:
      PlanLogo();
      break;
    case Screen::Menu:
      PlanMenu();
      break;
    case Screen::Team:
      PlanTeam();
      break;
    case Screen::Game:
      PlanGame();
      break;
    case Screen::End:
      Wait(Between(1, 20));
      Tap(HGEK_ESCAPE);
      break;
    case Screen::None:
    case Screen::Options:
      Wait(1);
      break;
  }
}

void BotPlayer::PlanLogo() {
  // A player either watches the logo or skips it.
  if (Chance(0.5)) {
    Wait(Between(20, 60));
    return;
  }
  Wait(Between(0, 60));
  Tap(Chance(0.5) ? HGEK_SPACE : HGEK_ENTER);
}

void BotPlayer::PlanMenu() {
  Wait(Between(0, 30));
  // A saved game is continued (only runs with a save folder have one).
  if (SaveExists()) {
    Click(PointIn(MENU_CONTINUE_BUT_POSX, MENU_CONTINUE_BUT_POSY, MENU_CONTINUE_BUT_W, MENU_CONTINUE_BUT_H, rng),
          HGEK_LBUTTON);
    return;
  }
  Click(PointIn(MENU_NEWGAME_BUT_POSX, MENU_NEWGAME_BUT_POSY, MENU_NEWGAME_BUT_W, MENU_NEWGAME_BUT_H, rng),
        HGEK_LBUTTON);
}

void BotPlayer::PlanTeam() {
  BotPoint p{};
  if (screenState == TEAM_CHOOSE) {
    if (GuiPoint(cardButtons, CARD_FIRST + Between(0, 1), rng, &p)) {
      Click(p, HGEK_LBUTTON);
    } else {
      Wait(Between(1, 5));
    }
    return;
  }
  if (screenState != TEAM_WAIT) {
    Wait(Between(1, 10));
    return;
  }
  const int size = static_cast<int>(team.size());
  int button = size < wantedTeamSize ? BTN_ADD : BTN_START;
  // Now and then a full team is thrown back, which the screen must take as well.
  if (size == 4 && Chance(0.1)) button = BTN_START_OVER;
  if (GuiPoint(teamButtons, button, rng, &p)) {
    Click(p, HGEK_LBUTTON);
  } else {
    Wait(Between(1, 10));
  }
}
